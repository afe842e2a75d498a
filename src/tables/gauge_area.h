// SPDX-License-Identifier: GPL-3.0-or-later
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

// The area text of a gauge position (1..46) under a standard (0..4) in a unit mode, worked
// out from GaugeTable on every call: the path the derived tables are filled and checked by.
std::string exactGaugeArea(const Tables& tables, int position, int standard, int unitMode);

// Diameter, areas and copper weight of a gauge position (1..46) under a standard (0..4),
// worked out from GaugeTable on every call.
GaugeMeasures exactGaugeMeasures(const Tables& tables, int position, int standard);

// Copper weights per length of an AWG gauge position (1..46), worked out from GaugeTable on
// every call.
GaugeWeights exactGaugeWeights(const Tables& tables, int position);

// The derived area of a position (0..46), standard (0..4) and unit mode (0..2); nothing for
// any other unit mode or tables not yet derived.
inline const GaugeAreaCell* gaugeAreaCell(const Tables& tables, int position, int standard,
                                          int unitMode) {
    if (!tables.Derived || unitMode < 0 || unitMode >= kUnitModeCount) return nullptr;
    return &tables.GaugeAreas[static_cast<std::size_t>(position)][static_cast<std::size_t>(
        standard)][static_cast<std::size_t>(unitMode)];
}

}  // namespace ferrovolt
