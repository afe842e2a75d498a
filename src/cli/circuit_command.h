// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc circuit` (one circuit by every criterion) and `ferrovolt-calc schedule
// FILE.csv` (a cable schedule, one circuit a row), registered in the program's one CLI11 app
// with their options made from the circuit check's declared inputs.

#include <array>
#include <iosfwd>
#include <string>

#include "circuit/circuit_fields.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace ferrovolt {

class CircuitCommands {
public:
    CircuitCommands(CLI::App& app, bool& json);

    bool parsed() const;
    // Runs whichever of the two was given; returns the exit status.
    int run(std::ostream& out, std::ostream& err) const;

private:
    int runCircuit(std::ostream& out, std::ostream& err) const;

    CLI::App* m_circuit = nullptr;
    CLI::App* m_schedule = nullptr;
    bool& m_json;
    std::array<std::string, kCircuitFields.size()> m_texts;
    std::array<bool, kCircuitFields.size()> m_flags{};
    std::array<CLI::Option*, kCircuitFields.size()> m_options{};
    std::string m_file;
};

}  // namespace ferrovolt
