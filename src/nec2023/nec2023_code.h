// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// NEC 2023 as a code of the circuit check: its fields, rows and trail behind CircuitCode.

#include "check/circuit_code.h"
#include "nec2023/nec2023_check.h"

namespace ferrovolt {

const CircuitCode& nec2023Code();

// The NEC answer of a case of nec2023Code(), for what only that code offers (the conduit
// fill of its conductors); null for a case of another code or one without an answer.
const CircuitAnswer* necAnswer(const CircuitCase& checked);

// A case over an answer already worked out, for the sheet and report of that answer; the
// answer must outlive the case.
std::unique_ptr<CircuitCase> necCase(const CircuitAnswer& answer);

}  // namespace ferrovolt
