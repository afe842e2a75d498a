// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The supplies of the Voltage Drop tab and the drop limits of the Conductor Sizing tab, with
// the checks that a text names one of them.

#include <array>
#include <string_view>

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

// The permitted drop in volts for the tag text of a nominal voltage.
struct DropLimit {
    std::string_view tag;
    float volts;
};

// 4 % of the voltage; 415 V and 480 V permit 14 V and 16 V, not 4 % of their voltage.
inline constexpr std::array<DropLimit, 6> DropLimitTable{{
    {"120", 4.8F},
    {"208", 8.32F},
    {"240", 9.6F},
    {"277", 11.0F},
    {"415", 14.0F},
    {"480", 16.0F},
}};

// The supply whose text is exactly `text`; null when none is.
constexpr const Supply* findSupply(std::string_view text) {
    for (const Supply& supply : SupplyTable)
        if (supply.text == text) return &supply;
    return nullptr;
}

// The drop limit whose tag is exactly `tag`; null when none is.
constexpr const DropLimit* findDropLimit(std::string_view tag) {
    for (const DropLimit& limit : DropLimitTable)
        if (limit.tag == tag) return &limit;
    return nullptr;
}

}  // namespace ferrovolt
