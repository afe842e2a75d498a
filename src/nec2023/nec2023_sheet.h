// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The NEC circuit check's calculation sheet (check/check_sheet.h) of an answer.

#include <string>

#include "check/check_sheet.h"
#include "nec2023/nec2023_check.h"

namespace ferrovolt {

std::string circuitSheet(const CircuitAnswer& answer);

}  // namespace ferrovolt
