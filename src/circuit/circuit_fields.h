// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the circuit check takes and what it answers, declared once. The command-line options,
// the batch request's fields, the schedule's columns, the JSON keys and the calculation
// sheet's rows are all made from these two lists.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "circuit/circuit_check.h"
#include "describe/description.h"

namespace ferrovolt {

// An input described like every calculator's; the circuit check refuses by key and reason,
// so none names a `Field`.
struct CircuitField : InputDescription {
    bool required;
    // Sets the input from its text; the reason when the text is not accepted.
    std::optional<std::string> (*set)(CircuitInputs&, std::string_view text);
};

extern const std::array<CircuitField, 24> kCircuitFields;

const CircuitField* circuitField(std::string_view key);

// A result row's value: absent (JSON null), a number, or a text.
using CircuitValue = std::variant<std::monostate, double, std::string_view>;

// A result row described like every calculator's (no window shows it yet, so no label).
struct CircuitRow : RowDescription {
    int decimals;  // numbers are rounded to this many places when written
    CircuitValue (*value)(const CircuitAnswer&);
    std::string_view absent = {};  // the text of an absent value ("" leaves the row out)
};

extern const std::array<CircuitRow, 18> kCircuitRows;

// The row that gives a criterion's minimum size ("by_ampacity").
const CircuitRow& criterionRow(Criterion criterion);

// A row's value as the answer writes it: a number rounded to its places with its unit
// ("2.5 V"), a text as it is, the row's `absent` text when it has no value.
std::string circuitRowText(const CircuitRow& row, const CircuitAnswer& answer);

// A number as the answer writes it: rounded to the row's places, in our own number text.
std::string circuitNumberText(double value, int decimals);

}  // namespace ferrovolt
