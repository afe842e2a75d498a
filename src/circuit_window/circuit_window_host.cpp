// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/circuit_window_host.h"

#include <QWidget>

#include "circuit_window/circuit_window.h"
#include "window_kit/placement.h"

namespace ferrovolt {

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
        placeWindow(*m_window, m_main);
        emit created(m_window);
    }
    if (prefill != nullptr) m_window->prefill(*prefill);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}

}  // namespace ferrovolt
