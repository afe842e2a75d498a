// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/wait_seconds.h"

#include "services/system_services.h"

#include <QEventLoop>
#include <QTimer>
#include <chrono>

namespace ferrovolt {

void WaitSeconds(SystemServices& services, float seconds) {
    if (!(seconds > 0.0F)) {
        return;
    }
    // A monotonic deadline: a wait across midnight or a change of the system clock still ends on
    // time.
    const auto deadline = services.now() + services.waitDuration(seconds);

    QEventLoop loop;
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    // Coarse timers may fire up to 5 % late, which over six seconds is visible.
    wakeUp.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wakeUp, &QTimer::timeout, &loop, [&loop] { loop.quit(); });

    for (auto now = services.now(); now < deadline; now = services.now()) {
        // Rounded up, so the timer never wakes the loop just short of the deadline.
        wakeUp.start(std::chrono::ceil<std::chrono::milliseconds>(deadline - now));
        // A nested wait keeps this loop from returning until it has finished; only then does
        // this wait look at the clock again.
        if (loop.exec() != 0) {
            // The application is quitting: event loops no longer run, and waiting on would
            // only hold up the end of the program.
            return;
        }
    }
}

}  // namespace ferrovolt
