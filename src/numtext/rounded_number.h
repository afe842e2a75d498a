// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers rounded to a few places, as the circuit check writes them some forty times an
// answer. The common case, a moderate number that is not within a hair of a rounding tie, is
// written here directly from the scaled value; the rest go through the general number text
// (formatRoundedDouble), which rounds ties on the exact binary value.

#include <string>

namespace ferrovolt {

// Appends value rounded to `decimals` places, without trailing zeros. Numbers of `limit` or
// more units of the last place take the general number text. Below 1e9 units, the scaling's
// rounding and the value's distance from its shortest digits stay under 3e-7 of a unit, so
// no number the tie guard lets through rounds otherwise than there: the text is the general
// one's to the character. The trail keeps 1e15.
void appendRoundedNumber(std::string& out, double value, int decimals, double limit = 1e15);
std::string roundedNumberText(double value, int decimals);

}  // namespace ferrovolt
