// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fill_command.h"

#include <CLI/CLI.hpp>

#include "fill/fill_case.h"

namespace ferrovolt {

FillCommand::FillCommand(CLI::App& app, bool& json) : m_json(json) {
    m_app = app.add_subcommand(
        "fill", "The smallest trade size of a raceway for mixed conductors and cables (NEC)");
    for (const CheckField& field : fillCheck().fields())
        addFieldOption(*m_app, field, m_given.emplace_back());
    m_app->add_flag("--json", json, "Print one JSON object instead of the sheet");
    m_app->footer(std::string(fillCheck().help()));
}

bool FillCommand::parsed() const {
    return m_app->parsed();
}

int FillCommand::run(const CommandRun& given) const {
    return runCheck(fillCheck(), m_given, m_json, given.out, given.err);
}

}  // namespace ferrovolt
