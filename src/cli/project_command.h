// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc project check FILE`: the installation tree of a project file, checked
// top-down, one line per node, or one JSON object; `project schedule FILE`: every cable of it
// as a CSV schedule with its answers; `project import SCHEDULE.csv`: a project from a
// schedule of boards and circuits; `project report FILE -o OUT.pdf`: its calculation package
// as a PDF (and its single-line diagram as SVG).

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "cli/project_report_run.h"
#include "cli/subcommand.h"

namespace CLI {
class App;
}  // namespace CLI

namespace ferrovolt {

namespace project {
struct Project;
struct ProjectAnswer;
}  // namespace project

// Every cable of the tree, one row each in the tree's order, as `project schedule` writes it:
// its id, board and path from the supply, what the tree gives it, and the answer's columns as
// `schedule` writes them.
void writeSchedule(std::string& out, const project::ProjectAnswer& answer);

// The project checked, as `project check --json` answers it: {"project":...,"code":...,
// "nodes":[...],"defaults":[...]}; with `spill`, what is gathered is written to it in blocks
// as it grows, so that a large project is never held whole.
void appendProjectAnswer(std::string& out, const project::Project& p,
                         std::ostream* spill = nullptr);

// A batch line {"calc":"project","project":{...}}: {"outputs":ANSWER} as above,
// {"refused":"/project/...","reason":...} for a project the file reader refuses, or
// {"error":...} for a line without a project object.
void appendProjectRequest(std::string& out, std::string_view line);

inline constexpr std::string_view kProjectRequest = "project";

class ProjectCommand final : public Subcommand {
public:
    ProjectCommand(CLI::App& app, bool& json);

    bool parsed() const override;
    int run(const CommandRun& run) const override;

private:
    CLI::App* m_app = nullptr;
    CLI::App* m_check = nullptr;
    CLI::App* m_schedule = nullptr;
    CLI::App* m_import = nullptr;
    CLI::App* m_report = nullptr;
    ReportRequest m_reportRequest;
    bool& m_json;
    bool m_strict = false;
    std::string m_file;
    std::string m_code;
    std::string m_output;
    std::string m_name;
    std::string m_date;  // of the calculation; today where none is given
    // The supply's keys as options, by their order in the options' table.
    std::array<std::optional<std::string>, 20> m_supply;
    bool m_infiniteBus = false;

    int runImport(const CommandRun& run) const;
};

}  // namespace ferrovolt
