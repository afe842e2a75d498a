// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc fill`: the smallest trade size of a raceway type for a set of conductors and
// cables by NEC Chapter 9, or whether a given size holds them; its options are the fill's
// fields (fill/fill_case.h).

#include <deque>

#include "cli/field_options.h"
#include "cli/subcommand.h"

namespace CLI {
class App;
}  // namespace CLI

namespace ferrovolt {

class FillCommand final : public Subcommand {
public:
    FillCommand(CLI::App& app, bool& json);

    bool parsed() const override;
    // Returns the exit status.
    int run(const CommandRun& run) const override;

private:
    CLI::App* m_app = nullptr;
    bool& m_json;
    std::deque<GivenOption> m_given;
};

}  // namespace ferrovolt
