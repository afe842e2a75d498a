// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the sizing and the fault-path steps write alike: a refusal, the test of a positive
// input, and the slack by which a value on its limit meets it.

#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "iec60364/iec60364_check.h"
#include "numtext/rounded_number.h"

namespace ferrovolt::iec60364::detail {

inline constexpr double kSlack = 1e-9;  // a value on its limit meets it

inline IecRefusal refuse(std::string_view field, std::string reason) {
    return {field, std::move(reason)};
}

inline bool positive(double value) {
    return std::isfinite(value) && value > 0;
}

}  // namespace ferrovolt::iec60364::detail
