// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "calc/answer.h"
#include "tables/tables.h"

namespace ferrovolt {

// The four texts of the Conduit Capacity tab.
struct ConduitResult {
    std::string CondArea, UseableArea, CableArea, CableQty;
    bool operator==(const ConduitResult&) const = default;
};

// How many cables of a diameter fit a conduit size at 40 % or 60 % fill, in millimetres or
// inches. Refuses a size that is not one of the eleven of the measure, then a cable diameter
// that is empty, not a number, negative, or whose area shows as 0.
Answer<ConduitResult> CalcConduitCapacity(const Tables& tables, bool inches, std::string_view size,
                                          bool fill40, std::string_view cable);

}  // namespace ferrovolt
