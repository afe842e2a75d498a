#pragma once

// Conversion factors and copper figures shared by the calculators, as the trade uses them.

#include <cstddef>
#include <string>
#include <string_view>

#include "numtext/number_text.h"

namespace ferrovolt {

inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kCubicInchesPer1000Feet = 12000;  // of one square inch section
inline constexpr double kCopperPoundsPerCubicInch = 0.321;
inline constexpr double kPoundsPerKilogram = 2.2046;
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kFeetPerMetre = 3.281;  // the trade's round figure, not 3.28084

// A double result as the area, weight and conduit labels show it: rounded to 15 decimals,
// at most 15 digits, then cut to `width` characters without changing its magnitude.
inline std::string shownDouble(double value, std::size_t width) {
    return cutDouble(roundDouble(value, 15), width);
}

// A result beyond what the calculator can give: a size past its tables, a load left with
// no voltage.
inline constexpr std::string_view kOutOfRange = "Out of range.";

}  // namespace ferrovolt
