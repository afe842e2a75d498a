// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/splash_host.h"

#include "splash/frm_splash.h"
#include "splash/wait_seconds.h"

namespace ferrovolt {

SplashHost::SplashHost(SystemServices& services) : m_services(services) {}

SplashHost::~SplashHost() {
    unload();
}

frmSplash& SplashHost::show(QWidget* owner) {
    if (m_window.isNull()) {
        m_window = new frmSplash(m_services, owner);
    }
    const bool alreadyUp = m_window->isVisible();
    m_window->show();
    if (alreadyUp) {
        m_window->raise();  // a second show brings it back in front
    }
    return *m_window;
}

void SplashHost::unload() {
    // Deleted at once rather than later: a nested wait's unload must take the window off the
    // screen before the outer wait goes on, and none of its handlers is running at this point.
    delete m_window.data();
    m_window = nullptr;
}

frmSplash* SplashHost::window() const {
    return m_window.data();
}

void ShowSplashFor(SplashHost& host, SystemServices& services, QWidget* owner, float seconds) {
    host.show(owner);
    WaitSeconds(services, seconds);
    host.unload();
}

}  // namespace ferrovolt
