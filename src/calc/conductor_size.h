#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/answer.h"
#include "tables/tables.h"

namespace ferrovolt {

// The permitted drop in volts for the tag text of a nominal voltage.
struct DropLimit {
    std::string_view tag;
    float volts;
};

// 415 V and 480 V permit 14 V and 16 V, not 4 % of their voltage.
inline constexpr std::array<DropLimit, 6> DropLimitTable{{
    {"120", 4.8F},
    {"208", 8.32F},
    {"240", 9.6F},
    {"277", 11.0F},
    {"415", 14.0F},
    {"480", 16.0F},
}};

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
