// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/circuit_command.h"

#include <algorithm>
#include <ostream>

#include <CLI/CLI.hpp>

#include "check/check_sheet.h"
#include "check/common_fields.h"
#include "check/set_case.h"
#include "cli/circuit_json.h"
#include "cli/cli_app.h"
#include "cli/code_fields.h"
#include "cli/command_output.h"
#include "cli/schedule.h"
#include "codes/code_registry.h"

namespace ferrovolt {

namespace {

// The codes, what each applies, and the exit statuses.
std::string circuitFooter() {
    std::string help;
    for (const CircuitCode* code : circuitCodes()) {
        if (!help.empty()) help += "\n\nWith --code " + std::string(code->key()) + ": ";
        help += code->help();
    }
    return help +
           "\nExit status: 0 answered; 1 an input was refused (one line on standard error naming\n"
           "the option and the reason, or {\"refused\":FIELD,\"reason\":TEXT} with --json); 2 bad\n"
           "command-line input; 3 the output could not be written.";
}

// The field of an option under a code: its own, or the one that still takes it by its older
// key.
const CheckField* fieldOfOption(const CircuitCode& code, std::string_view key) {
    const std::optional<std::size_t> index = code.fieldOfKey(key);
    return index ? &code.fields()[*index] : nullptr;
}

// The accepted texts of an option under every code that has it as a choice; none when a
// code reads it otherwise (IEC 60364's --device is a kind, NEC 2023 reads it as its rating).
std::vector<std::string> choicesOf(std::string_view key) {
    std::vector<std::string> choices;
    for (const CircuitCode* code : circuitCodes()) {
        const CheckField* field = fieldOfOption(*code, key);
        if (field == nullptr) continue;
        if (field->kind != InputKind::Choice) return {};
        std::string_view rest = field->choices;
        while (!rest.empty()) {
            const auto bar = rest.find('|');
            std::string choice(rest.substr(0, bar));
            if (std::find(choices.begin(), choices.end(), choice) == choices.end())
                choices.push_back(std::move(choice));
            rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
        }
    }
    if (key == keys::kMaterial || key == keys::kRaceway) choices.emplace_back("aluminum");
    return choices;
}

// The option's help under each code that has it, the default code's first.
std::string optionHelp(std::string_view key) {
    std::string help;
    for (const CircuitCode* code : circuitCodes()) {
        const CheckField* field = fieldOfOption(*code, key);
        if (field == nullptr) continue;
        std::string text(field->help);
        if (field->key != key)
            text = "The same as " + std::string(field->option) + " (kept for scripts)";
        else if (!field->defaultText.empty())
            text += " (default " + std::string(field->defaultText) + ")";
        if (help == text) continue;
        if (code != &defaultCircuitCode()) text = std::string(code->key()) + ": " + text;
        (help += help.empty() ? "" : "; ") += text;
    }
    return help;
}

// Required where every code requires it; the code refuses the rest.
bool requiredByEvery(std::string_view key) {
    for (const CircuitCode* code : circuitCodes()) {
        const CheckField* field = fieldOfOption(*code, key);
        if (field == nullptr || !requiredAlways(*field)) return false;
    }
    return true;
}

std::string codeKeys() {
    std::string keys;
    for (const CircuitCode* code : circuitCodes())
        (keys += keys.empty() ? "" : ", ") += code->key();
    return keys;
}

// The schedule's columns are the batch fields of the circuit check's inputs.
std::string scheduleFooter() {
    std::string help = "The first row names the inputs, one column each, by the names batch uses:";
    std::size_t lineStart = 0;
    for (const CheckField* field : everyCircuitField()) {
        if (help.size() - lineStart + field->key.size() + 2 > 88) {
            help += '\n';
            lineStart = help.size();
        } else {
            help += ' ';
        }
        help.append(field->key).append(",");
    }
    help.back() = '.';
    return help + "\nA \"code\" column gives each row's code (" + codeKeys() + "; default " +
           std::string(defaultCircuitCode().key()) +
           ").\nCase, blanks and punctuation do not matter; a unit in brackets is the input's\n"
           "(\"Fault current (A)\"), a size column's its code's (\"size (AWG)\", \"size (mm²)\"),\n"
           "in which a bare number is read. An empty cell takes the default. Other columns are\n"
           "kept as they are. One row is written per input row, in order, with the answer's\n"
           "columns added (answer_line, answer_size, ...); answer_refused names the input a\n"
           "row was refused for, or \"row\" when it cannot be read (a cell count other than the\n"
           "header's, a stray quote, a cell over 64 KiB, a row over 1 MiB), and answer_reason\n"
           "says why.\n"
           "Exit status: 0 every row answered, refused rows included (one line on standard\n"
           "error counts them, and the rows failing a criterion); 2 the file cannot be read,\n"
           "holds a NUL byte or its header is bad; 3 the output could not be written.";
}

}  // namespace

CircuitCommands::CircuitCommands(CLI::App& app, bool& json) : m_json(json) {
    m_circuit = app.add_subcommand(
        "circuit", "Size a circuit by every criterion the code applies, and say which governs");
    m_circuit->add_flag("--json", json, "Print one JSON object instead of the sheet");
    m_circuit->footer(circuitFooter());
    std::vector<std::string> codes;
    for (const CircuitCode* code : circuitCodes()) codes.emplace_back(code->key());
    m_code = std::string(defaultCircuitCode().key());
    m_circuit->add_option("--code", m_code, "The code to size by (default " + m_code + ")")
        ->check(CLI::IsMember(codes, CLI::ignore_case));
    for (const CheckField* field : everyCircuitField()) {
        // The union's declaration of a key is the default code's; its help, choices and
        // whether it is required are every code's.
        CheckField option = *field;
        option.required = requiredByEvery(field->key);
        option.choices = {};
        CLI::Option* added =
            addFieldOption(*m_circuit, option, m_given.emplace_back(), optionHelp(field->key));
        if (option.kind == InputKind::Flag) continue;
        if (const std::vector<std::string> choices = choicesOf(field->key); !choices.empty())
            added->check(CLI::IsMember(choices, CLI::ignore_case));
    }

    m_schedule = app.add_subcommand(
        "schedule", "Check every circuit of a cable schedule (CSV) and add the answers");
    m_schedule->add_option("file", m_file, "The schedule, a CSV file")->required();
    m_schedule->footer(scheduleFooter());
}

bool CircuitCommands::parsed() const {
    return m_circuit->parsed() || m_schedule->parsed();
}

int CircuitCommands::run(const CommandRun& given) const {
    if (m_schedule->parsed()) return runSchedule(m_file, given.out, given.err);
    return runCircuit(given.out, given.err);
}

int CircuitCommands::runCircuit(std::ostream& out, std::ostream& err) const {
    const CircuitCode& code = *circuitCode(m_code);
    CircuitCase& checked = freshCase(code);
    const std::span<const CheckField* const> fields = everyCircuitField();
    OptionSource source(m_given, code);
    GivenKeys keys;
    std::optional<CheckRefusal> refusal = setCase(checked, fields, source, &keys);
    if (source.missingOption()) return missingOptionFailure(*source.missingOption(), err);
    if (!refusal && (refusal = checked.check())) refusal = keys.named(code, std::move(*refusal));
    std::string_view option;
    if (refusal) {
        option = refusal->field;
        for (const CheckField* any : fields)
            if (any->key == refusal->field) option = any->option;
    }
    return printChecked(checked, refusal, option, std::nullopt, m_json, out, err);
}

}  // namespace ferrovolt
