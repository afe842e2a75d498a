// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/circuit_window_host.h"

#include <QScreen>
#include <QWidget>

#include "circuit_window/circuit_window.h"

namespace ferrovolt {

namespace {

constexpr int kGap = 8;

// Right of the main window when it fits on its screen, else left of it, else where the
// desktop puts it.
void placeBeside(QWidget& window, const QWidget& main) {
    const QScreen* screen = main.screen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QRect beside = main.frameGeometry();
    const QSize size = window.frameGeometry().size();
    if (beside.right() + kGap + size.width() <= area.right())
        window.move(beside.right() + kGap, beside.top());
    else if (beside.left() - kGap - size.width() >= area.left())
        window.move(beside.left() - kGap - size.width(), beside.top());
}

}  // namespace

CircuitWindowHost::CircuitWindowHost(QWidget* mainWindow)
    : QObject(mainWindow), m_main(mainWindow) {}

CircuitWindowHost::~CircuitWindowHost() {
    delete m_window;
}

CircuitWindow* CircuitWindowHost::open(const CircuitPrefill* prefill) {
    if (m_window.isNull()) {
        // A window of its own, not a child of the main window: the main window's controls
        // stay its own, and closing the main window still ends the program.
        m_window = new CircuitWindow;
        m_window->setAttribute(Qt::WA_QuitOnClose, false);
        m_window->adjustSize();
        placeBeside(*m_window, *m_main);
        emit created(m_window);
    }
    if (prefill != nullptr) m_window->prefill(*prefill);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}

}  // namespace ferrovolt
