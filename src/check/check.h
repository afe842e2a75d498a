// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every check is to its front ends: the inputs it takes, each described once (a single
// text, or a list of rows); the rows it answers; the trail of tables and rules behind the
// answer; a refusal naming the input at fault (and the row and cell of an input of rows); and
// whether the answer meets what was asked. The command line, batch, the JSON answer and the
// windows set a case through `setCase` (check/set_case.h) and read it back through this
// alone. Sizing a circuit by a code adds its size and criteria over it (check/circuit_code.h).

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "inputs/input_kind.h"

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

// An input of a check: how it is named and read wherever it is given, whether it is required,
// and how the window shows it. Declared with designated initializers (`.key = "max_drop", ...`):
// every member has its default, so a declaration names only what it sets and a flag cannot land
// on the wrong member when one is added.
struct CheckField {
    std::string_view key = {};     // batch member, schedule column: "max_drop"
    std::string_view option = {};  // command-line option: "--max-drop"
    InputKind kind = InputKind::Text;
    std::string_view choices = {};      // the accepted texts of a choice, "|" separated
    std::string_view defaultText = {};  // "" when there is none
    std::string_view help = {};
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
    // An input of rows: given once per row (an option repeated, a JSON array of texts), each
    // text one row; a refusal of one names its row among the rows of every such input.
    bool rows = false;
    // The `ferrovolt-calc list` topic that lists its entries (`shown`), each as its key, or as
    // "key: words" where the words do not begin with the key; "" for none.
    std::string_view list = {};
    // The key the field was given by before it took its own, still read from the command
    // line ("--" and the key), a batch request and a schedule column so that scripts keep
    // working; another code may use it for an input of its own.
    std::string_view alias = {};
    // Where the field applies only while another field reads one of some texts: that field's
    // key, "=", and the texts "|" separated ("load=motor|hvac"); "" where it always applies.
    // A field that does not apply is not shown by a window and is refused where given
    // (command line, batch, schedule), naming the load it applies to; a required one is
    // required only where it applies (check/field_applies.h).
    std::string_view when = {};
};

// A result row's value: absent (JSON null), a number, a text, or yes and no.
using CheckValue = std::variant<std::monostate, double, std::string_view, bool>;

// How a row's value is given: one value, a list of texts, or a list of rows of columns.
enum class RowShape { One, Texts, Table };

// A column of a row shaped as a table.
struct CheckColumn {
    std::string_view key = {};
    int decimals = 0;
    bool rounded = false;  // the JSON answer writes it rounded to its places
};

// A row of the answer: how it is named and shown, and how its value is written. Declared, as the
// fields are, with designated initializers.
struct CheckRow {
    std::string_view key = {};      // stable JSON key: "drop_volts"
    std::string_view caption = {};  // as the window shows it
    std::string_view unit = {};     // unit caption; "" where none is shown
    std::string_view label = {};    // the result label's objectName; "" without a window
    int decimals = 0;               // numbers are rounded to this many places when written
    std::string_view absent = {};   // the text of an absent value ("" leaves the row out)
    bool criterion = false;         // a criterion's minimum size ("by_ampacity")
    bool headline = false;          // the size, shown large; the window leaves it out of the rows
    // The JSON answer writes the number rounded to its places (and as a number with a
    // fraction); otherwise at full precision, and a row of no places as a whole number.
    bool rounded = false;
    RowShape shape = RowShape::One;
    std::span<const CheckColumn> columns = {};  // a table's
    // A key the sheet says in words elsewhere (the criterion that governs is marked among the
    // criteria, the rule that set a minimum is a step of the trail): a report leaves it out.
    bool saidElsewhere = false;
    // The key of the input the row has a value under (a motor's rows follow the load): the
    // JSON answer leaves the row out where it has none, and a schedule has its column only
    // where it has a column for that input, so that answers without it read as they did.
    std::string_view follows = {};
};

// An input the check cannot answer for, named by its key ("ambient", "current", ...); for a
// row of an input of rows, its row (0-based, among the rows of every input of rows in the
// order of the fields) and the cell at fault ("count", "size"; "" for the whole row).
struct CheckRefusal {
    std::string_view field;
    std::string reason;
    int row = -1;
    std::string_view cell = {};
};

// The trail handed one step at a time; the texts last only for the call.
using TrailStepWriter =
    std::function<void(std::string_view step, std::string_view value, std::string_view source)>;

class Check;
class CircuitCase;

// One case of a check: its inputs, set field by field from their texts, and the answer of its
// last check.
class CheckCase {
public:
    virtual ~CheckCase() = default;
    virtual const Check& of() const = 0;

    // Every input back to its default, every input of rows to none.
    virtual void reset() = 0;
    // Sets the check's field (an index into its fields()) from its text, or adds a row to an
    // input of rows; the reason when the text is not accepted.
    virtual std::optional<std::string> set(std::size_t field, std::string_view text) = 0;
    // Checks the inputs as set: the refusal, or nothing and the answer below.
    virtual std::optional<CheckRefusal> check() = 0;

    // The answer of the last check that was not refused.
    virtual CheckValue value(std::size_t row) const = 0;  // an index into the check's rows()
    // A row shaped as a list: how many items it has, and a column of one (0 for a text).
    virtual std::size_t itemCount(std::size_t row) const;
    virtual CheckValue item(std::size_t row, std::size_t index, std::size_t column) const;
    // Whether the answer meets what was asked; nothing where it does not say.
    virtual std::optional<bool> verdict() const { return std::nullopt; }
    // The case as a sizing one (its size, criteria and a given size's failures), for a front
    // end that writes what sizing adds; nothing for a check of another kind.
    virtual const CircuitCase* sizing() const { return nullptr; }
    // A row's text as the answer writes it (checkRowText of its value); a check may say why a
    // value is absent where the row's own absent text cannot.
    virtual std::string rowText(std::size_t row) const;
    // The row's text for a reader: where the row shares its key with a choice input, the
    // entry's words in place of the key ("Circuit-breaker, IEC 60898-1", not "mcb").
    std::string rowWords(std::size_t row) const;
    virtual void writeTrail(const TrailStepWriter& step) const = 0;
    // The answer as the command line prints it, its trail first.
    virtual std::string sheet() const = 0;
};

// The words of a key among a field's entries; nothing when the field has no such entry.
std::optional<std::string_view> choiceWords(const CheckField& field, std::string_view key);
// An input as a sheet words it: an entry's words, a number with its unit, "yes" for a flag
// that is set; "" for an input left empty or a flag left off.
std::string inputWords(const CheckField& field, const std::string& text);

class Check {
public:
    virtual ~Check() = default;
    virtual std::string_view key() const = 0;   // "nec2023", "fill"
    virtual std::string_view name() const = 0;  // "NEC 2023", as the answer names it
    virtual std::string_view help() const = 0;  // what the check applies, for the help
    virtual std::span<const CheckField> fields() const = 0;
    virtual std::span<const CheckRow> rows() const = 0;
    virtual std::unique_ptr<CheckCase> newCheckCase() const = 0;

    // The field of a key, by index into fields(); nothing when the check has none.
    std::optional<std::size_t> fieldIndex(std::string_view key) const;
    // The index of one of fields()' own declarations; nothing for another's, even of its key.
    std::optional<std::size_t> indexOf(const CheckField& field) const;
    // The field a key gives: the field of that key, else the one that still takes it as the
    // key it was given by before (its `alias`).
    std::optional<std::size_t> fieldOfKey(std::string_view key) const;
    const CheckField* field(std::string_view key) const;
    std::optional<std::size_t> rowIndex(std::string_view key) const;
};

// A row's value as the answer writes it: a number rounded to its places with its unit
// ("2.5 V"), a text as it is, the row's `absent` text when it has no value.
std::string checkRowText(const CheckRow& row, const CheckValue& value);

}  // namespace ferrovolt
