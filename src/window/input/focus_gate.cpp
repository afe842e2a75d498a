// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/input/focus_gate.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace ferrovolt {

namespace {

QWidget* finalFocusProxy(QWidget* widget) {
    while (widget->focusProxy() != nullptr) {
        widget = widget->focusProxy();
    }
    return widget;
}

// Mirrors the toolkit's own test: the widget and, when it has one, its final focus proxy
// must both accept focus by click.
bool takesClickFocus(QWidget* widget) {
    const auto clicks = [](const QWidget* w) {
        return (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus;
    };
    QWidget* proxy = finalFocusProxy(widget);
    return clicks(widget) && (proxy == widget || clicks(proxy));
}

}  // namespace

bool isInside(const QWidget* widget, const QWidget* container) {
    return widget == container || container->isAncestorOf(widget);
}

QWidget* clickFocusTarget(QWidget* hit) {
    for (QWidget* widget = hit; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->isEnabled() && takesClickFocus(widget)) {
            return finalFocusProxy(widget);
        }
        if (widget->isWindow() || finalFocusProxy(widget)->hasFocus()) {
            // A press on the focused control, or on a part of it, keeps the focus there.
            return nullptr;
        }
    }
    return nullptr;
}

QWidget* clickActingControl(QWidget* hit) {
    for (QWidget* widget = hit; widget != nullptr && !widget->isWindow();
         widget = widget->parentWidget()) {
        if (!widget->isEnabled()) {
            continue;
        }
        if (qobject_cast<QAbstractButton*>(widget) != nullptr ||
            qobject_cast<QTabBar*>(widget) != nullptr ||
            qobject_cast<QAbstractSlider*>(widget) != nullptr) {
            return widget;
        }
    }
    return nullptr;
}

FocusGate::FocusGate(QWidget& window, LeaveCheck mayLeave)
    : m_window(window), m_mayLeave(std::move(mayLeave)) {
    // On the application, because a real press moves the focus inside QApplication::notify
    // before any filter on the pressed widget runs; the press is caught while its receiver
    // is still the window.
    qApp->installEventFilter(this);
}

FocusGate::~FocusGate() {
    if (qApp != nullptr) {
        qApp->removeEventFilter(this);
    }
}

bool FocusGate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return !keyMayPass(watched, event);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (watched->isWindowType() && watched == m_window.windowHandle()) {
                const bool pass = pressMayPass(static_cast<QMouseEvent*>(event));
                m_swallowRelease = !pass;
                return !pass;
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (m_swallowRelease && watched->isWindowType() && watched == m_window.windowHandle()) {
                m_swallowRelease = false;
                return true;
            }
            return false;
        default:
            return false;
    }
}

QWidget* FocusGate::focusedControl() const {
    // The window's own focus child, which it keeps while another window is active: a press
    // that reaches the window before its activation is still a move away from that control.
    return m_window.focusWidget();
}

bool FocusGate::keyMayPass(QObject* watched, QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
        return true;
    }
    // The same chords that the toolkit turns into a focus move.
    if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
        return true;
    }
    // Real key events reach the window first and then the focused widget: judge once,
    // at the widget.
    if (!watched->isWidgetType()) {
        return true;
    }
    QWidget* focused = focusedControl();
    if (focused == nullptr || !isInside(static_cast<QWidget*>(watched), focused)) {
        return true;
    }
    return m_mayLeave(*focused);
}

bool FocusGate::pressMayPass(QMouseEvent* event) {
    if (QApplication::activePopupWidget() != nullptr || QWidget::mouseGrabber() != nullptr) {
        return true;  // the press belongs to the popup or the grabbing widget, not the window
    }
    QWidget* focused = focusedControl();
    if (focused == nullptr) {
        return true;
    }
    QWidget* hit = m_window.childAt(event->position().toPoint());
    if (hit == nullptr) {
        hit = &m_window;
    }
    QWidget* target = clickFocusTarget(hit);
    const bool movesFocus = target != nullptr && !isInside(target, focused);
    QWidget* acting = clickActingControl(hit);
    const bool actsElsewhere = acting != nullptr && !isInside(acting, focused);
    if (!movesFocus && !actsElsewhere) {
        return true;
    }
    return m_mayLeave(*focused);
}

}  // namespace ferrovolt
