// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ferrovolt {

// The text of the splash window's Text2, line breaks as lone CR and CR LF: an empty first
// line, the disclaimer, the copyright line of the given year and the freeware note.
QString splashDisclaimerText(int year);

}  // namespace ferrovolt
