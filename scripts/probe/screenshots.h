// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ferrovolt::probe {

// Starts the window as the program does, then makes each of the six tabs current in turn,
// presses its "Calculate" button when it has one, and saves a PNG of the window per tab
// (and one of the splash window) into the folder. Returns the process exit status.
int takeScreenshots(const QString& folder);

}  // namespace ferrovolt::probe
