// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The strip at the bottom of every calculator tab: link label, logo and information sign
// (the button above them is the tab's own).

#include <QString>

#include "window/twips.h"

class QPushButton;
class QWidget;

namespace ferrovolt {

class ClickLabel;

inline constexpr TwipsRect kCalculatePlace{1320, 4860, 2535, 375};

// Array indexes of the strip's three controls on one tab.
struct FooterIndexes {
    int link, logo, info;
};

struct TabFooter {
    ClickLabel* link;
    ClickLabel* logo;
    ClickLabel* info;
};

TabFooter addFooter(QWidget* page, FooterIndexes indexes, const QString& address);

// The tab's "Calculate" button.
QPushButton* addCalculate(QWidget* page, const QString& name);

}  // namespace ferrovolt
