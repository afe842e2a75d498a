// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A label or picture that reports a click: the mouse button pressed and released over it, or
// Space or Enter while it has the focus. The Tab key reaches it; a mouse click gives it no
// focus, so clicking it leaves the focus where it was.

#include <QLabel>

namespace ferrovolt {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

}  // namespace ferrovolt
