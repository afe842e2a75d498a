// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/circuit_sheet.h"

#include "circuit/nec2023_code.h"

namespace ferrovolt {

std::string circuitSheet(const CircuitAnswer& answer) {
    return checkSheet(*necCase(answer));
}

}  // namespace ferrovolt
