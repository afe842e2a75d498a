// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "calc/answer.h"
#include "tables/tables.h"

namespace ferrovolt {

// The seven texts of the Area / Weight tab; each is a number text or "N/A".
using AreaWeightResult = GaugeMeasures;

// Diameter, area and copper weight of a gauge label under a standard name. Refuses a gauge
// that is not one of the 46 labels, then a standard that is not one of the five names.
Answer<AreaWeightResult> CalcAreaWeight(const Tables& tables, std::string_view gauge,
                                        std::string_view standard);

}  // namespace ferrovolt
