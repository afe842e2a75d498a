// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "calc/answer.h"
#include "tables/supply_tables.h"
#include "tables/tables.h"

namespace ferrovolt {

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
