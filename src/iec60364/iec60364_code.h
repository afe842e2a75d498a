// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// IEC 60364 as a code of the circuit check: its fields, rows and trail behind CircuitCode.

#include "check/circuit_code.h"
#include "iec60364/iec60364_check.h"

namespace ferrovolt::iec60364 {

const CircuitCode& iec60364Code();

// The answer of a case of iec60364Code(); null for another code's case or one without an
// answer.
const IecAnswer* iecAnswer(const CircuitCase& checked);

}  // namespace ferrovolt::iec60364
