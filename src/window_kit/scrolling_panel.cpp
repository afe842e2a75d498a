// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/scrolling_panel.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace ferrovolt {

namespace {

// The least width, in letters, that the panel keeps on a screen too narrow for its content.
constexpr int kLeastLetters = 40;

}  // namespace

ScrollingPanel::ScrollingPanel(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("inputPanel"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    setWidget(content);
    // Drawn like the window it sits in.
    content->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    // The whole control, not only its text cursor as ensureWidgetVisible() would.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == nullptr || !widget()->isAncestorOf(now)) return;
        const QRect at(now->mapTo(widget(), QPoint()), now->size());
        const int margin = fontMetrics().height() / 2;
        ensureVisible(at.center().x(), at.center().y(), at.width() / 2 + margin,
                      at.height() / 2 + margin);
    });
}

bool ScrollingPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

int ScrollingPanel::sideWidth() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar()) +
           2 * frameWidth();
}

QSize ScrollingPanel::sizeHint() const {
    const QSize content = widget()->sizeHint();
    return {content.width() + sideWidth(), content.height() + 2 * frameWidth()};
}

void ScrollingPanel::allowSideways() {
    m_sideways = true;
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    updateGeometry();
}

void ScrollingPanel::setLeastLines(int lines) {
    m_leastLines = lines;
    updateGeometry();
}

QSize ScrollingPanel::minimumSizeHint() const {
    const int least = std::min(fontMetrics().height() * m_leastLines, sizeHint().height());
    const int width = widget()->minimumSizeHint().width();
    const int narrowest = m_sideways ? fontMetrics().averageCharWidth() * kLeastLetters : width;
    return {std::min(width, narrowest) + sideWidth(), least};
}

}  // namespace ferrovolt
