// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuit check as a short calculation sheet in plain text: the trail, step by step with
// its sources, then the result rows. The command line prints it; a window or a report can
// show the same text.

#include <string>
#include <string_view>

#include "circuit/circuit_check.h"

namespace ferrovolt {

inline constexpr std::string_view kCircuitDisclaimer =
    "This result supports, and does not replace, the judgement of the person responsible "
    "under the local code.";

std::string circuitSheet(const CircuitAnswer& answer);

}  // namespace ferrovolt
