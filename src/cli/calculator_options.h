// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A calculator's subcommand in the program's one CLI11 app: its options made from the
// command's description, and the run that prints the answer or names the refused option.

#include <array>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "cli/subcommand.h"

namespace CLI {
class App;
class Option;
class Validator;
}  // namespace CLI

namespace ferrovolt {

class CalculatorOptions final : public Subcommand {
public:
    // Adds the subcommand; the choices of an input that names a `list` topic are that
    // topic's texts, read from `tables`.
    CalculatorOptions(CLI::App& app, const Command& command, const Tables& tables, bool& json);
    CalculatorOptions(const CalculatorOptions&) = delete;
    CalculatorOptions& operator=(const CalculatorOptions&) = delete;

    bool parsed() const override;
    // Prints the answer, or one line naming the refused option; returns the exit status.
    int run(const CommandRun& run) const override;

private:
    const Command& m_command;
    const bool& m_json;
    CLI::App* m_app;
    std::array<std::string, kMaxInputs> m_texts;
    std::array<bool, kMaxInputs> m_flags{};
    std::array<CLI::Option*, kMaxInputs> m_options{};
};

// The accepted texts of a "|" separated list of choices.
std::vector<std::string> splitChoices(std::string_view choices);

// A choice among fixed texts for CLI11; the error names every accepted text.
CLI::Validator oneOf(std::vector<std::string> choices);

}  // namespace ferrovolt
