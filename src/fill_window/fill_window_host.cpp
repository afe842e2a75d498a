// SPDX-License-Identifier: GPL-3.0-or-later
#include "fill_window/fill_window_host.h"

#include "window_kit/placement.h"

namespace ferrovolt {

FillWindowHost::FillWindowHost(QWidget* parent, SystemServices* services)
    : QObject(parent), m_parent(parent), m_services(services) {}

FillWindowHost::~FillWindowHost() {
    delete m_window;
}

FillWindow* FillWindowHost::open(const FillInputs* prefill, const QString& note) {
    if (m_window.isNull()) {
        // A window of its own, not a child of its opener: closing the main window still ends
        // the program.
        m_window = new FillWindow(m_services);
        m_window->setAttribute(Qt::WA_QuitOnClose, false);
        placeWindow(*m_window, m_parent->window());
    }
    if (prefill != nullptr) m_window->prefill(*prefill, note);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}

}  // namespace ferrovolt
