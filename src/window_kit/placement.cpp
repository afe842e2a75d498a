// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/placement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ferrovolt {

namespace {

constexpr int kGap = 8;
// A window manager's title bar and borders, for a window whose frame is not yet known.
constexpr QMargins kFrameGuess(4, 32, 4, 4);

}  // namespace

QRect placementBeside(const QRect& parent, const QSize& size, const QRect& area) {
    const QSize fitted = size.boundedTo(area.size());
    QRect place(QPoint(), fitted);
    if (parent.right() + kGap + fitted.width() <= area.right())
        place.moveTopLeft({parent.right() + 1 + kGap, parent.top()});
    else if (parent.left() - kGap - fitted.width() >= area.left())
        place.moveTopLeft({parent.left() - kGap - fitted.width(), parent.top()});
    else
        place.moveCenter(parent.center());
    // Within the work area: a parent partly off screen does not take the window with it.
    place.moveLeft(std::clamp(place.left(), area.left(), area.right() + 1 - fitted.width()));
    place.moveTop(std::clamp(place.top(), area.top(), area.bottom() + 1 - fitted.height()));
    return place;
}

void placeWindow(QWidget& window, const QWidget* parent) {
    QScreen* screen = parent != nullptr ? parent->screen() : window.screen();
    if (screen == nullptr) return;
    window.setScreen(screen);
    const QRect area = screen->availableGeometry();
    // Until a window is shown its frame is unknown: its parent's, or none, is the guess.
    const QWidget& framed = window.isVisible() || parent == nullptr ? window : *parent;
    const QRect outer = framed.frameGeometry();
    const QRect inner = framed.geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.isNull() && !window.isVisible()) frame = kFrameGuess;
    // A window about to open takes the size its content asks, as much of the screen as that
    // is (not the two thirds of it a window takes by itself); one shown keeps its size.
    const QSize wanted =
        window.isVisible() ? window.size() : window.sizeHint().expandedTo(window.minimumSizeHint());
    // Without a parent, a parent as large as the work area centres the window in it.
    const QRect place = placementBeside(parent != nullptr ? parent->frameGeometry() : area,
                                        wanted.grownBy(frame), area);
    const QSize inside = place.marginsRemoved(frame).size();
    window.resize(inside.expandedTo(window.minimumSizeHint()));
    window.move(place.topLeft());
}

}  // namespace ferrovolt
