// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_window/project_window_host.h"

#include <QEvent>
#include <QTimer>

#include "window_kit/placement.h"

namespace ferrovolt {

ProjectWindowHost::ProjectWindowHost(QWidget* mainWindow, SystemServices* services)
    : QObject(mainWindow), m_main(mainWindow), m_services(services) {
    if (m_main != nullptr) m_main->installEventFilter(this);
}

bool ProjectWindowHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == m_main && m_window && m_window->isVisible() &&
        !m_window->close()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

ProjectWindowHost::~ProjectWindowHost() {
    delete m_window;
}

ProjectWindow* ProjectWindowHost::open() {
    if (m_window.isNull()) {
        // A window of its own, not a child of the main window: closing the main window still
        // ends the program.
        m_window = new ProjectWindow(m_services);
        m_window->setAttribute(Qt::WA_QuitOnClose, false);
        placeWindow(*m_window, m_main);
        // Once the window is shown: the work a crashed or killed window left behind.
        QTimer::singleShot(0, m_window, [window = m_window] {
            if (window) window->offerRecovery();
        });
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}

}  // namespace ferrovolt
