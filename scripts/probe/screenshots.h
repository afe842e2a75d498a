// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QString>

namespace ferrovolt::probe {

// Starts the window as the program does, then makes each of the six tabs current in turn,
// presses its "Calculate" button when it has one, and saves a PNG of the window per tab
// (and one of the splash window) into the folder. Returns the process exit status.
int takeScreenshots(const QString& folder);

// The Circuit Check window alone, as large as a 1920 x 1080 screen at 200 % leaves it, into
// the folder; for a program started with QT_SCALE_FACTOR=2.
int takeScaledScreenshot(const QString& folder);

// The Project window on a 1366 x 768 screen with each sample project open (`examples`, the
// folder), its first board with circuits chosen, into the folder.
int takeProjectScreenshots(const QString& folder, const QString& examples);

// A dark palette as desktops ship one.
QPalette darkPalette();

}  // namespace ferrovolt::probe
