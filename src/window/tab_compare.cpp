// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tab_compare.h"

#include <QFrame>
#include <QLabel>
#include <QScrollBar>

#include "tables/lists.h"
#include "window/accessibility.h"
#include "window/controls.h"

namespace ferrovolt {

namespace {

// The boxes of this tab keep their border and show the window's background colour.
QLabel* addBox(QWidget* page, const QString& name, TwipsRect where, Qt::Alignment alignment,
               const QString& accessibleName) {
    QLabel* box = addResult(page, name, where, accessibleName);
    box->setAlignment(alignment | Qt::AlignVCenter);
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    markResult(box, accessibleName);
    return box;
}

// Where each standard's box and the name under it stand, by standard index.
struct BoxPlace {
    TwipsRect box;
    TwipsRect name;
};
constexpr std::array<BoxPlace, kStandardCount> kBoxPlaces{{
    {{710, 3120, 1000, 285}, {730, 3480, 1000, 255}},    // AWG (B&S)
    {{3160, 3120, 1000, 285}, {2830, 3480, 1695, 255}},  // BWG (Stubs Iron Wire)
    {{1950, 4200, 1000, 285}, {1995, 4560, 900, 255}},   // SWG
    {{710, 4200, 1000, 285}, {515, 4560, 1305, 255}},    // US Standard (old)
    {{3160, 4200, 1000, 285}, {3025, 4560, 1305, 255}},  // US Steel Wire
}};

}  // namespace

CompareTab buildCompareTab(QWidget* page, const QString& address) {
    CompareTab tab{};
    addRectangle(page, arrayName("Shape1", 3), {240, 2820, 4575, 2205});

    QLabel* heading = addLabel(page, QStringLiteral("lblHeading_lblGauge"), QStringLiteral("Gauge"),
                               {1320, 1575, 975, 255});
    heading->setAlignment(Qt::AlignCenter);
    tab.lblGauge = addBox(page, QStringLiteral("lblGauge"), {1440, 1935, 735, 255},
                          Qt::AlignHCenter, QStringLiteral("Gauge"));
    tab.lblGauge->setText(QStringLiteral("18"));

    tab.VScroll1 = new QScrollBar(Qt::Vertical, page);
    tab.VScroll1->setObjectName(QStringLiteral("VScroll1"));
    tab.VScroll1->setGeometry(toPixels({1200, 1880, 255, 360}));
    // The lower arrow steps to the next higher position, a thinner wire.
    tab.VScroll1->setRange(kFirstGaugePosition, kLastGaugePosition);
    tab.VScroll1->setSingleStep(1);
    tab.VScroll1->setPageStep(1);
    tab.VScroll1->setValue(24);
    tab.VScroll1->setAccessibleName(QStringLiteral("Gauge"));
    // The arrow keys move the gauge; the Tab key reaches it, a click leaves the focus be.
    tab.VScroll1->setFocusPolicy(Qt::TabFocus);

    // Frame1 has no caption; the chosen unit is kept by the window, never shown.
    tab.Frame1 = addGroup(page, QStringLiteral("Frame1"), {2500, 1200, 1695, 1455});
    const std::array<const char*, 3> units{"Sq Millimeters", "Sq Inches", "Circular Mils"};
    for (int i = 0; i < 3; ++i) {
        tab.optGauge[static_cast<std::size_t>(i)] =
            addOption(tab.Frame1, arrayName("optGauge", i),
                      QString::fromLatin1(units[static_cast<std::size_t>(i)]),
                      {50, 360 + 240 * i, 1380, 255}, i == 0);
    }

    for (int s = 0; s < kStandardCount; ++s) {
        const auto index = static_cast<std::size_t>(s);
        const QString standard = QString::fromUtf8(
            kStandardNames[index].data(), static_cast<qsizetype>(kStandardNames[index].size()));
        tab.lblGaugeArray[index] = addBox(page, arrayName("lblGaugeArray", s),
                                          kBoxPlaces[index].box, Qt::AlignRight, standard);
        tab.lblGaugeArray[index]->setProperty(kResultUnitGroup, QStringLiteral("Frame1"));
        QLabel* name =
            addLabel(page, arrayName("lblStandardName", s), standard, kBoxPlaces[index].name);
        name->setAlignment(Qt::AlignCenter);
    }

    tab.link = addLink(page, 0, address, {1320, 5100, 2535, 255});
    return tab;
}

}  // namespace ferrovolt
