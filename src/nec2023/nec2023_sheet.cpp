// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec2023/nec2023_sheet.h"

#include "nec2023/nec2023_code.h"

namespace ferrovolt {

std::string circuitSheet(const CircuitAnswer& answer) {
    return checkSheet(*necCase(answer));
}

}  // namespace ferrovolt
