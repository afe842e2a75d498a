// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tab 2, "Resistivity": AWG gauge, material and temperature in, weights and DC resistances
// per length out.

#include <QString>
#include <array>

#include "window/control_table.h"
#include "window/result_lines.h"
#include "window/tab_footer.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ferrovolt {

// The input controls, in the order they are made and the Tab key visits them.
inline constexpr std::array kResistivityControls{
    headingRow("lblHeading_cmbAWG(2)", "AWG", {400, 1200, 1000, 240}),
    headingRow("lblHeading_cmbMaterial(0)", "Material", {1560, 1200, 1700, 240}),
    // Start-up puts the degree sign in front of "Temp".
    headingRow("Label3(18)", "Temp", {3400, 1200, 795, 240}),
    comboRow("cmbAWG(2)", "18", {400, 1450, 1000, 315}, "lblHeading_cmbAWG(2)"),
    comboRow("cmbMaterial(0)", "Copper (Annealed)", {1560, 1450, 1700, 315},
             "lblHeading_cmbMaterial(0)"),
    textRow("txtTemp", "20", {3400, 1450, 800, 315}, "Label3(18)"),
    groupRow("Frame3", {4340, 1100, 555, 1035}),
    optionRow("optTemp(0)", "C", {30, 180, 500, 195}, true, "Select for Celcius"),
    optionRow("optTemp(1)", "F", {30, 430, 500, 195}, false, "Select for Fahrenheight"),
    optionRow("optTemp(2)", "K", {30, 680, 500, 195}),
};
static_assert(wellFormed(kResistivityControls));

struct ResistivityTab {
    QComboBox* cmbAWG2;
    QComboBox* cmbMaterial0;
    QLineEdit* txtTemp;
    QLabel* Label3_18;  // the heading over txtTemp
    std::array<QRadioButton*, 3> optTemp;
    QPushButton* calculate;  // cmdCalc(2)
    ResultLabels results;    // one per row of kResistanceCalc, in the order of its rows
    TabFooter footer;
};

ResistivityTab buildResistivityTab(QWidget* page, const QString& address);

}  // namespace ferrovolt
