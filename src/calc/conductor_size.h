// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "calc/answer.h"
#include "tables/supply_tables.h"
#include "tables/tables.h"

namespace ferrovolt {

// The four texts of the Conductor Sizing tab.
struct ConductorSizeResult {
    std::string lblCmils, lblMinAWG, lblMinMetric, lblNomMetric;
    bool operator==(const ConductorSizeResult&) const = default;
};

// Smallest AWG or kcmil conductor and nominal metric size that keep the drop within the
// limit of the voltage. Refuses, in this order: length, current, material, volts.
Answer<ConductorSizeResult> CalcConductorSize(const Tables& tables, std::string_view length,
                                              bool metres, std::string_view current,
                                              std::string_view material, bool singlePhase,
                                              std::string_view volts);

}  // namespace ferrovolt
