// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/project_command.h"

#include <charconv>
#include <chrono>
#include <ctime>
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
#include "cli/json_answer.h"
#include "cli/json_document.h"
#include "cli/project_import.h"
#include "codes/code_registry.h"
#include "csv/csv_reader.h"
#include "numtext/date_text.h"
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
    "Under NEC 2023 the answer states the available fault current at the service with the date\n"
    "of the calculation, for the field marking of 110.24(A) (today, or --date).\n"
    "Exit status: 0 answered (failing nodes are answers); 4 with --strict when a node fails or\n"
    "is refused; 1 the file was refused (one line on standard error naming the JSON path); 2\n"
    "bad command-line input; 3 the output could not be written.";

constexpr std::string_view kImportFooter =
    "A project from a CSV schedule (standard output, or FILE with -o): a row with an id and\n"
    "fed_from is a board (fed from \"supply\" or a board's id; its columns are the feeder's,\n"
    "none for a board at the terminals, and its demand_factor and breaking_capacity (kA)), a\n"
    "row with an id and a board is a circuit on it; the other columns are the circuit inputs\n"
    "`schedule` reads. The --supply- options are the keys of the project file's supply\n"
    "(docs/project-format.md). Every refused row is named with its line on standard error,\n"
    "and so is every row below a refused board.\n"
    "Exit status: 0 written (refused rows listed); 4 with --strict when a row is refused; 1 the\n"
    "schedule was refused; 2 bad command-line input (a supply option named); 3 the project\n"
    "could not be written.";

constexpr std::string_view kReportFooter =
    "The calculation package of a project file (.fvproj) as a PDF: a cover (the project, the\n"
    "code and edition, the program, the summary by criterion), the single-line diagram, the\n"
    "schedule of every cable and a sheet per cable with its inputs, answer and whole trail;\n"
    "every page headed by the project and its reference and footed by the page, the date and\n"
    "the code. Printed off screen: no display is needed. The paper is the locale's (Letter in\n"
    "the US and Canada, A4 elsewhere) unless --paper names one. --svg writes the single-line\n"
    "diagram alone as an SVG picture. A file is written whole or not at all.\n"
    "Exit status: 0 written; 1 the file was refused (one line on standard error naming the\n"
    "JSON path); 2 bad command-line input; 3 the output could not be written.";

constexpr int kExitFails = 4;

// The supply's keys as `project import` takes them: "--supply-" and the key's path in the
// file, "/" and "_" as "-" ("transformer/percent_z" is --supply-transformer-percent-z).
struct SupplyOption {
    std::string_view path;
    bool number;
    std::string_view help;
};
constexpr std::array<SupplyOption, 20> kSupplyOptions{{
    {"available_fault_current", true, "NEC: available fault current at the service, A"},
    {"x_r", true, "X/R of that current"},
    {"volts", true, "Nominal voltage, V (line to line on three phases)"},
    {"phase", false, "three or single"},
    {"source/mva_max", true, "Network feeding the transformer: maximum short-circuit power, MVA"},
    {"source/mva_min", true, "Network: minimum short-circuit power, MVA"},
    {"source/r_x", true, "Network: R/X"},
    {"source/kv", true, "Network: voltage, kV"},
    {"transformer/kva", true, "Transformer: rating, kVA"},
    {"transformer/percent_z", true, "Transformer: impedance, %"},
    {"transformer/x_r", true, "Transformer: X/R"},
    {"transformer/percent_r", true, "Transformer: resistance, % (in place of X/R)"},
    {"transformer/primary_kv", true, "Transformer: primary voltage, kV"},
    {"transformer/secondary_volts", true, "Transformer: secondary voltage, V"},
    {"transformer/phase", false, "Transformer: three or single"},
    {"transformer/tolerance", true, "NEC: factor on the transformer's %Z"},
    {"voltage_factor_class", true, "IEC: 6 or 10 (% above the nominal LV voltage)"},
    {"earthing", false, "IEC: TN-S, TN-C-S or TT"},
    {"ze", true, "IEC: measured or declared Ze at the origin, ohm"},
    {"ipf", true, "IEC: prospective fault current at the origin, A"},
}};

std::string supplyOptionName(std::string_view path) {
    std::string name = "--supply-";
    for (const char c : path) name += c == '/' || c == '_' ? '-' : c;
    return name;
}

double rounded(double value, int places) {
    return roundDouble(value, places);
}

// The date of the calculation: today on this computer's calendar.
std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return isoDateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// A date as "2026-12-09", read back as the same text; none where it is not a day of the
// calendar.
std::optional<std::string> dateText(std::string_view text) {
    int parts[3] = {0, 0, 0};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        const auto [next, error] = std::from_chars(at, end, parts[i]);
        if (error != std::errc() || (i < 2 && (next == end || *next != '-'))) return std::nullopt;
        at = i < 2 ? next + 1 : next;
    }
    const std::chrono::year_month_day day{std::chrono::year(parts[0]),
                                          std::chrono::month(static_cast<unsigned>(parts[1])),
                                          std::chrono::day(static_cast<unsigned>(parts[2]))};
    if (at != end || parts[0] < 1 || parts[1] < 1 || parts[2] < 1 || !day.ok()) return std::nullopt;
    return isoDateText(parts[0], parts[1], parts[2]);
}

// NEC 110.24(A): the service's available fault current, field-marked with the date of its
// calculation; the supply's maximum at its terminals, the motors of the boards aside.
bool marksTheService(const project::ProjectAnswer& answer) {
    return answer.code->key() == "nec2023";
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

void writeText(std::ostream& out, const project::ProjectAnswer& answer, const std::string& name,
               const std::string& date) {
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
            out << "  Isc max " << kiloAmps(maximumWithMotors(node.at));
            if (node.at.motorCurrent > 0)
                out << (motorTerm(node.at) > 0 ? " (motors " + kiloAmps(node.at.motorCurrent) + ")"
                                               : " (motors " + kiloAmps(node.at.motorCurrent) +
                                                     " left out: at most 1 % of Ik)");
            out << "  min " << kiloAmps(node.at.iscMin);
            if (iec)
                out << "  Zs " << formatRoundedDouble(node.at.loopMin.magnitude(), 4) << " ohm";
        }
        out << "  " << verdict(node) << '\n';
        if (const std::string motors = project::motorFeederText(node); !motors.empty())
            out << std::string(static_cast<std::size_t>(node.depth) * 2 + 2, ' ') << motors << '\n';
    }
    if (marksTheService(answer) && !answer.nodes.empty())
        out << "\nField marking (NEC 110.24(A)): available fault current "
            << formatRoundedDouble(answer.nodes.front().at.iscMax, 0)
            << " A at the service, calculated " << date << '\n';
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
void appendNode(std::string& out, const project::NodeAnswer& node, bool iec,
                const std::string* marked) {
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
    json["isc_max"] = number(maximumWithMotors(node.at), 1);
    json["motor_contribution"] = number(motorTerm(node.at), 1);
    json["x_r"] = number(node.at.xOverR, 3);
    json["ip"] = number(node.peak, 1);
    if (iec) json["ik1_max"] = number(node.at.ik1Max, 1);
    json["isc_min"] = number(node.at.iscMin, 1);
    json["loop_impedance"] = number(node.at.loopMin.magnitude(), 5);
    json["method"] = valued ? Json(faultMethodKey(node.at.method)) : Json();
    // A board of motors only: the others' answers stay as they were.
    if (node.motorFeederCurrent) {
        json["motor_feeder_current"] = rounded(*node.motorFeederCurrent, 3);
        json["feeder_device_max"] = node.feederDeviceMax ? Json(*node.feederDeviceMax) : Json();
        json["start_dip_percent"] =
            node.startDipPercent ? Json(rounded(*node.startDipPercent, 2)) : Json();
    }
    if (marked != nullptr)
        json["field_marking"] = {{"available_fault_current", rounded(node.at.iscMax, 1)},
                                 {"date", *marked}};
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

void appendProjectAnswer(std::string& out, const project::Project& p,
                         const project::ProjectAnswer& answer, const std::string& date,
                         std::ostream* spill) {
    appendJson(out, Json{{"project", p.identification.name}, {"code", p.code}});
    out.pop_back();
    out += ",\"nodes\":[";
    for (std::size_t i = 0; i < answer.nodes.size(); ++i) {
        if (i > 0) out += ',';
        const bool service = i == 0 && marksTheService(answer);
        appendNode(out, answer.nodes[i], p.code == "iec60364", service ? &date : nullptr);
        if (spill != nullptr && out.size() >= (std::size_t{1} << 16)) {
            *spill << out;
            out.clear();
        }
    }
    out += "],\"defaults\":";
    appendJson(out, Json(answer.defaults));
    out += '}';
}

}  // namespace

void writeSchedule(std::string& out, const project::ProjectAnswer& answer) {
    const std::span<const CheckRow> rows = answer.code->rows();
    // A row of one kind of load (a motor's) has its column where some cable is of that kind.
    std::vector<bool> written(rows.size(), true);
    for (std::size_t i = 0; i < rows.size(); ++i)
        written[i] = rows[i].when.empty() || std::any_of(answer.nodes.begin(), answer.nodes.end(),
                                                         [i](const project::NodeAnswer& node) {
                                                             return node.checked && !node.refusal &&
                                                                    node.reached &&
                                                                    node.checked->rowApplies(i);
                                                         });
    out += "id,kind,board,path,cumulative_drop_percent,isc_max,isc_min,loop_impedance";
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (written[i]) (out += ",answer_") += rows[i].key;
    out += ",answer_meets_all,answer_fails,answer_refused,answer_reason\r\n";
    std::map<std::string, std::string> paths{{"supply", "supply"}};
    for (const project::NodeAnswer& node : answer.nodes) {
        if (node.kind == project::NodeKind::Supply) continue;
        const std::string path = paths[node.fedFrom] + " > " + node.id;
        paths[node.id] = path;
        if (!node.checked && !node.refusal && node.reached) continue;  // no cable
        appendCsvCell(out, node.id);
        (out += ',') += project::nodeKindKey(node.kind);
        out += ',';
        appendCsvCell(out, node.fedFrom);
        out += ',';
        appendCsvCell(out, path);
        const bool valued = node.reached && !node.refusal;
        for (const auto& [value, places] :
             {std::pair{node.at.dropPercent, 2}, std::pair{maximumWithMotors(node.at), 0},
              std::pair{node.at.iscMin, 0}, std::pair{node.at.loopMin.magnitude(), 4}}) {
            out += ',';
            if (valued) out += roundedNumberText(value, places);
        }
        // As `schedule` writes a value: a number in its row's places without its unit.
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (!written[i]) continue;
            out += ',';
            if (!valued) continue;
            const CheckValue value = node.checked->value(i);
            if (const auto* number = std::get_if<double>(&value))
                out += roundedNumberText(*number, rows[i].decimals);
            else if (const auto* text = std::get_if<std::string_view>(&value))
                appendCsvCell(out, *text);
            else
                appendCsvCell(out, rows[i].absent);
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
            appendCsvCell(out, node.refusal->field);
            out += ',';
            appendCsvCell(out, node.refusal->reason);
        } else if (!node.reached) {
            out += ",not reached: a node above it is refused";
        } else {
            out += ',';
        }
        out += "\r\n";
    }
}

void appendProjectAnswer(std::string& out, const project::Project& p, std::ostream* spill) {
    appendProjectAnswer(out, p, project::checkProject(p), today(), spill);
}

void appendProjectRequest(std::string& out, std::string_view line) {
    const Json request = Json::parse(line, nullptr, false);
    const auto found =
        request.is_object() ? request.find(std::string(kProjectRequest)) : request.end();
    if (request.is_discarded()) return appendError(out, "not valid JSON");
    if (found == request.end()) return appendError(out, "missing field \"project\"");
    if (!found->is_object()) return appendError(out, "field \"project\" must be an object");
    const auto read = project::readProjectDocument(*found);
    if (const auto* refusal = std::get_if<project::FileRefusal>(&read)) {
        appendJson(out, Json{{"refused", "/project" + refusal->path}, {"reason", refusal->reason}});
        return;
    }
    out += "{\"outputs\":";
    appendProjectAnswer(out, std::get<project::Project>(read));
    out += '}';
}

ProjectCommand::ProjectCommand(CLI::App& app, bool& json) : m_json(json) {
    m_app = app.add_subcommand("project", "Check a project: supply, boards and circuits as a tree");
    m_app->require_subcommand(1, 1);
    m_check = m_app->add_subcommand("check", "Check every node of a project file, top-down");
    m_check->add_option("FILE", m_file, "The project file (.fvproj)")->required();
    m_check->add_flag("--json", json, "Print one JSON object instead of the tree");
    m_check->add_flag("--strict", m_strict, "Exit with 4 when a node fails or is refused");
    m_check->add_option("--date", m_date,
                        "NEC 2023: the date of the calculation the service's field marking "
                        "states, YYYY-MM-DD (today)");
    m_check->footer(std::string(kProjectFooter));
    m_schedule = m_app->add_subcommand(
        "schedule", "Write every cable of a project file as a CSV schedule with its answers");
    m_schedule->add_option("FILE", m_file, "The project file (.fvproj)")->required();
    m_schedule->footer(std::string(kProjectFooter));
    m_import = m_app->add_subcommand("import",
                                     "Make a project from a CSV schedule of boards and circuits");
    m_import->add_option("FILE", m_file, "The schedule (.csv)")->required();
    m_import->add_option("--code", m_code, "The project's code: nec2023 or iec60364")->required();
    m_import->add_option("-o,--output", m_output,
                         "Save the project to this file (.fvproj) instead of printing it");
    m_import->add_option("--name", m_name, "The project's name");
    m_import->add_flag("--strict", m_strict, "Exit with 4 when a row is refused");
    for (std::size_t i = 0; i < kSupplyOptions.size(); ++i)
        m_import->add_option(supplyOptionName(kSupplyOptions[i].path), m_supply[i],
                             std::string(kSupplyOptions[i].help));
    m_import->add_flag("--supply-infinite-bus", m_infiniteBus,
                       "No impedance upstream of the transformer");
    m_import->footer(std::string(kImportFooter));
    m_report =
        m_app->add_subcommand("report", "Write the calculation package of a project file as a PDF");
    m_report->add_option("FILE", m_file, "The project file (.fvproj)")->required();
    m_report->add_option("-o,--output", m_reportRequest.output, "The PDF to write");
    m_report->add_option("--paper", m_reportRequest.paper,
                         "a4 or letter (default: the locale's, Letter in the US and Canada)");
    m_report->add_option("--sections", m_reportRequest.sections,
                         "The sections, comma separated, in their fixed order: cover, diagram, "
                         "schedule, sheets (default: all)");
    m_report->add_option("--svg", m_reportRequest.svg,
                         "Also write the single-line diagram as an SVG picture to this file");
    m_report->footer(std::string(kReportFooter));
}

bool ProjectCommand::parsed() const {
    return m_app->parsed();
}

int ProjectCommand::runImport(const CommandRun& given) const {
    const std::string prefix = std::string(kProgram) + ": project import: ";
    const CircuitCode* code = circuitCode(m_code);
    if (code == nullptr) {
        given.err << prefix << "--code: \"" << oneLine(m_code)
                  << "\" is not a code: nec2023 or iec60364\n";
        return kExitUsage;
    }
    // The supply is read as a file's supply is, so that the options take what the file takes.
    Json supply = Json::object();
    for (std::size_t i = 0; i < kSupplyOptions.size(); ++i) {
        if (!m_supply[i]) continue;
        const std::string_view path = kSupplyOptions[i].path;
        const auto slash = path.find('/');
        Json& object =
            slash == std::string_view::npos ? supply : supply[std::string(path.substr(0, slash))];
        const std::string key(slash == std::string_view::npos ? path : path.substr(slash + 1));
        if (!kSupplyOptions[i].number) {
            object[key] = *m_supply[i];
            continue;
        }
        const std::optional<double> x = readDouble(*m_supply[i]);
        if (!x) {
            given.err << prefix << supplyOptionName(path) << ": \"" << oneLine(*m_supply[i])
                      << "\" is not a number\n";
            return kExitUsage;
        }
        object[key] = *x;
    }
    if (m_infiniteBus) supply["infinite_bus"] = true;
    const Json file{{"format", project::kFormatName},
                    {"version", project::kFormatVersion},
                    {"project", {{"name", m_name}}},
                    {"code", code->key()},
                    {"supply", std::move(supply)}};
    auto base = project::readProjectDocument(file);
    if (const auto* refusal = std::get_if<project::FileRefusal>(&base)) {
        const std::string_view key =
            std::string_view(refusal->path)
                .substr(std::min(refusal->path.size(), std::string_view("/supply/").size()));
        given.err << prefix << (key.empty() ? "the supply (--supply-...)" : supplyOptionName(key))
                  << ": " << oneLine(refusal->reason) << '\n';
        return kExitUsage;
    }
    std::ifstream in(m_file, std::ios::binary);
    if (!in) {
        given.err << prefix << oneLine(m_file) << ": cannot be read\n";
        return kExitRefused;
    }
    project::ImportedSchedule imported =
        project::importSchedule(in, std::move(std::get<project::Project>(base)));
    if (!imported.project) {
        given.err << prefix << oneLine(m_file) << ": " << oneLine(imported.refusal) << '\n';
        return kExitRefused;
    }
    for (const std::string& column : imported.unreadColumns)
        given.err << prefix << oneLine(column) << " names nothing of a project: not read\n";
    for (const std::string& row : imported.refusedRows) given.err << prefix << oneLine(row) << '\n';
    if (!imported.refusedRows.empty())
        given.err << prefix << imported.refusedRows.size() << " of " << imported.rows
                  << (imported.rows == 1 ? " row" : " rows") << " refused, not in the project\n";
    if (!m_output.empty()) {
        if (const std::optional<std::string> failed =
                project::saveProject(*imported.project, m_output)) {
            given.err << kProgram << ": " << oneLine(*failed) << '\n';
            return kExitWriteFailed;
        }
    } else {
        given.out << project::writeProject(*imported.project);
        given.out.flush();
        if (!given.out) {
            given.err << kProgram << ": the output could not be written\n";
            return kExitWriteFailed;
        }
    }
    return m_strict && !imported.refusedRows.empty() ? kExitFails : kExitOk;
}

int ProjectCommand::run(const CommandRun& given) const {
    if (m_import->parsed()) return runImport(given);
    const std::optional<std::string> date = m_date.empty() ? today() : dateText(m_date);
    if (!date) {
        given.err << kProgram << ": project check: --date: \"" << oneLine(m_date)
                  << "\" is not a date: YYYY-MM-DD\n";
        return kExitUsage;
    }
    if (m_report->parsed()) {
        if (const std::string problem = reportRequestProblem(m_reportRequest); !problem.empty()) {
            given.err << kProgram << ": project report: " << problem << '\n';
            return kExitUsage;
        }
    }
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
    if (m_report->parsed()) return runProjectReport(m_reportRequest, p, given.err);
    const project::ProjectAnswer answer = project::checkProject(p);
    if (m_schedule->parsed()) {
        std::string out;
        writeSchedule(out, answer);
        given.out << out;
    } else if (m_json) {
        std::string out;
        appendProjectAnswer(out, p, answer, *date, &given.out);
        given.out << out << '\n';
    } else {
        writeText(given.out, answer, p.identification.name, *date);
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
