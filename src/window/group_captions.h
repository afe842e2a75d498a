// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The groups of option buttons show no caption; these name them wherever a name is needed:
// in the copied results and for screen readers.

#include <array>
#include <string_view>

namespace ferrovolt {

struct GroupCaption {
    std::string_view group;
    const char* caption;
};

inline constexpr std::array<GroupCaption, 8> kGroupCaptions{{
    {"Frame1", "Area unit"},
    {"Frame2(0)", "Size unit"},
    {"Frame2(1)", "Fill"},
    {"Frame3", "Temperature unit"},
    {"Frame4", "Length unit"},
    {"Frame5", "Length unit"},
    {"Frame6", "Voltage"},
    {"Frame7", "Phase"},
}};

}  // namespace ferrovolt
