// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuit that the voltage drop and the conductor sizing tabs check and prepare alike;
// the circuit check takes its own, `CircuitInputs` (nec2023/nec2023_check.h).

#include <string_view>
#include <variant>

#include "calc/answer.h"
#include "tables/tables.h"

namespace ferrovolt {

struct DropCircuit {
    float resistivity;  // microhm-centimetres at 20 C
    float lengthFeet;   // one way
    double current;     // amperes
};

// Checks length, current and material in that order and prepares them: the length in feet
// (metres times 3.281, held single), the material's resistivity as single.
std::variant<DropCircuit, Refusal> readDropCircuit(const Tables& tables, std::string_view length,
                                                   bool metres, std::string_view current,
                                                   std::string_view material);

}  // namespace ferrovolt
