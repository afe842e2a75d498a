// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/project_command.h"

#include <fstream>
#include <map>
#include <ostream>
#include <span>
#include <sstream>
#include <utility>
#include <variant>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "cli/circuit_json.h"
#include "cli/cli_app.h"
#include "cli/command_output.h"
#include "cli/json_document.h"
#include "numtext/number_text.h"
#include "numtext/rounded_number.h"
#include "project/project_engine.h"
#include "project/project_file.h"

namespace ferrovolt {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kProjectFooter =
    "The supply, boards and circuits of a project file (.fvproj, described in\n"
    "docs/project-format.md), checked from the origin down: each cable by its code's circuit\n"
    "check with the maximum fault current, the loop and the voltage drop its board has.\n"
    "Exit status: 0 answered (failing nodes are answers); 4 with --strict when a node fails or\n"
    "is refused; 1 the file was refused (one line on standard error naming the JSON path); 2\n"
    "bad command-line input; 3 the output could not be written.";

constexpr int kExitFails = 4;

double rounded(double value, int places) {
    return roundDouble(value, places);
}

std::string kiloAmps(double amps) {
    return amps > 0 ? formatRoundedDouble(amps / 1000, 2) + " kA" : "-";
}

bool meetsAll(const project::NodeAnswer& node) {
    return node.fails.empty() && !node.refusal && node.reached;
}

std::string verdict(const project::NodeAnswer& node) {
    if (!node.reached && !node.refusal) return "not reached";
    if (node.refusal) return "refused";
    return node.fails.empty() ? "meets all" : "fails";
}

void writeText(std::ostream& out, const project::ProjectAnswer& answer, const std::string& name) {
    const bool iec = answer.code->key() == "iec60364";
    out << "Project: " << name << " (" << answer.code->name() << ")\n";
    for (const project::NodeAnswer& node : answer.nodes) {
        out << std::string(static_cast<std::size_t>(node.depth) * 2, ' ') << node.id;
        if (node.checked && !node.refusal) {
            const CircuitCase& c = *node.checked;
            out << "  " << c.sizeLabel() << " (" << c.code().rows()[c.governingRow()].caption
                << ")";
        }
        if (node.reached && !node.refusal) {
            out << "  drop " << formatRoundedDouble(node.at.dropPercent, 2) << " %";
            if (node.kind == project::NodeKind::Board && node.dropLimitPercent > 0)
                out << " (left "
                    << formatRoundedDouble(node.dropLimitPercent - node.at.dropPercent, 2) << " %)";
            out << "  Isc max " << kiloAmps(node.at.iscMax) << "  min " << kiloAmps(node.at.iscMin);
            if (iec)
                out << "  Zs " << formatRoundedDouble(node.at.loopMin.magnitude(), 4) << " ohm";
        }
        out << "  " << verdict(node) << '\n';
    }
    bool first = true;
    for (const project::NodeAnswer& node : answer.nodes) {
        if (node.refusal) {
            out << (first ? "\nFailures:\n" : "") << "  " << node.id << ": refused, "
                << node.refusal->field << " " << node.refusal->reason << '\n';
            first = false;
        }
        for (const project::NodeFail& fail : node.fails) {
            out << (first ? "\nFailures:\n" : "") << "  " << node.id << ": " << fail.name << '\n';
            first = false;
        }
    }
    if (!answer.defaults.empty()) {
        out << "\nDefaults applied:\n";
        for (const std::string& d : answer.defaults) out << "  " << d << '\n';
    }
}

// A node's object, its whole check answer last: written as the circuit command writes it and
// set in as it stands, so that ten thousand answers with their trails are never held as one
// document.
void appendNode(std::string& out, const project::NodeAnswer& node, bool iec) {
    Json json;
    json["id"] = node.id;
    json["kind"] = project::nodeKindKey(node.kind);
    json["fed_from"] = node.fedFrom.empty() ? Json() : Json(node.fedFrom);
    const bool answered = node.checked && !node.refusal;
    json["size"] = answered ? Json(node.checked->sizeLabel()) : Json();
    const std::optional<std::size_t> governed =
        answered ? node.checked->code().rowIndex("governed_by") : std::nullopt;
    json["governed_by"] = governed ? Json(node.checked->rowText(*governed)) : Json();
    json["meets_all"] = meetsAll(node);
    Json fails = Json::array();
    for (const project::NodeFail& fail : node.fails) fails.push_back(fail.key);
    json["fails"] = std::move(fails);
    const bool valued = node.reached && !node.refusal;
    const auto number = [&](double value, int places) {
        return valued ? Json(rounded(value, places)) : Json();
    };
    json["design_current"] = number(node.designCurrent, 3);
    json["drop_percent"] = number(node.dropPercent, 4);
    json["cumulative_drop_percent"] = number(node.at.dropPercent, 4);
    if (node.kind == project::NodeKind::Board)
        json["remaining_drop_percent"] =
            valued && node.dropLimitPercent > 0
                ? Json(rounded(node.dropLimitPercent - node.at.dropPercent, 4))
                : Json();
    json["isc_max"] = number(node.at.iscMax, 1);
    json["x_r"] = number(node.at.xOverR, 3);
    json["ip"] = number(node.peak, 1);
    if (iec) json["ik1_max"] = number(node.at.ik1Max, 1);
    json["isc_min"] = number(node.at.iscMin, 1);
    json["loop_impedance"] = number(node.at.loopMin.magnitude(), 5);
    json["method"] = valued ? Json(faultMethodKey(node.at.method)) : Json();
    appendJson(out, json);
    out.pop_back();  // the closing brace
    out += ",\"check\":";
    if (node.refusal)
        appendCheckRefusal(out, *node.refusal);
    else if (answered)
        appendCheckAnswer(out, *node.checked);
    else
        out += "null";
    out += '}';
}

// A CSV cell, quoted where it holds a comma, a quote or a line break.
void appendCell(std::string& out, std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// Every cable of the tree, one row each in the tree's order: its id, board and path from the
// supply, what the tree gives it, and the answer's columns as `schedule` writes them.
void writeSchedule(std::string& out, const project::ProjectAnswer& answer) {
    const std::span<const CheckRow> rows = answer.code->rows();
    out += "id,kind,board,path,cumulative_drop_percent,isc_max,isc_min,loop_impedance";
    for (const CheckRow& row : rows) (out += ",answer_") += row.key;
    out += ",answer_meets_all,answer_fails,answer_refused,answer_reason\r\n";
    std::map<std::string, std::string> paths{{"supply", "supply"}};
    for (const project::NodeAnswer& node : answer.nodes) {
        if (node.kind == project::NodeKind::Supply) continue;
        const std::string path = paths[node.fedFrom] + " > " + node.id;
        paths[node.id] = path;
        if (!node.checked && !node.refusal && node.reached) continue;  // no cable
        appendCell(out, node.id);
        (out += ',') += project::nodeKindKey(node.kind);
        out += ',';
        appendCell(out, node.fedFrom);
        out += ',';
        appendCell(out, path);
        const bool valued = node.reached && !node.refusal;
        for (const auto& [value, places] :
             {std::pair{node.at.dropPercent, 2}, std::pair{node.at.iscMax, 0},
              std::pair{node.at.iscMin, 0}, std::pair{node.at.loopMin.magnitude(), 4}}) {
            out += ',';
            if (valued) out += roundedNumberText(value, places);
        }
        // As `schedule` writes a value: a number in its row's places without its unit.
        for (std::size_t i = 0; i < rows.size(); ++i) {
            out += ',';
            if (!valued) continue;
            const CheckValue value = node.checked->value(i);
            if (const auto* number = std::get_if<double>(&value))
                out += roundedNumberText(*number, rows[i].decimals);
            else if (const auto* text = std::get_if<std::string_view>(&value))
                appendCell(out, *text);
            else
                appendCell(out, rows[i].absent);
        }
        out += ',';
        if (valued) out += node.fails.empty() ? "true" : "false";
        out += ',';
        std::string_view separator;
        for (const project::NodeFail& fail : node.fails) {
            (out += separator) += fail.key;
            separator = ";";
        }
        out += ',';
        if (node.refusal) {
            appendCell(out, node.refusal->field);
            out += ',';
            appendCell(out, node.refusal->reason);
        } else if (!node.reached) {
            out += ",not reached: a node above it is refused";
        } else {
            out += ',';
        }
        out += "\r\n";
    }
}

}  // namespace

ProjectCommand::ProjectCommand(CLI::App& app, bool& json) : m_json(json) {
    m_app = app.add_subcommand("project", "Check a project: supply, boards and circuits as a tree");
    m_app->require_subcommand(1, 1);
    m_check = m_app->add_subcommand("check", "Check every node of a project file, top-down");
    m_check->add_option("FILE", m_file, "The project file (.fvproj)")->required();
    m_check->add_flag("--json", json, "Print one JSON object instead of the tree");
    m_check->add_flag("--strict", m_strict, "Exit with 4 when a node fails or is refused");
    m_check->footer(std::string(kProjectFooter));
    m_schedule = m_app->add_subcommand(
        "schedule", "Write every cable of a project file as a CSV schedule with its answers");
    m_schedule->add_option("FILE", m_file, "The project file (.fvproj)")->required();
    m_schedule->footer(std::string(kProjectFooter));
}

bool ProjectCommand::parsed() const {
    return m_app->parsed();
}

int ProjectCommand::run(const CommandRun& given) const {
    std::ifstream in(m_file, std::ios::binary);
    std::stringstream text;
    if (in) text << in.rdbuf();
    if (!in) {
        given.err << kProgram << ": " << oneLine(m_file) << ": cannot be read\n";
        return kExitRefused;
    }
    const auto read = project::readProject(text.str());
    if (const auto* refusal = std::get_if<project::FileRefusal>(&read)) {
        given.err << kProgram << ": " << oneLine(m_file) << ": "
                  << oneLine(project::refusalText(*refusal)) << '\n';
        return kExitRefused;
    }
    const project::Project& p = std::get<project::Project>(read);
    const project::ProjectAnswer answer = project::checkProject(p);
    if (m_schedule->parsed()) {
        std::string out;
        writeSchedule(out, answer);
        given.out << out;
    } else if (m_json) {
        std::string out;
        appendJson(out, Json{{"project", p.identification.name}, {"code", p.code}});
        out.pop_back();
        out += ",\"nodes\":[";
        for (std::size_t i = 0; i < answer.nodes.size(); ++i) {
            if (i > 0) out += ',';
            appendNode(out, answer.nodes[i], p.code == "iec60364");
            if (out.size() >= (std::size_t{1} << 16)) {
                given.out << out;
                out.clear();
            }
        }
        out += "],\"defaults\":";
        appendJson(out, Json(answer.defaults));
        given.out << out << "}\n";
    } else {
        writeText(given.out, answer, p.identification.name);
    }
    given.out.flush();
    if (!given.out) {
        given.err << kProgram << ": the output could not be written\n";
        return kExitWriteFailed;
    }
    if (m_strict && m_check->parsed())
        for (const project::NodeAnswer& node : answer.nodes)
            if (!meetsAll(node)) return kExitFails;
    return kExitOk;
}

}  // namespace ferrovolt
