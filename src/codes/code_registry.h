// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The codes the circuit check applies, above every code: a front end asks here which codes
// there are; the interface below knows none of them.

#include <span>
#include <string_view>

#include "check/circuit_code.h"

namespace ferrovolt {

// Every code, the default (NEC 2023) first.
std::span<const CircuitCode* const> circuitCodes();
const CircuitCode* circuitCode(std::string_view key);  // by key, case aside
const CircuitCode& defaultCircuitCode();

}  // namespace ferrovolt
