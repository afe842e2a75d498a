// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc list TOPIC`: the accepted texts of an input, one per line, or with --json
// one JSON object {"topic":TOPIC,"texts":[...]}.

#include <iosfwd>
#include <string>

#include "cli/subcommand.h"

namespace CLI {
class App;
}  // namespace CLI

namespace ferrovolt {

class ListCommand final : public Subcommand {
public:
    ListCommand(CLI::App& app, bool& json);

    bool parsed() const override;
    // Returns the exit status: 2 when no topic was given.
    int run(const CommandRun& run) const override;

private:
    CLI::App* m_app;
    bool& m_json;
    std::string m_topic;
    bool m_inches = false;
};

}  // namespace ferrovolt
