#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/answer.h"
#include "tables/tables.h"

namespace ferrovolt {

// A supply text with its voltage and phase factor.
struct Supply {
    std::string_view text;
    float volts;
    float phaseFactor;
};

// The nine supplies, in the order the list offers them.
inline constexpr std::array<Supply, 9> SupplyTable{{
    {"120 Volts 1-phase", 120.0F, 1.0F},
    {"240 Volts 1-phase", 240.0F, 1.0F},
    {"208 Volts 3-phase 3-wire", 208.0F, 0.866F},
    {"120/208 Volts 3-phase 4-wire", 208.0F, 0.5F},
    {"277 Volts 1-phase", 277.0F, 1.0F},
    {"480 Volts 3-phase", 480.0F, 0.866F},
    {"277/480 3-phase 4-wire", 277.0F, 0.5F},
    {"24V DC or 1-phase AC", 24.0F, 1.0F},
    {"48V DC or 1-phase AC", 48.0F, 1.0F},
}};

// The four texts of the Voltage Drop tab.
struct VoltageDropResult {
    std::string lblCMA, lblDrop, lblPCdrop, lblVoltsOut;
    bool operator==(const VoltageDropResult&) const = default;
};

// Drop along a circuit, percent of the supply and volts left at the load. Refuses, in this
// order: length, current, material, supply, gauge.
Answer<VoltageDropResult> CalcVoltageDrop(const Tables& tables, std::string_view length,
                                          bool metres, std::string_view current,
                                          std::string_view material, std::string_view supply,
                                          std::string_view gauge);

}  // namespace ferrovolt
