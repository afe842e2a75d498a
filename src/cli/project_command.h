// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc project check FILE`: the installation tree of a project file, checked
// top-down, one line per node, or one JSON object; `project schedule FILE`: every cable of it
// as a CSV schedule with its answers; `project import SCHEDULE.csv`: a project from a
// schedule of boards and circuits.

#include <array>
#include <optional>
#include <string>

#include "cli/subcommand.h"

namespace CLI {
class App;
}  // namespace CLI

namespace ferrovolt {

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
    bool& m_json;
    bool m_strict = false;
    std::string m_file;
    std::string m_code;
    std::string m_output;
    // The supply's keys as options, by their order in the options' table.
    std::array<std::optional<std::string>, 20> m_supply;
    bool m_infiniteBus = false;

    int runImport(const CommandRun& run) const;
};

}  // namespace ferrovolt
