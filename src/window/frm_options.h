// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// frmOptions: the main window. It assembles the six tabs, runs the start-up (Form_Load) and
// binds each tab's controls to its calculator; the input handling of the fields is its own
// class, built last.

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "splash/splash_host.h"
#include "tables/tables.h"
#include "window/tab_area_weight.h"
#include "window/tab_compare.h"
#include "window/tab_conduit.h"
#include "window/tab_resistivity.h"
#include "window/tab_sizing.h"
#include "window/tab_voltage_drop.h"

namespace ferrovolt {

class ClickLabel;
class InputHandling;
class ResultsCopy;
class SSTab;
class SystemServices;

class frmOptions : public QWidget {
    Q_OBJECT
public:
    explicit frmOptions(SystemServices& services, QWidget* parent = nullptr);
    ~frmOptions() override;

    // The start-up, run once before the window is first shown: splash, pointers, tab 0 and
    // its lists, caption, borders, degree signs, tables, picture tips and pointers. The
    // window is built bare; its tabs and their controls are built while the splash is up.
    void Form_Load();

    const Tables& tables() const { return m_tables; }

    // Switches to `tab` as a click on its header does: the check of the focused field first;
    // while it refuses, the tab stays.
    void switchTab(int tab);

    // Tab activation: refills the lists of the tab that became current.
    void SSTab_Click(int previousTab);
    // Prepares the Conduit Capacity tab for its measure and calculates.
    void FillConduitList();

    // The calculators behind the "Calculate" buttons (by array index where they share one).
    void cmdCalc_Click(int index);
    void cmdCalc2_Click();
    void cmdCalc4_Click(int index);

    void VScroll1_Change();
    void optGauge_Click(int index);
    void optMeasure_Click(int index);
    void optCapacity_Click(int index);
    void optstd_Click(int index);

    void imgInfo_Click(int index);
    void Image1_Click(int index);
    void URL_Label1_Click(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // The tab control, the six pages and everything bound to their controls; once.
    void buildPages();
    void connectHandlers();
    // Centres the window's frame on the screen (its client area while the frame is unknown).
    void centreFrame();
    void centreOnceFramed();
    void FillMaterialList(int index);
    void FillAWGList(int index);
    void FillGaugeList();
    // A refused calculation: the focus to the field at fault when it is shown, then the beep.
    void refuse(QWidget* field);

    SystemServices& m_services;
    Tables m_tables;
    SplashHost m_splash;
    SSTab* m_sstab = nullptr;
    AreaWeightTab m_areaWeight{};
    ConduitTab m_conduit{};
    ResistivityTab m_resistivity{};
    CompareTab m_compare{};
    VoltageDropTab m_voltageDrop{};
    SizingTab m_sizing{};
    // By array index.
    std::array<ClickLabel*, 6> m_urlLabels{};
    std::array<ClickLabel*, 5> m_images{};
    std::array<ClickLabel*, 5> m_infos{};
    // The Compare Gauges unit mode; unset until the first redraw reads it as 0.
    std::optional<int> m_gaugeUnit;
    ResultsCopy* m_resultsCopy = nullptr;
    bool m_centreWithFrame = false;
    // Last, so that it goes before the controls it watches.
    std::unique_ptr<InputHandling> m_input;
};

}  // namespace ferrovolt
