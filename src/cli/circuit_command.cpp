// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/circuit_command.h"

#include <ostream>

#include <CLI/CLI.hpp>

#include "circuit/circuit_sheet.h"
#include "cli/circuit_json.h"
#include "cli/cli_app.h"
#include "cli/command_output.h"
#include "cli/schedule.h"

namespace ferrovolt {

namespace {

constexpr std::string_view kCircuitFooter =
    "Sizes 14 AWG to 2000 kcmil (aluminium from 12 AWG) by NEC 2023: ampacity (Table 310.16:\n"
    "(a) 125 % of a continuous load before any factor and (b) the load after Table\n"
    "310.15(B)(1)(1) and Table 310.15(C)(1), with the terminal limit of 110.14(C)(1), and\n"
    "the conductor protected by its device, 240.4(B) and (C)), voltage drop (Chapter 9\n"
    "Table 9, a recommendation), short circuit (ICEA P-32-382, with a fault current and a\n"
    "clearing time) and the small-conductor rule 240.4(D); the answer is the largest minimum.\n"
    "Exit status: 0 answered; 1 an input was refused (one line on standard error naming\n"
    "the option and the reason, or {\"refused\":FIELD,\"reason\":TEXT} with --json); 2 bad\n"
    "command-line input; 3 the output could not be written.";

// The schedule's columns are the batch fields of the circuit check's inputs.
std::string scheduleFooter() {
    std::string help = "The first row names the inputs, one column each, by the names batch uses:";
    std::size_t lineStart = 0;
    for (const CircuitField& field : kCircuitFields) {
        if (help.size() - lineStart + field.key.size() + 2 > 88) {
            help += '\n';
            lineStart = help.size();
        } else {
            help += ' ';
        }
        help.append(field.key).append(",");
    }
    help.back() = '.';
    return help +
           "\nCase, blanks, punctuation and a unit in brackets do not matter: \"Fault current\n"
           "(A)\". An empty cell takes the default. Other columns are kept as they are. One\n"
           "row is written per input row, in order, with the answer's columns added\n"
           "(answer_line, answer_size, ...); answer_refused names the input a row was refused\n"
           "for, or \"row\" when it cannot be read (a cell count other than the header's, a\n"
           "stray quote, a cell over 64 KiB, a row over 1 MiB), and answer_reason says why.\n"
           "Exit status: 0 every row answered, refused rows included (one line on standard\n"
           "error counts them); 2 the file cannot be read, holds a NUL byte or its header is\n"
           "bad; 3 the output could not be written.";
}

}  // namespace

CircuitCommands::CircuitCommands(CLI::App& app, bool& json) : m_json(json) {
    m_circuit = app.add_subcommand(
        "circuit", "Size a circuit by every criterion the code applies, and say which governs");
    m_circuit->add_flag("--json", json, "Print one JSON object instead of the sheet");
    m_circuit->footer(std::string(kCircuitFooter));
    for (std::size_t i = 0; i < kCircuitFields.size(); ++i) {
        const CircuitField& field = kCircuitFields[i];
        std::string help(field.help);
        if (!field.defaultText.empty()) help += " (default " + std::string(field.defaultText) + ")";
        if (field.kind == InputKind::Flag) {
            m_options[i] = m_circuit->add_flag(std::string(field.option), m_flags[i], help);
            continue;
        }
        CLI::Option* option = m_circuit->add_option(std::string(field.option), m_texts[i], help);
        if (field.kind == InputKind::Choice) {
            std::vector<std::string> choices;
            std::string_view rest = field.choices;
            while (!rest.empty()) {
                const auto bar = rest.find('|');
                choices.emplace_back(rest.substr(0, bar));
                rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
            }
            if (field.key == "material" || field.key == "raceway") choices.emplace_back("aluminum");
            option->check(CLI::IsMember(choices, CLI::ignore_case));
        }
        if (field.required) option->required();
        m_options[i] = option;
    }

    m_schedule = app.add_subcommand(
        "schedule", "Check every circuit of a cable schedule (CSV) and add the answers");
    m_schedule->add_option("file", m_file, "The schedule, a CSV file")->required();
    m_schedule->footer(scheduleFooter());
}

bool CircuitCommands::parsed() const {
    return m_circuit->parsed() || m_schedule->parsed();
}

int CircuitCommands::run(std::ostream& out, std::ostream& err) const {
    if (m_schedule->parsed()) return runSchedule(m_file, out, err);
    return runCircuit(out, err);
}

int CircuitCommands::runCircuit(std::ostream& out, std::ostream& err) const {
    CircuitInputs inputs;
    CircuitResult result = CircuitAnswer{};
    bool refused = false;
    for (std::size_t i = 0; i < kCircuitFields.size() && !refused; ++i) {
        const CircuitField& field = kCircuitFields[i];
        if (m_options[i]->count() == 0) continue;
        const std::string text =
            field.kind == InputKind::Flag ? (m_flags[i] ? "true" : "false") : m_texts[i];
        if (std::optional<std::string> reason = field.set(inputs, text)) {
            result = CircuitRefusal{field.key, std::move(*reason)};
            refused = true;
        }
    }
    if (!refused) result = checkCircuit(inputs);

    if (m_json) {
        std::string line;
        appendCircuitAnswer(line, result);
        out << line << '\n';
    } else if (const auto* answer = std::get_if<CircuitAnswer>(&result)) {
        out << circuitSheet(*answer);
    }
    const auto* refusal = std::get_if<CircuitRefusal>(&result);
    if (refusal == nullptr) return kExitOk;
    if (!m_json) {
        const CircuitField* field = circuitField(refusal->field);
        err << kProgram << ": " << (field != nullptr ? field->option : refusal->field) << ": "
            << oneLine(refusal->reason) << '\n';
    }
    return kExitRefused;
}

}  // namespace ferrovolt
