// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace ferrovolt::test {

// A click that travels the path of a user's: to the widget's top-level window, through Qt's
// platform layer, which then finds the widget under the point, moves the focus and opens or
// closes popups as it would for a real click. QTest::mouseClick on a widget instead sends the
// events to the widget itself. No point means the widget's centre.
inline void realClick(QWidget* widget, Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = {}, QPoint at = {}) {
    QVERIFY(widget != nullptr);
    if (at.isNull()) at = widget->rect().center();
    QWindow* window = widget->window()->windowHandle();
    QVERIFY2(window != nullptr, "the widget's window is not shown");
    QTest::mouseClick(window, button, modifiers, window->mapFromGlobal(widget->mapToGlobal(at)));
}

}  // namespace ferrovolt::test
