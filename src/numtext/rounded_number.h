// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers rounded to a few places, as the circuit check writes them some forty times an
// answer. The common case, a moderate number that is not within a hair of a rounding tie, is
// written here directly from the scaled value; the rest go through the general number text
// (formatRoundedDouble), which rounds ties on the exact binary value.

#include <string>

namespace ferrovolt {

// Appends value rounded to `decimals` places, without trailing zeros: the text of
// formatRoundedDouble to the character. Numbers of 1e9 or more units of the last place take
// the general number text; below that, the scaling's rounding and the value's distance from
// its shortest digits stay under 3e-7 of a unit, so no number the tie guard lets through
// rounds otherwise than there.
void appendRoundedNumber(std::string& out, double value, int decimals);
// A rounded number's text, as every check writes its numbers ("2.5", "0.0123").
std::string roundedNumberText(double value, int decimals);

}  // namespace ferrovolt
