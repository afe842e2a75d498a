// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <functional>

class QWidget;

namespace ferrovolt {

class SystemServices;
class frmSplash;

// Holds the program's one splash window between show and unload, so that a second show
// while it is up reuses it and a late unload of a window already gone does nothing.
class SplashHost {
public:
    explicit SplashHost(SystemServices& services);
    ~SplashHost();
    SplashHost(const SplashHost&) = delete;
    SplashHost& operator=(const SplashHost&) = delete;

    // Loads the window (running its Form_Load) unless it is loaded, and shows it modeless.
    // An owner is only taken when the window is loaded here.
    frmSplash& show(QWidget* owner = nullptr);

    // Closes and discards the window; the next show loads it afresh.
    void unload();

    // The loaded window, or null.
    frmSplash* window() const;

private:
    SystemServices& m_services;
    QPointer<frmSplash> m_window;
};

// Shows the splash window, waits the seconds with WaitSeconds and unloads it: the start-up
// splash (with the main window as owner) and the about box (without). `oncePainted`, when
// given, runs once inside the wait, as soon as the window has been painted on the screen;
// not at all when the wait ends first.
void ShowSplashFor(SplashHost& host, SystemServices& services, QWidget* owner, float seconds,
                   const std::function<void()>& oncePainted = {});

}  // namespace ferrovolt
