// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The accepted texts that `ferrovolt-calc list` prints, one per line.

#include <string>
#include <string_view>
#include <vector>

#include "tables/tables.h"

namespace ferrovolt {

// The topics, in the order the help names them.
inline constexpr std::string_view kListTopics[] = {
    "standards", "gauges",      "materials",       "supplies", "conductors",   "conduits",
    "raceways",  "trade-sizes", "fill-conductors", "methods",  "arrangements", "devices"};

// The texts of a topic; the circuit check's choices under IEC 60364 (methods, arrangements,
// devices) as "key: what it is"; conduit sizes in the inch column when `inches`. Empty for an
// unknown topic.
std::vector<std::string> listTexts(const Tables& tables, std::string_view topic, bool inches);

}  // namespace ferrovolt
