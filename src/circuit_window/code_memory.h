// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The wiring code the Circuit Check window was last set to, kept in the user's settings so
// that the next window, in this run or the next, opens with it.

#include "check/circuit_code.h"

namespace ferrovolt {

// The code last remembered; the default code when none is, or when it is no longer known.
const CircuitCode& rememberedCircuitCode();

void rememberCircuitCode(const CircuitCode& code);

}  // namespace ferrovolt
