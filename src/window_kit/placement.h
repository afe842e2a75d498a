// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a window of its own opens: on its parent's screen, beside the parent when the work
// area has room for it there (right, else left), else centred over the parent; always wholly
// within the work area, made smaller when it is larger than the work area. A window opened
// without a parent is centred on its screen's work area.

class QRect;
class QSize;
class QWidget;

namespace ferrovolt {

// The frame rectangle for a window of frame size `size` beside or over `parent` (a frame
// rectangle) in `area`, the screen's work area.
QRect placementBeside(const QRect& parent, const QSize& size, const QRect& area);

// Moves `window` to its place by `parent`; with no parent, to the middle of its screen's work
// area. A window not yet shown is first sized as its content asks, up to the work area; one
// shown keeps its size unless the work area is smaller.
void placeWindow(QWidget& window, const QWidget* parent);

}  // namespace ferrovolt
