// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each tab offers to the code that reads it as a whole ("Copy results", the tests): its
// inputs in reading order with the heading over each, its Calculate button, and its result
// lines. The inputs come from the tab's table of controls and the result lines from its
// calculator's rows; only Compare Gauges, whose gauge box and result boxes stand apart, lists
// its own. A test checks every name here against the window, on the tab it is listed for.

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "describe/description.h"
#include "window/control_table.h"

namespace ferrovolt {

// An input; a group of option buttons has no heading.
struct TabInput {
    std::string_view control;
    std::string_view heading;
};

// A result line that is not a row line: the result, its caption, and its unit ("" for none).
struct TabResult {
    std::string_view result;
    std::string_view caption;
    std::string_view unit;
};

struct TabTable {
    std::string_view calculate;  // the Calculate button; "" where the tab calculates as it changes
    std::span<const ControlRow> controls;  // the tab's table of input controls
    // The fields and groups of `controls` top to bottom, left to right, where that is not the
    // order of their rows.
    std::span<const std::string_view> reading;
    std::span<const TabInput> inputs;  // without `controls`: the inputs in reading order
    // Result lines "lblCaption_<label>", the label and its unit caption, one per row.
    const CalculatorDescription* rows;
    std::span<const TabResult> results;  // the lines where `rows` is null
};

inline constexpr int kTabTableCount = 6;

// In the order of the window's tabs.
extern const std::array<TabTable, kTabTableCount> kTabTables;

// The inputs of a tab in reading order: its fields with their headings and its groups.
std::vector<TabInput> readingInputs(const TabTable& table);

}  // namespace ferrovolt
