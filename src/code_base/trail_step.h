// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ferrovolt {

// One line of a check's trail, under every code and check: what was done, its result, and
// the table or rule it rests on.
struct TrailStep {
    std::string step;
    std::string value;
    std::string source;
};

}  // namespace ferrovolt
