#include "calc/circuit_inputs.h"

#include <cmath>
#include <cstddef>

#include "numtext/number_text.h"

namespace ferrovolt {

std::variant<CircuitInputs, Refusal> readCircuitInputs(const Tables& tables,
                                                       std::string_view length, bool metres,
                                                       std::string_view current,
                                                       std::string_view material) {
    // Empty, not a number, negative or beyond range: all refused like an empty field.
    const std::optional<float> l = readSingle(length);
    if (!l || *l < 0) return Refusal{Field::Length};
    const std::optional<double> i = readDouble(current);
    if (!i || *i < 0) return Refusal{Field::Current};
    const std::optional<int> row = materialRowOfName(tables, material);
    if (!row) return Refusal{Field::Material};

    CircuitInputs in{};
    in.resistivity = readBackSingle(tables.MaterialTable[static_cast<std::size_t>(*row)][1]);
    in.lengthFeet = *l;
    if (metres) in.lengthFeet = static_cast<float>(static_cast<double>(*l) * 3.281);
    if (!std::isfinite(in.lengthFeet)) return Refusal{Field::Length};
    in.current = *i;
    return in;
}

}  // namespace ferrovolt
