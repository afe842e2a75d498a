// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What assistive technology (a screen reader over AT-SPI) learns of the window:
// - a result label reads "caption: value unit" ("Diameter: 1.023696 Millimeters"), its value
//   alone as its value, and tells when it changes;
// - every field and drop-down is named by the heading over it (the heading is its buddy);
// - every group of option buttons is a named grouping;
// - the tab headers are page tabs whose press action switches the page through the same
//   check as a click on the header;
// - link labels are links and the pictures buttons, each with a press action.
// Result labels carry their caption and where their unit is read from as properties, set by
// the builders of the tabs.

#include <QString>

class QLabel;
class QWidget;

namespace ferrovolt {

// Property names on a result label.
inline constexpr char kResultCaption[] = "ferrovoltResultCaption";
// The objectName of the label that shows the line's unit.
inline constexpr char kResultUnitLabel[] = "ferrovoltResultUnitLabel";
// The objectName of the group whose chosen option names the unit.
inline constexpr char kResultUnitGroup[] = "ferrovoltResultUnitGroup";

// Marks `label` as a result with this spoken caption.
void markResult(QLabel* label, const QString& caption);

// What a screen reader announces for a result label: its caption, value and unit.
QString spokenResult(const QLabel& label);

// Installs the window's accessible interfaces, once per program. Before any control exists:
// the toolkit keeps the interface it first made for a control.
void installAccessibleInterfaces();

// Names the inputs and groups of `window`; call when every control exists.
void setUpAccessibility(QWidget& window);

}  // namespace ferrovolt
