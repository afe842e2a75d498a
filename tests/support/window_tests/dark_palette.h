// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <utility>

namespace ferrovolt::test {

// A dark palette as desktops ship it: light text on dark grey, for the windows and sheets
// that must read (or, on paper, ignore it) whatever the desktop's palette.
inline QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x2a, 0x2a, 0x2a);
    for (const auto& [role, colour] : {std::pair{QPalette::Window, window},
                                       {QPalette::Base, base},
                                       {QPalette::Button, window},
                                       {QPalette::WindowText, QColor(Qt::white)},
                                       {QPalette::Text, QColor(Qt::white)},
                                       {QPalette::ButtonText, QColor(Qt::white)}})
        dark.setColor(role, colour);
    return dark;
}

}  // namespace ferrovolt::test
