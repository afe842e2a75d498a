// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calculator_options.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/command_output.h"
#include "cli/list_texts.h"

namespace ferrovolt {

namespace {

std::string joined(const std::vector<std::string>& texts, std::string_view separator) {
    std::string all;
    for (const std::string& text : texts) {
        if (!all.empty()) all.append(separator);
        all += text;
    }
    return all;
}

}  // namespace

std::vector<std::string> splitChoices(std::string_view choices) {
    std::vector<std::string> texts;
    while (!choices.empty()) {
        const auto bar = choices.find('|');
        texts.emplace_back(choices.substr(0, bar));
        choices = bar == std::string_view::npos ? std::string_view() : choices.substr(bar + 1);
    }
    return texts;
}

CLI::Validator oneOf(std::vector<std::string> choices) {
    const std::string accepted = joined(choices, ", ");
    return CLI::Validator(
        [choices = std::move(choices), accepted](std::string& value) -> std::string {
            if (std::find(choices.begin(), choices.end(), value) != choices.end()) return {};
            return "\"" + value + "\" is not one of: " + accepted;
        },
        "{" + joined(choices, ",") + "}");
}

CalculatorOptions::CalculatorOptions(CLI::App& app, const Command& command, const Tables& tables,
                                     bool& json)
    : m_command(command), m_json(json) {
    const CalculatorDescription& calculator = command.description();
    m_app = app.add_subcommand(std::string(calculator.command), std::string(calculator.summary));
    m_app->add_flag("--json", json, "Print one JSON object instead of the rows");
    m_app->footer(std::string(kExitStatusHelp));
    for (std::size_t i = 0; i < calculator.inputs.size(); ++i) {
        const InputDescription& input = calculator.inputs[i];
        const std::string name(input.option);
        std::string help(input.help);
        if (input.kind == InputKind::Flag) {
            m_options[i] = m_app->add_flag(name, m_flags[i], help);
            continue;
        }
        if (!input.list.empty() && input.kind != InputKind::Choice)
            help.append(" (list ").append(input.list).append(")");
        m_texts[i] = input.defaultText;
        CLI::Option* option = m_app->add_option(name, m_texts[i], help);
        if (!input.defaultText.empty()) option->capture_default_str();
        if (input.kind == InputKind::Choice)
            option->check(oneOf(input.choices.empty() ? listTexts(tables, input.list, false)
                                                      : splitChoices(input.choices)));
        m_options[i] = option;
    }
}

bool CalculatorOptions::parsed() const {
    return m_app->parsed();
}

int CalculatorOptions::run(const CommandRun& given) const {
    const Tables& tables = given.tables;
    const bool json = m_json;
    std::ostream& out = given.out;
    std::ostream& err = given.err;
    const CalculatorDescription& calculator = m_command.description();
    Inputs inputs(calculator);
    std::array<std::string_view, kMaxInputs> texts{};
    for (std::size_t i = 0; i < calculator.inputs.size(); ++i) {
        const InputDescription& input = calculator.inputs[i];
        inputs.setFlag(i, m_flags[i]);
        texts[i] = m_options[i]->count() != 0 ? std::string_view(m_texts[i])
                                              : m_command.defaultText(input, inputs);
        inputs.setText(i, texts[i]);
    }
    std::vector<FieldInput> refusable;
    for (std::size_t i = 0; i < calculator.inputs.size(); ++i) {
        const InputDescription& input = calculator.inputs[i];
        if (input.field)
            refusable.push_back({*input.field, texts[i], m_command.listHint(input, inputs)});
    }
    return report(m_command.compute(tables, inputs), json, refusable, out, err);
}

}  // namespace ferrovolt
