// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/drop_circuit.h"

#include <cmath>
#include <cstddef>

#include "calc/units.h"
#include "numtext/number_text.h"

namespace ferrovolt {

namespace {

// A minus sign before any digit other than 0: negative as typed, even where the value is
// too small for its precision and reads as -0.
bool negativeText(std::string_view text) {
    return !text.empty() && text[0] == '-' &&
           text.find_first_of("123456789") != std::string_view::npos;
}

}  // namespace

std::variant<DropCircuit, Refusal> readDropCircuit(const Tables& tables, std::string_view length,
                                                   bool metres, std::string_view current,
                                                   std::string_view material) {
    // Empty, not a number, negative or beyond range: all refused like an empty field.
    const std::optional<float> l = readSingle(length);
    if (!l) return unreadableNumber(Field::Length, length);
    if (*l < 0 || negativeText(length)) return Refusal{Field::Length, Reason::Negative};
    const std::optional<double> i = readDouble(current);
    if (!i) return unreadableNumber(Field::Current, current);
    if (*i < 0 || negativeText(current)) return Refusal{Field::Current, Reason::Negative};
    const std::optional<int> row = materialRowOfName(tables, material);
    if (!row) return Refusal{Field::Material};

    DropCircuit in{};
    in.resistivity = materialValue(tables, *row, 1);
    in.lengthFeet = *l;
    if (metres) in.lengthFeet = static_cast<float>(static_cast<double>(*l) * kFeetPerMetre);
    if (!std::isfinite(in.lengthFeet)) return Refusal{Field::Length, Reason::TooLarge};
    in.current = *i;
    return in;
}

}  // namespace ferrovolt
