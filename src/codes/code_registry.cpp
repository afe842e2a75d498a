// SPDX-License-Identifier: GPL-3.0-or-later
// The codes the circuit check applies. A new code adds itself here, and nowhere else.

#include "codes/code_registry.h"

#include <array>

#include "iec60364/iec60364_code.h"
#include "nec2023/nec2023_code.h"
#include "numtext/words.h"

namespace ferrovolt {

std::span<const CircuitCode* const> circuitCodes() {
    static const std::array<const CircuitCode*, 2> codes = {&nec2023Code(),
                                                            &iec60364::iec60364Code()};
    return codes;
}

const CircuitCode* circuitCode(std::string_view key) {
    for (const CircuitCode* code : circuitCodes())
        if (sameWord(code->key(), trimmed(key))) return code;
    return nullptr;
}

const CircuitCode& defaultCircuitCode() {
    return *circuitCodes().front();
}

}  // namespace ferrovolt
