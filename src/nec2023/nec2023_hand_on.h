// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What an NEC 2023 answer hands on beyond its own rows: its conductors to the conduit fill,
// and, for a size another calculator gave the same circuit, the warning that the size does
// not carry the current by the code's tables.

#include <optional>
#include <string>
#include <string_view>

#include "check/hand_on.h"
#include "nec2023/nec2023_check.h"

namespace ferrovolt {

// The conduit fill's field texts for the answer's conductors: per set, the phase conductors
// (two for single phase, three for three phase) of the answer's size and the grounding
// conductor the check sized, of a Table 5 type of the insulation's rating; the raceway type of
// the raceway material. The note says what was assumed.
HandOn necFillHandOn(const CircuitAnswer& answer);

// A circuit another calculator sized: its current and length as typed, and the size it gave.
struct SizedCircuit {
    std::string_view current;
    std::string_view length;
    bool feet = false;
    Material material = Material::Copper;
    double volts = 0;
    bool threePhase = false;
    double sizeCmil = 0;  // the size it gave, in circular mils
};

// "Too small for 60 A: at least 6 AWG by ampacity" where the size is smaller than the minimum
// by ampacity the check answers with its own defaults (75 °C insulation, terminals by
// 110.14(C)(1), 30 °C, three conductors); "more than" the largest size where none carries it.
// Nothing when the size carries it, or when the current or the length is refused.
std::optional<std::string> necAmpacityWarning(const SizedCircuit& circuit);

}  // namespace ferrovolt
