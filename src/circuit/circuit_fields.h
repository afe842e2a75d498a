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

namespace ferrovolt {

enum class InputKind { Number, Flag, Choice, Size };

struct CircuitField {
    std::string_view key;     // batch field, schedule column: "max_drop"
    std::string_view option;  // command-line option: "--max-drop"
    InputKind kind;
    std::string_view choices;      // "copper|aluminium" for a choice
    std::string_view defaultText;  // shown in help; "" when there is none
    bool required;
    std::string_view help;
    // Sets the input from its text; the reason when the text is not accepted.
    std::optional<std::string> (*set)(CircuitInputs&, std::string_view text);
};

extern const std::array<CircuitField, 20> kCircuitFields;

const CircuitField* circuitField(std::string_view key);

// A result row's value: absent (JSON null), a number, or a text.
using CircuitValue = std::variant<std::monostate, double, std::string_view>;

struct CircuitRow {
    std::string_view key;      // JSON key and schedule column: "drop_volts"
    std::string_view caption;  // "Voltage drop"
    std::string_view unit;     // "V", or ""
    int decimals;              // numbers are rounded to this many places when written
    CircuitValue (*value)(const CircuitAnswer&);
};

extern const std::array<CircuitRow, 15> kCircuitRows;

// The row that gives a criterion's minimum size ("by_ampacity").
const CircuitRow& criterionRow(Criterion criterion);

// A row's value as the answer writes it: a number rounded to its places with its unit
// ("2.5 V"), a text as it is, "" when the row has no value.
std::string circuitRowText(const CircuitRow& row, const CircuitAnswer& answer);

// A number as the answer writes it: rounded to the row's places, in our own number text.
std::string circuitNumberText(double value, int decimals);

}  // namespace ferrovolt
