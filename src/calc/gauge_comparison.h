// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "tables/tables.h"

namespace ferrovolt {

// The six texts of the Compare Gauges tab; every box text ends in one blank.
struct ComparisonResult {
    std::string lblGauge;
    std::array<std::string, kStandardCount> lblGaugeArray;
    bool operator==(const ComparisonResult&) const = default;
};

// One gauge position (1..46) under all five standards in a unit mode (0..2).
ComparisonResult CalcComparison(const Tables& tables, int position, int unitMode);

}  // namespace ferrovolt
