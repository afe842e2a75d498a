// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ferrovolt::probe {

// Starts the window as the program does and prints: process start to the splash window
// painted, the splash window's end to the main window painted, and the time of each
// "Calculate" button from press to labels written. startedAtNs is the wall clock
// (CLOCK_REALTIME, ns) just before the process was started. Returns the exit status.
int measureStartup(std::int64_t startedAtNs);

}  // namespace ferrovolt::probe
