// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/splash_host.h"

#include "splash/frm_splash.h"
#include "splash/wait_seconds.h"

#include <QEvent>
#include <QTimer>
#include <utility>

namespace ferrovolt {

namespace {

// Runs a function once the watched window has been painted: its first paint event comes
// before the painting, so the function waits for the next turn of the event loop, by when
// the window has been painted and sent to the screen. A child of the window, so nothing
// runs once the window is gone.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& window, std::function<void()> function)
        : QObject(&window), m_function(std::move(function)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { m_function(); });
        }
        return false;
    }

private:
    std::function<void()> m_function;
};

}  // namespace

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

void ShowSplashFor(SplashHost& host, SystemServices& services, QWidget* owner, float seconds,
                   const std::function<void()>& oncePainted) {
    frmSplash& window = host.show(owner);
    if (oncePainted) new AfterFirstPaint(window, oncePainted);
    WaitSeconds(services, seconds);
    host.unload();
}

}  // namespace ferrovolt
