// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a shell needs to complete a command line of ferrovolt-calc: its commands, each with
// its options, their descriptions and, where an option or argument takes one of a fixed set
// of texts, that set. Read from the CLI11 app itself, so a command added there is completed
// without a change here.

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace ferrovolt {

struct CompletionOption {
    std::vector<std::string> names;  // "--gauge", "-h"
    std::string description;
    bool takesValue = false;
    std::vector<std::string> choices;  // empty: any text
};

struct CompletionCommand {
    std::string name;  // empty for the program itself
    std::string description;
    std::vector<CompletionOption> options;
    std::vector<std::string> argumentChoices;  // of its positional argument, if any
};

struct CompletionModel {
    std::string program;
    std::vector<CompletionCommand> commands;  // the program first, then its subcommands
};

CompletionModel readCompletionModel(const CLI::App& app);

// The completion scripts, one per shell.
std::string bashCompletion(const CompletionModel& model);
std::string zshCompletion(const CompletionModel& model);
std::string fishCompletion(const CompletionModel& model);

}  // namespace ferrovolt
