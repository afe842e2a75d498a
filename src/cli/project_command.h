// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc project check FILE`: the installation tree of a project file, checked
// top-down, one line per node, or one JSON object; `project schedule FILE`: every cable of it
// as a CSV schedule with its answers.

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
    bool& m_json;
    bool m_strict = false;
    std::string m_file;
};

}  // namespace ferrovolt
