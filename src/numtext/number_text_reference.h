// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plain, slower forms of the number text rounding, straight from the exact binary value.
// The fast forms in number_text.h must agree with these for every value; tests and fuzzers
// compare the two.

#include <string>

namespace ferrovolt::reference {

std::string formatSingle(float value);
std::string formatDouble(double value);
float roundSingle(float value, int decimals);
double roundDouble(double value, int decimals);

}  // namespace ferrovolt::reference
