// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/fault_inputs.h"

#include <cmath>
#include <string>

namespace ferrovolt {

namespace {

bool positive(double value) {
    return std::isfinite(value) && value > 0;
}

}  // namespace

std::optional<CheckRefusal> faultInputsRefusal(std::optional<double> current,
                                               std::optional<double> clearingTime,
                                               std::optional<double> k, std::string_view method) {
    if (current && !positive(*current))
        return CheckRefusal{"fault_current", "must be more than 0 A"};
    if (current && !clearingTime)
        return CheckRefusal{"clearing_time", "is needed with a fault current"};
    if (clearingTime && !current)
        return CheckRefusal{"fault_current", "is needed with a clearing time"};
    if (clearingTime && (!positive(*clearingTime) || *clearingTime > 5))
        return CheckRefusal{"clearing_time", "must be more than 0 and at most 5 s, the span " +
                                                 std::string(method) + " holds"};
    if (k && !current)
        return CheckRefusal{"k", "is used only with a fault current and a clearing time"};
    if (k && !positive(*k)) return CheckRefusal{"k", "must be more than 0"};
    return std::nullopt;
}

}  // namespace ferrovolt
