// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tab 0, "Area / Weight": gauge standard and gauge in, diameters, areas and weights out.

#include <QString>
#include <array>

#include "window/control_table.h"
#include "window/result_lines.h"
#include "window/tab_footer.h"

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace ferrovolt {

// The input controls, in the order they are made and the Tab key visits them.
inline constexpr std::array kAreaWeightControls{
    headingRow("lblHeading_cmbStandards", "Wire Standard", {855, 1200, 2000, 255}),
    headingRow("lblHeading_cmbAWG(0)", "Gauge", {3300, 1200, 800, 255}),
    comboRow("cmbStandards", "AWG (B&S)", {855, 1455, 2000, 315}, "lblHeading_cmbStandards"),
    comboRow("cmbAWG(0)", "18", {3300, 1455, 800, 315}, "lblHeading_cmbAWG(0)"),
};
static_assert(wellFormed(kAreaWeightControls));

struct AreaWeightTab {
    QComboBox* cmbStandards;
    QComboBox* cmbAWG0;
    QPushButton* calculate;  // cmdCalc(0)
    ResultLabels results;    // one per row of kAreaWeight, in the order of its rows
    TabFooter footer;
};

AreaWeightTab buildAreaWeightTab(QWidget* page, const QString& address);

}  // namespace ferrovolt
