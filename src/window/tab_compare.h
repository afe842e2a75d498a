// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tab 3, "Compare Gauges": one gauge, chosen with a scroll bar, under all five standards in
// one unit. No "Calculate" button and no pictures.

#include <QString>
#include <array>

#include "tables/tables.h"

class QFrame;
class QLabel;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace ferrovolt {

class ClickLabel;

struct CompareTab {
    QLabel* lblGauge;
    QScrollBar* VScroll1;
    QFrame* Frame1;
    std::array<QRadioButton*, 3> optGauge;
    std::array<QLabel*, kStandardCount> lblGaugeArray;
    ClickLabel* link;  // URL_Label1(0)
};

CompareTab buildCompareTab(QWidget* page, const QString& address);

}  // namespace ferrovolt
