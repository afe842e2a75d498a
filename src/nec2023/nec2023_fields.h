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

#include "check/circuit_code.h"
#include "nec2023/nec2023_check.h"

namespace ferrovolt {

// An input of the code's check; the check refuses by key and reason, so none names a `Field`.
struct CircuitField : CheckField {
    // Sets the input from its text; the reason when the text is not accepted.
    std::optional<std::string> (*set)(CircuitInputs&, std::string_view text);
};

inline constexpr std::size_t kCircuitFieldCount = 46;
extern const std::array<CircuitField, kCircuitFieldCount> kCircuitFields;

// The field of a key, or of the key it was given by before.
const CircuitField* circuitField(std::string_view key);

using CircuitValue = CheckValue;

struct CircuitRow : CheckRow {
    CircuitValue (*value)(const CircuitAnswer&);
};

inline constexpr std::size_t kCircuitRowCount = 27;
extern const std::array<CircuitRow, kCircuitRowCount> kCircuitRows;

// The row that gives a criterion's minimum size ("by_ampacity").
const CircuitRow& criterionRow(Criterion criterion);

// A row's value as the answer writes it: a number rounded to its places with its unit
// ("2.5 V"), a text as it is, the row's `absent` text when it has no value.
inline std::string circuitRowText(const CircuitRow& row, const CircuitAnswer& answer) {
    return checkRowText(row, row.value(answer));
}

}  // namespace ferrovolt
