// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a subcommand prints: its result rows as the window shows them ("Diameter : 1.023696
// Millimeters") or the JSON answer, and for a refusal one line naming the option at fault.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "cli/outputs.h"

namespace ferrovolt {

inline constexpr std::string_view kProgram = "ferrovolt-calc";

// The exit statuses of a calculator's subcommand, for its help.
inline constexpr std::string_view kExitStatusHelp =
    "Exit status: 0 results printed; 1 an input was refused (one line on standard error\n"
    "naming the option, or {\"refused\":FIELD} on standard output with --json); 2 bad\n"
    "command-line input (one line on standard error); 3 the output could not be written.";

// An input a calculator may refuse, with the `list` topic of its accepted texts, if any.
struct FieldInput {
    Field field;
    std::string_view value;
    std::string list;
};

// Prints the outcome; returns the exit status (0, or 1 for a refusal).
int report(const Outcome& outcome, bool json, std::span<const FieldInput> inputs, std::ostream& out,
           std::ostream& err);

void printRows(std::ostream& out, const Outputs& outputs);

// A message on one line: what the user typed may hold line breaks or other controls.
std::string oneLine(std::string text);

}  // namespace ferrovolt
