// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The check before the focus leaves a control. The toolkit moves the focus without asking
// anyone, so this gate stands in front of the two ways a user moves it inside a window: a
// Tab or Backtab key press, and a mouse press on another control. It asks first, and when
// the answer is no the event is swallowed whole: the focus stays, nothing is clicked,
// selected or switched.

#include <QObject>
#include <functional>

class QMouseEvent;
class QWidget;

namespace ferrovolt {

class FocusGate : public QObject {
    Q_OBJECT
public:
    // Answers whether the focus may leave `focused`, a control of the window.
    using LeaveCheck = std::function<bool(QWidget& focused)>;

    // Watches the application's events for moves inside `window`; must not outlive it.
    FocusGate(QWidget& window, LeaveCheck mayLeave);
    ~FocusGate() override;

    FocusGate(const FocusGate&) = delete;
    FocusGate& operator=(const FocusGate&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyMayPass(QObject* watched, QEvent* event);
    bool pressMayPass(QMouseEvent* event);
    QWidget* focusedControl() const;

    QWidget& m_window;
    LeaveCheck m_mayLeave;
    // A refused press takes its release with it, so that no half click reaches anything.
    bool m_swallowRelease = false;
};

// The widget that a mouse press on `hit` gives the focus to, as the toolkit chooses it:
// the first enabled widget from `hit` up that takes click focus, with its focus proxy
// followed; nothing when the press leaves the focus where it is.
QWidget* clickFocusTarget(QWidget* hit);

// Whether `widget` is `container` or one of its parts, where the focus counts as not leaving.
bool isInside(const QWidget* widget, const QWidget* container);

// The control under `hit` that acts on a click whether or not it takes the focus: a
// button (a tab header among them), a tab bar or a slider; nothing when there is none.
QWidget* clickActingControl(QWidget* hit);

}  // namespace ferrovolt
