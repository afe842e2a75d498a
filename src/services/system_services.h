// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The services of the desktop that the windows use: the beep, opening a web address,
// the modal information note, the clock of waits and the calendar year. Everything goes
// through this seam so tests can count beeps, capture notes and addresses, and run waits
// on a short clock.

#include <QString>
#include <chrono>

class QWidget;

namespace ferrovolt {

class SystemServices {
public:
    virtual ~SystemServices() = default;

    // The system beep.
    virtual void beep() = 0;

    // Hands the address to the desktop's default browser without waiting; failure is silent.
    virtual void openUrl(const QString& address) = 0;

    // A modal note with a title, an OK button only and no icon; returns when it is closed.
    virtual void showNote(QWidget* parent, const QString& title, const QString& text) = 0;

    // A monotonic clock: a wait across midnight or a clock change still ends on time.
    virtual std::chrono::steady_clock::time_point now() const = 0;

    // How long a wait of the given seconds really lasts (tests shorten it).
    virtual std::chrono::nanoseconds waitDuration(double seconds) const = 0;

    // The year of the system date, read when asked.
    virtual int currentYear() const = 0;
};

}  // namespace ferrovolt
