// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ferrovolt {

namespace {

constexpr int kGap = 8;
constexpr double kReadable = 4.5;

double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

}  // namespace

void placeBesideParent(QWidget& window, const QWidget& parent) {
    const QScreen* screen = parent.screen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QRect beside = parent.frameGeometry();
    const QSize size = window.frameGeometry().size();
    QPoint at;
    if (beside.right() + kGap + size.width() <= area.right())
        at = {beside.right() + kGap, beside.top()};
    else if (beside.left() - kGap - size.width() >= area.left())
        at = {beside.left() - kGap - size.width(), beside.top()};
    else
        at = beside.center() - QPoint(size.width() / 2, size.height() / 2);
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - size.width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
    window.move(at);
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableColour(const QColor& wanted, const QColor& background) {
    const QColor toward =
        contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
            ? QColor(Qt::black)
            : QColor(Qt::white);
    QColor colour = wanted;
    for (int step = 1; contrastRatio(colour, background) < kReadable && step <= 20; ++step) {
        const double t = step / 20.0;
        colour = QColor::fromRgbF(
            static_cast<float>(wanted.redF() + (toward.redF() - wanted.redF()) * t),
            static_cast<float>(wanted.greenF() + (toward.greenF() - wanted.greenF()) * t),
            static_cast<float>(wanted.blueF() + (toward.blueF() - wanted.blueF()) * t));
    }
    return colour;
}

}  // namespace ferrovolt
