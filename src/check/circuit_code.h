// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A code's circuit check as every front end sees it: the inputs it takes, each described
// once; the rows it answers; and the trail of tables and rules behind the answer. The
// command line, batch, the schedule, the JSON answer, the calculation sheet, the Circuit
// Check window and its PDF are written against this alone. A code plugs in by implementing
// `CircuitCode` and `CircuitCase` over its own inputs, tables and rules, and by adding itself
// to `circuitCodes()` (check/code_registry.cpp).

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "check/origin.h"
#include "describe/description.h"

namespace ferrovolt {

// One accepted text of a choice, the words a window shows for it, and a tip where the words
// are shortened.
struct ChoiceText {
    std::string_view key;
    std::string_view shown;
    std::string_view tip = {};
};

// How the window lays an input out.
enum class FieldPlacement {
    Row,     // a row of its own: caption, control, unit
    Beside,  // in the unit column of the row before it (the length's unit, the family)
    Check,   // a check box across the control and unit columns
};

// An input of a code's check: its key, option, kind, choices, default and help as every
// calculator's, and how the window shows it.
struct CheckField : InputDescription {
    bool required = false;
    std::string_view group = {};    // the window's group box: "Circuit", "Installation", ...
    std::string_view caption = {};  // with its mnemonic: "Design &current:"
    std::string_view unit = {};     // "A", "°C"; "" for none
    // A choice's entries in the window, in order (a flag's, "false" and "true", shown as a
    // list); a size's, the code's sizes, after the entry for none.
    std::span<const ChoiceText> shown = {};
    std::string_view placeholder = {};  // the text of an empty optional input
    FieldPlacement placement = FieldPlacement::Row;
    int maximum = 0;  // a whole number counted in a spin box from 1 to this; 0: a text field
    std::string_view initial = {};  // the window's first text where there is no default
};

// A result row's value: absent (JSON null), a number, or a text.
using CheckValue = std::variant<std::monostate, double, std::string_view>;

struct CheckRow : RowDescription {
    int decimals = 0;              // numbers are rounded to this many places when written
    std::string_view absent = {};  // the text of an absent value ("" leaves the row out)
    bool criterion = false;        // a criterion's minimum size ("by_ampacity")
    bool headline = false;         // the size, shown large; the window leaves it out of the rows
};

// An input the check cannot answer for, named by its key ("ambient", "current", ...).
struct CheckRefusal {
    std::string_view field;
    std::string reason;
};

// A criterion as the answer names it: "voltage_drop", "voltage drop".
struct CriterionText {
    std::string_view key;
    std::string_view name;
};

// The trail handed one step at a time; the texts last only for the call.
using TrailStepWriter =
    std::function<void(std::string_view step, std::string_view value, std::string_view source)>;

class CircuitCode;

// One circuit under a code: its inputs, set field by field from their texts, and the answer
// of its last check.
class CircuitCase {
public:
    virtual ~CircuitCase() = default;
    virtual const CircuitCode& code() const = 0;

    // Every input back to its default.
    virtual void reset() = 0;
    // Sets the code's field (an index into its fields()) from its text; the reason when the
    // text is not accepted.
    virtual std::optional<std::string> set(std::size_t field, std::string_view text) = 0;
    // Checks the inputs as set: the refusal, or nothing and the answer below.
    virtual std::optional<CheckRefusal> check() = 0;

    // The answer of the last check that was not refused.
    virtual CheckValue value(std::size_t row) const = 0;  // an index into the code's rows()
    virtual std::string_view sizeLabel() const = 0;
    virtual std::size_t governingRow() const = 0;  // the criterion row that set the size
    virtual bool sizeGiven() const = 0;
    // Whether the answer says if it meets every criterion (meets_all): for a given size, and
    // where a code can find no size that meets one.
    virtual bool hasVerdict() const { return sizeGiven(); }
    virtual std::vector<CriterionText> fails() const = 0;  // the criteria it does not meet
    // A row's text as the answer writes it (checkRowText of its value); a code may say why a
    // value is absent where the row's own absent text cannot.
    virtual std::string rowText(std::size_t row) const;
    // The row's text for a reader: where the row shares its key with a choice input, the
    // entry's words in place of the key ("Circuit-breaker, IEC 60898-1", not "mcb").
    std::string rowWords(std::size_t row) const;
    virtual void writeTrail(const TrailStepWriter& step) const = 0;

    // The installation tree: what the point the cable leaves gives it (its maximum fault
    // current for the short-circuit withstand, its loop as Ze, the drop so far against the
    // limit from the origin), taken at the next check; nothing for a circuit alone.
    virtual void setOrigin(const std::optional<Origin>& origin) { (void)origin; }
    // What the last checked answer hands on at the cable's far end; nothing without an origin
    // or an answer.
    virtual std::optional<CableEnd> atEnd() const { return std::nullopt; }
};

// The words of a key among a field's entries; nothing when the field has no such entry.
std::optional<std::string_view> choiceWords(const CheckField& field, std::string_view key);

class CircuitCode {
public:
    virtual ~CircuitCode() = default;
    virtual std::string_view key() const = 0;   // "nec2023", as --code and batch write it
    virtual std::string_view name() const = 0;  // "NEC 2023", as the answer names it
    virtual std::string_view help() const = 0;  // what the check applies, for the help
    virtual std::span<const CheckField> fields() const = 0;
    virtual std::span<const CheckRow> rows() const = 0;
    virtual std::unique_ptr<CircuitCase> newCase() const = 0;

    // The field of a key, by index into fields(); nothing when the code has none.
    std::optional<std::size_t> fieldIndex(std::string_view key) const;
    const CheckField* field(std::string_view key) const;
    std::optional<std::size_t> rowIndex(std::string_view key) const;
};

// Every code, the default (NEC 2023) first.
std::span<const CircuitCode* const> circuitCodes();
const CircuitCode* circuitCode(std::string_view key);  // by key, case aside
const CircuitCode& defaultCircuitCode();

// A row's value as the answer writes it: a number rounded to its places with its unit
// ("2.5 V"), a text as it is, the row's `absent` text when it has no value.
std::string checkRowText(const CheckRow& row, const CheckValue& value);

// A number as the answer writes it: rounded to the row's places, in our own number text.
std::string checkNumberText(double value, int decimals);

}  // namespace ferrovolt
