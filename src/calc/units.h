// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the calculators show a result; the constants themselves are in tables/units.h.

#include <cstddef>
#include <string>
#include <string_view>

#include "numtext/number_text.h"
#include "tables/units.h"

namespace ferrovolt {

// A double result as the area, weight and conduit labels show it: rounded to 15 decimals,
// at most 15 digits, then cut to `width` characters without changing its magnitude.
inline std::string shownDouble(double value, std::size_t width) {
    return cutRoundedDouble(value, 15, width);
}

// A result beyond what the calculator can give: a size past its tables, a load left with
// no voltage.
inline constexpr std::string_view kOutOfRange = "Out of range.";

}  // namespace ferrovolt
