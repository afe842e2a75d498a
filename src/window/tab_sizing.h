// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tab 5, "Conductor Sizing": material, length, current, voltage and phase in; circular mils
// required, the smallest AWG or kcmil size and a metric size out.

#include <QString>
#include <array>

#include "window/control_table.h"
#include "window/result_lines.h"
#include "window/tab_footer.h"
#include "window/tab_voltage_drop.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ferrovolt {

// The input controls, in the order they are made and the Tab key visits them.
inline constexpr std::array kSizingControls = join(
    join(
        std::array{
            headingRow("lblHeading_cmbMaterial(2)", "Material", {240, 960, 2535, 240}),
            comboRow("cmbMaterial(2)", "Copper", {240, 1215, 2535, 315},
                     "lblHeading_cmbMaterial(2)"),
        },
        lengthRows(
            {"lblHeading_txtCCTlngth(2)", "txtCCTlngth(2)", "Frame5", "optstd(2)", "optstd(4)"},
            {{2760, 915, 2400, 240}, {3000, 1215, 1215, 315}, {4320, 1110, 615, 525}, 540})),
    std::array{
        groupRow("Frame6", {240, 1560, 1215, 1575}),
        optionRow("optVolts(0)", "120 Volts", {120, 0, 975, 255}, false, {}, "120"),
        optionRow("optVolts(1)", "208 Volts", {120, 240, 975, 255}, false, {}, "208"),
        optionRow("optVolts(2)", "240 Volts", {120, 480, 975, 255}, true, {}, "240"),
        optionRow("optVolts(3)", "277 Volts", {120, 720, 975, 255}, false, {}, "277"),
        optionRow("optVolts(4)", "415 Volts", {120, 960, 975, 255}, false, {}, "415"),
        optionRow("optVolts(5)", "480 Volts", {120, 1200, 975, 255}, false, {}, "480"),
        groupRow("Frame7", {1560, 1800, 1575, 615}),
        optionRow("optPhase(0)", "Single Phase", {60, 0, 1455, 255}, true),
        optionRow("optPhase(1)", "Three Phase", {60, 240, 1455, 255}),
        headingRow("lblHeading_txtAmps(2)", "Enter Load in AMPS", {3120, 1680, 1800, 240}),
        textRow("txtAmps(2)", "10", {3240, 1920, 1335, 315}, "lblHeading_txtAmps(2)"),
    });
static_assert(wellFormed(kSizingControls));

// The property holding an option button's tag text (the voltage of optVolts).
inline constexpr char kTagProperty[] = "Tag";

struct SizingTab {
    QComboBox* cmbMaterial2;
    QLineEdit* txtCCTlngth2;
    std::array<QRadioButton*, 2> lengthUnit;  // optstd(2) "Mtr", optstd(4) "Ft"
    QLineEdit* txtAmps2;
    std::array<QRadioButton*, 6> optVolts;
    std::array<QRadioButton*, 2> optPhase;
    QPushButton* calculate;  // cmdCalc4(2)
    ResultLabels results;    // one per row of kConductorSize, in the order of its rows
    TabFooter footer;
};

SizingTab buildSizingTab(QWidget* page, const QString& address);

}  // namespace ferrovolt
