// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inputs of every code of the circuit check, as the command line, batch and the schedule
// take them: once by key, whichever code declares it.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/circuit_code.h"

namespace ferrovolt {

// Every code's fields, each key once, in the order the codes declare them (the default
// code's first).
std::span<const CheckField* const> everyCircuitField();

// The refusal of an input the code does not take: "is not an input under …".
CheckRefusal notOfCode(const Check& code, std::string_view key);

// The refusal of a code that is not one of the registry's.
CheckRefusal unknownCode(std::string_view text);

// A case of the check at its defaults, kept for the next of the same check: a schedule or a
// batch of many circuits makes one case per code.
CheckCase& freshCheckCase(const Check& check);
CircuitCase& freshCase(const CircuitCode& code);

}  // namespace ferrovolt
