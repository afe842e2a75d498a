// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_model.h"

#include <CLI/CLI.hpp>

namespace ferrovolt {

namespace {

// A check made of a fixed set describes itself as "{a,b,c}" in the option's type name.
std::vector<std::string> choicesOf(const std::string& typeName) {
    const auto open = typeName.find('{');
    const auto close = typeName.rfind('}');
    if (open == std::string::npos || close == std::string::npos || close < open) return {};
    std::vector<std::string> choices;
    std::string current;
    for (std::size_t i = open + 1; i < close; ++i) {
        if (typeName[i] == ',') {
            choices.push_back(current);
            current.clear();
        } else {
            current += typeName[i];
        }
    }
    choices.push_back(current);
    return choices;
}

CompletionCommand readCommand(const CLI::App& app, std::string name) {
    CompletionCommand command{std::move(name), app.get_description(), {}, {}};
    for (const CLI::Option* option : app.get_options()) {
        if (!option->nonpositional()) {
            if (command.argumentChoices.empty())
                command.argumentChoices = choicesOf(option->get_type_name());
            continue;
        }
        CompletionOption entry;
        for (const std::string& l : option->get_lnames()) entry.names.push_back("--" + l);
        for (const std::string& s : option->get_snames()) entry.names.push_back("-" + s);
        entry.description = option->get_description();
        entry.takesValue = option->get_type_size() != 0 && option->get_expected_min() > 0;
        if (entry.takesValue) entry.choices = choicesOf(option->get_type_name());
        command.options.push_back(std::move(entry));
    }
    return command;
}

}  // namespace

CompletionModel readCompletionModel(const CLI::App& app) {
    CompletionModel model{app.get_name(), {}};
    model.commands.push_back(readCommand(app, {}));
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
        model.commands.push_back(readCommand(*sub, sub->get_name()));
    return model;
}

}  // namespace ferrovolt
