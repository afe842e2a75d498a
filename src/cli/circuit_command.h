// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc circuit` (one circuit by every criterion) and `ferrovolt-calc schedule
// FILE.csv` (a cable schedule, one circuit a row), registered in the program's one CLI11 app
// with their options made from the circuit check's declared inputs.

#include <deque>
#include <iosfwd>
#include <string>

#include "cli/field_options.h"
#include "cli/subcommand.h"

namespace CLI {
class App;
}  // namespace CLI

namespace ferrovolt {

class CircuitCommands final : public Subcommand {
public:
    CircuitCommands(CLI::App& app, bool& json);

    bool parsed() const override;
    // Runs whichever of the two was given; returns the exit status.
    int run(const CommandRun& run) const override;

private:
    int runCircuit(std::ostream& out, std::ostream& err) const;

    CLI::App* m_circuit = nullptr;
    CLI::App* m_schedule = nullptr;
    bool& m_json;
    std::deque<GivenOption> m_given;  // one per input key of every code
    std::string m_code;
    std::string m_file;
};

}  // namespace ferrovolt
