// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tab 4, "Voltage Drop": gauge, material, supply, current and length in; drop, percent,
// volts at the load and conductor area out.

#include <QString>
#include <array>
#include <string_view>

#include "window/control_table.h"
#include "window/result_lines.h"
#include "window/tab_footer.h"
#include "window/twips.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ferrovolt {

// The one-way circuit length of the two circuit tabs: its heading, its field and the group of
// its unit, metres chosen at start.
struct LengthNames {
    std::string_view heading, field, group, metres, feet;
};
struct LengthPlaces {
    TwipsRect heading, field, group;
    int optionWidth;
};
constexpr std::array<ControlRow, 5> lengthRows(const LengthNames& n, const LengthPlaces& p) {
    return {headingRow(n.heading, "Enter 1 way circuit length", p.heading),
            textRow(n.field, "100", p.field, n.heading), groupRow(n.group, p.group),
            optionRow(n.metres, "Mtr", {60, 10, p.optionWidth, 240}, true),
            optionRow(n.feet, "Ft", {60, 275, p.optionWidth, 240})};
}

// The input controls, in the order they are made and the Tab key visits them.
inline constexpr std::array kVoltageDropControls = join(
    std::array{
        headingRow("lblHeading_cmbGauge", "Wire Gauge", {240, 960, 1245, 240}),
        headingRow("lblHeading_cmbMaterial(1)", "Material", {2160, 960, 2535, 240}),
        comboRow("cmbGauge", "18 AWG", {240, 1215, 1245, 315}, "lblHeading_cmbGauge"),
        comboRow("cmbMaterial(1)", "Copper", {2160, 1215, 2535, 315}, "lblHeading_cmbMaterial(1)"),
        headingRow("lblHeading_cmbVoltsPhase", "Select Voltage and Phase", {240, 1680, 2655, 240}),
        headingRow("lblHeading_txtAmps(1)", "Enter Load in AMPS", {3120, 1680, 1800, 240}),
        comboRow("cmbVoltsPhase", "240 Volts 1-phase", {240, 1920, 2655, 315},
                 "lblHeading_cmbVoltsPhase"),
        textRow("txtAmps(1)", "10", {3360, 1920, 1095, 315}, "lblHeading_txtAmps(1)"),
    },
    lengthRows({"lblHeading_txtCCTlngth(1)", "txtCCTlngth(1)", "Frame4", "optstd(1)", "optstd(3)"},
               {{360, 2350, 2400, 240}, {600, 2655, 1215, 315}, {1920, 2550, 855, 525}, 735}));
static_assert(wellFormed(kVoltageDropControls));

struct VoltageDropTab {
    QComboBox* cmbGauge;
    QComboBox* cmbMaterial1;
    QComboBox* cmbVoltsPhase;
    QLineEdit* txtAmps1;
    QLineEdit* txtCCTlngth1;
    QRadioButton* optstd1;   // "Mtr"
    QRadioButton* optstd3;   // "Ft"
    QPushButton* calculate;  // cmdCalc4(1)
    ResultLabels results;    // one per row of kVoltageDrop, in the order of its rows
    TabFooter footer;
};

VoltageDropTab buildVoltageDropTab(QWidget* page, const QString& address);

// The four result lines of the two circuit tabs, Voltage Drop and Conductor Sizing: row
// caption and result, no unit caption.
ResultLabels addCircuitResultLines(QWidget* page, const CalculatorDescription& calculator);

}  // namespace ferrovolt
