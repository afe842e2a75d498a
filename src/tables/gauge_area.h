#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tables/tables.h"
#include "tables/units.h"

namespace ferrovolt {

enum UnitMode : int { SquareMillimetres = 0, SquareInches = 1, CircularMils = 2 };

// Area text of a gauge under a standard (0..4) in a unit mode: a single-precision number
// text rounded to 7 decimals, "N/A" where the standard lacks the gauge, "0" for an unknown
// unit mode. No value when the label (or, byPosition, the position text 1..46) names no gauge.
std::optional<std::string> GaugeArea(const Tables& tables, std::string_view gauge, int standard,
                                     int unitMode, bool byPosition);

}  // namespace ferrovolt
