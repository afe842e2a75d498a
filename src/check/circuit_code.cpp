// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/circuit_code.h"

#include "check/check_sheet.h"

namespace ferrovolt {

const Check& CircuitCase::of() const {
    return code();
}

std::optional<bool> CircuitCase::verdict() const {
    if (!hasVerdict()) return std::nullopt;
    return fails().empty();
}

std::string CircuitCase::sheet() const {
    return checkSheet(*this);
}

}  // namespace ferrovolt
