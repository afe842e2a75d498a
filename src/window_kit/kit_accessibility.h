// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a screen reader (over AT-SPI) meets the shared parts of a window: a result row is one
// object named "caption: value", its caption alone when there is no value, with ", governing"
// on the row that decides; the caption drawn beside it is not read a second time; a status
// line is a notification; and in a window marked by nameListsByLabel, a drop-down list is
// named by its label like every other input, and its entry is its value and description (the
// toolkit's own interface names a list by its current entry on this platform).

class QAccessibleInterface;
class QComboBox;
class QWidget;

namespace ferrovolt {

// Installs the interfaces, once per program; each part calls it before it exists.
void installKitAccessibility();

// Names the window's drop-down lists by their accessible names, their whole entry as their
// value and description; call before they are made.
void nameListsByLabel(QWidget& window);

// The interface of a drop-down list named by its label, with its entry as its value.
QAccessibleInterface* namedListAccessible(QComboBox* list);

}  // namespace ferrovolt
