// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inputs of a short-circuit check as every code reads them: a fault current and its
// clearing time go together, each more than 0, the time at most 5 s; k only with them.

#include <optional>
#include <string_view>

#include "check/circuit_code.h"

namespace ferrovolt {

// The refusal of fault inputs that do not go together or lie outside that span; `method`
// names what holds for 5 s at most ("the adiabatic method").
std::optional<CheckRefusal> faultInputsRefusal(std::optional<double> current,
                                               std::optional<double> clearingTime,
                                               std::optional<double> k, std::string_view method);

}  // namespace ferrovolt
