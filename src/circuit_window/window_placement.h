// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a calculator's own window opens, and the colours of its texts: shared by the windows
// that open beside the main window.

#include <QColor>

class QWidget;

namespace ferrovolt {

// Right of `parent` when it fits the parent's screen's work area, else left of it, else
// centred over it; always kept within that work area.
void placeBesideParent(QWidget& window, const QWidget& parent);

// The WCAG contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// `wanted`, or the nearest colour towards black or white (whichever parts more from the
// background) that reads at 4.5:1 at least against `background`.
QColor readableColour(const QColor& wanted, const QColor& background);

}  // namespace ferrovolt
