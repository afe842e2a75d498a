// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_help.h"

#include "cli/circuit_json.h"
#include "cli/command.h"

namespace ferrovolt {

namespace {

constexpr std::size_t kNameWidth = 18;
constexpr std::size_t kLineWidth = 88;

// "gauge (text)", "unit (\"C\", \"F\" or \"K\")", or the request's own form.
std::string fieldHelp(const InputDescription& input) {
    if (!input.request.empty()) return std::string(input.request);
    std::string help = std::string(input.key) + " (";
    switch (input.kind) {
        case InputKind::Text:
        case InputKind::Size:
            return help + "text)";
        case InputKind::Number:
            return help + "number or number text)";
        case InputKind::Flag:
            return help + "bool)";
        case InputKind::Choice:
            break;
    }
    std::string_view rest = input.choices;
    while (!rest.empty()) {
        const auto bar = rest.find('|');
        help.append("\"").append(rest.substr(0, bar)).append("\"");
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
        if (!rest.empty()) help += rest.find('|') == std::string_view::npos ? " or " : ", ";
    }
    return help + ")";
}

}  // namespace

std::string batchRequestsHelp() {
    std::string help = "Requests, one JSON object per line, with \"calc\" and its inputs:\n";
    for (const Command* command : calculatorCommands()) {
        std::string line = "  " + std::string(command->description().request);
        line.resize(kNameWidth, ' ');
        bool first = true;
        for (const InputDescription& input : command->description().inputs) {
            const std::string field = fieldHelp(input) + ",";
            if (!first && line.size() + 1 + field.size() > kLineWidth) {
                help += line + "\n";
                line.assign(kNameWidth, ' ');
            } else if (!first) {
                line += ' ';
            }
            line += field;
            first = false;
        }
        line.pop_back();  // the last comma
        help += line + "\n";
    }
    help += "  " + std::string(kCircuitRequest);
    help.resize(help.size() + kNameWidth - 2 - kCircuitRequest.size(), ' ');
    help +=
        "the options of `circuit` in snake_case (max_drop, fault_current, ...),\n"
        "                  numbers as numbers or texts, flags as bools; answers its JSON object\n"
        "  fill            raceway, size, nipple, metric, and wire and cable as arrays of the\n"
        "                  texts of `fill --wire` and `--cable`; answers as `fill --json`\n"
        "  project         project, the object of a project file; answers {\"outputs\":...} with\n"
        "                  the object of `project check --json`, or {\"refused\":PATH,...}\n"
        "Answers name each result by its label in the window (Dia_mm, lblDrop, ...) in\n"
        "\"outputs\", and list it in \"rows\" with its key, caption, text, value and unit;\n"
        "gauge_area answers {\"outputs\":{\"area\":TEXT}}, with \"\" where the gauge has no value.";
    return help;
}

}  // namespace ferrovolt
