// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inputs every code's circuit check takes in the same words: declared here once, each
// code pairing them with its own setter.

#include <string_view>

#include "check/circuit_code.h"

namespace ferrovolt::fields {

// The window's groups every code has.
inline constexpr std::string_view kCircuitGroup = "Circuit";
inline constexpr std::string_view kInstallationGroup = "Installation";
inline constexpr std::string_view kFaultGroup = "Short circuit and a given size (optional)";

inline constexpr ChoiceText kLengthUnits[] = {{"false", "m"}, {"true", "ft"}};

inline constexpr CheckField kCurrent{
    {"current", "--current", InputKind::Number, "", "", "Design current in amperes"},
    true,
    kCircuitGroup,
    "Design &current:",
    "A",
    {},
    "",
    FieldPlacement::Row,
    0,
    "20"};

inline constexpr CheckField kLength{
    {"length", "--length", InputKind::Number, "", "", "One-way circuit length"},
    true,
    kCircuitGroup,
    "One-way &length:",
    "",
    {},
    "",
    FieldPlacement::Row,
    0,
    "30"};

inline constexpr CheckField kFeet{
    {"feet", "--feet", InputKind::Flag, "", "", "The length is in feet (default metres)"},
    false,
    kCircuitGroup,
    "Length unit",
    "",
    kLengthUnits,
    "",
    FieldPlacement::Beside};

inline constexpr CheckField kClearingTime{{"clearing_time", "--clearing-time", InputKind::Number,
                                           "", "", "Fault clearing time in seconds"},
                                          false,
                                          kFaultGroup,
                                          "Clearin&g time:",
                                          "s"};

}  // namespace ferrovolt::fields
