#pragma once

// What each tab offers to the code that reads it as a whole ("Copy results", the tests): its
// inputs in reading order with the heading over each, its Calculate button, and its result
// lines. The result lines are its calculator's rows where the tab shows them as rows; only
// Compare Gauges, whose boxes stand in a block of their own, lists its lines here.
// A test checks every name here against the window, on the tab it is listed for.

#include <array>
#include <span>
#include <string_view>

#include "describe/description.h"

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
    std::span<const TabInput> inputs;  // top to bottom, left to right
    // Result lines "lblCaption_<label>", the label and its unit caption, one per row.
    const CalculatorDescription* rows;
    std::span<const TabResult> results;  // the lines where `rows` is null
};

inline constexpr int kTabTableCount = 6;

// In the order of the window's tabs.
extern const std::array<TabTable, kTabTableCount> kTabTables;

}  // namespace ferrovolt
