// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A checked circuit as a short calculation sheet in plain text: the trail, step by step with
// its sources, then the result rows. The command line prints it; the window copies it.

#include <string>
#include <string_view>

#include "check/circuit_code.h"

namespace ferrovolt {

inline constexpr std::string_view kCircuitDisclaimer =
    "This result supports, and does not replace, the judgement of the person responsible "
    "under the local code.";

// The sheet of the case's last answer.
std::string checkSheet(const CircuitCase& checked);

// For a given size: "yes", or "no (fails voltage drop, short circuit)".
std::string verdictText(const CircuitCase& checked);

}  // namespace ferrovolt
