// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a calculator is, declared once: the inputs it takes and the result rows it answers.
// The command line's options, the batch reader, the help texts, the JSON keys and the window's
// captions are all made from these declarations, so adding an input or a result row is a
// change in one place.

#include <optional>
#include <span>
#include <string_view>

#include "calc/answer.h"
#include "inputs/input_kind.h"

namespace ferrovolt {

struct InputDescription {
    std::string_view key;     // batch field, schedule column: "max_drop"
    std::string_view option;  // command-line option: "--max-drop"
    InputKind kind;
    std::string_view choices;      // the accepted texts of a choice, "|" separated
    std::string_view defaultText;  // the window's initial input; "" when there is none
    std::string_view help;
    std::optional<Field> field =
        {};                      // the refusal that names this input, if the calculator refuses it
    std::string_view list = {};  // the `ferrovolt-calc list` topic of its accepted texts, or ""
    // How a batch request gives it, where that differs from `key` and `kind`:
    // "three_phase (bool)" for the phase choice.
    std::string_view request = {};
};

struct RowDescription {
    std::string_view key;      // stable JSON key: "drop_volts"
    std::string_view caption;  // exactly as the window shows it: "Voltage Drop across Cable :"
    std::string_view unit;     // unit caption; "" where the window shows none
    std::string_view label;    // the result label's objectName: "lblDrop"; "" without a window
};

struct CalculatorDescription {
    std::string_view command;  // the `ferrovolt-calc` subcommand: "drop"
    std::string_view request;  // the batch request's "calc": "voltage_drop"
    std::string_view summary;  // one line for the help
    std::span<const InputDescription> inputs;
    std::span<const RowDescription> rows;
};

// The caption without the colon the window puts after it: "Voltage Drop across Cable".
constexpr std::string_view plainCaption(const RowDescription& row) {
    std::string_view caption = row.caption;
    if (caption.ends_with(" :")) caption.remove_suffix(2);
    return caption;
}

}  // namespace ferrovolt
