// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tab 1, "Conduit Capacity": conduit and cable diameters, measure and fill, areas and
// the number of cables out.

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
inline constexpr std::array kConduitControls{
    headingRow("lblHeading_cmbDia", "Conduit Diameter", {220, 1200, 1360, 240}),
    headingRow("lblHeading_txtCable", "Cable Diameter", {3420, 1200, 1360, 240}),
    comboRow("cmbDia", "100", {400, 1440, 1000, 315}, "lblHeading_cmbDia",
             "Select the Conduit Diameter"),
    textRow("txtCable", "25", {3600, 1465, 800, 285}, "lblHeading_txtCable"),
    groupRow("Frame2(0)", {2100, 1300, 1335, 600}),
    optionRow("optMeasure(0)", "Millimeters", {60, 60, 1215, 255}, true, "Select for Metric Sizes"),
    optionRow("optMeasure(1)", "Inches", {60, 350, 1215, 255}, false, "Select for Imperial Sizes"),
    groupRow("Frame2(1)", {1080, 2220, 3435, 600}),
    optionRow("optCapacity(0)", "40% fill as per US National Electric Code.", {60, 0, 3315, 255},
              true, "Select for Metric Sizes"),
    optionRow("optCapacity(1)", "60% fill", {60, 350, 3315, 255}, false,
              "Select for Imperial Sizes"),
};
static_assert(wellFormed(kConduitControls));

struct ConduitTab {
    QComboBox* cmbDia;
    QLineEdit* txtCable;
    std::array<QRadioButton*, 2> optMeasure;
    std::array<QRadioButton*, 2> optCapacity;
    QPushButton* calculate;  // cmdCalc2
    ResultLabels results;    // one per row of kConduit, in the order of its rows
    std::array<QLabel*, 3> lblStandard;
    TabFooter footer;
};

ConduitTab buildConduitTab(QWidget* page, const QString& address);

}  // namespace ferrovolt
