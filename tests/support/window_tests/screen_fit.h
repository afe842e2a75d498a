// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <algorithm>

namespace ferrovolt::test {

// The window's size, its least size and its screen's work area, for a failure's message.
inline QString sizeOnScreen(const QWidget& w) {
    const QRect area = w.screen()->availableGeometry();
    return QStringLiteral("%1 x %2 (least %3 x %4) on %5 x %6")
        .arg(w.width())
        .arg(w.height())
        .arg(w.minimumSizeHint().width())
        .arg(w.minimumSizeHint().height())
        .arg(area.width())
        .arg(area.height());
}

// Whether the window lies wholly in its screen's work area and uses it: as tall as its content
// asks, or as the screen's height less a window manager's frame.
inline bool usesItsScreen(const QWidget& w) {
    const QRect area = w.screen()->availableGeometry();
    return area.contains(w.frameGeometry()) &&
           w.height() >= std::min(w.sizeHint().height(), area.height() * 9 / 10);
}

}  // namespace ferrovolt::test
