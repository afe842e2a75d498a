// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The installation tree checked top-down: the supply gives the origin (voltage, fault
// currents, loop), each board's feeder is checked by the code's own circuit check with what
// its parent hands it and hands on what reaches its far end, and each final circuit is checked
// with what its board has. A feeder's design current is the apparent power of the loads below
// it at its own voltage, times its board's demand factor, and under a code that sizes a feeder
// of motors by its largest (NEC 430.24) that motor's share on top, unless the feeder gives one.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "check/circuit_code.h"
#include "check/origin.h"
#include "project/project.h"

namespace ferrovolt::project {

enum class NodeKind { Supply, Board, Circuit };
std::string_view nodeKindKey(NodeKind kind);  // "board"

// A failure as the answer names it: a criterion of the check, or the tree's own.
struct NodeFail {
    std::string key;   // "voltage_drop", "breaking_capacity", "cumulative_voltage_drop"
    std::string name;  // "breaking capacity below the maximum fault current (NEC 110.9)"
};

struct NodeAnswer {
    std::string id;
    NodeKind kind = NodeKind::Supply;
    std::string fedFrom;                   // "" for the supply
    int depth = 0;                         // 0 the supply, 1 what it feeds, ...
    std::unique_ptr<CircuitCase> checked;  // none for the supply and a board at its terminals
    std::optional<CheckRefusal> refusal;   // of its check; nothing below it is then checked
    double designCurrent = 0;              // A
    double dropPercent = 0;                // its own segment
    double dropLimitPercent = 0;           // from the origin; 0 where none applies
    Origin at;                             // at the node: a circuit's far end, a board's busbar
    double peak = 0;                       // i_p, A
    std::vector<NodeFail> fails;
    bool reached = true;  // false below a refused node: no values
    // A board with motor circuits: its feeder's conductor current by 430.24, its largest
    // feeder device by 430.62(A), and the dip at its busbar while its largest motor starts.
    std::optional<double> motorFeederCurrent;
    std::optional<int> feederDeviceMax;
    std::optional<double> startDipPercent;
};

// What the loads below a board ask of its feeder: their apparent power times the board's
// demand factor, and the largest motor's apparent power among them, VA.
struct BoardLoad {
    double va = 0;
    double largestMotorVa = 0;
    bool operator==(const BoardLoad&) const = default;
};

struct ProjectAnswer {
    const CircuitCode* code = nullptr;
    std::vector<NodeAnswer> nodes;       // the supply, then each board followed by what it feeds
    std::vector<std::string> defaults;   // every default the engine applied, in words
    std::optional<std::string> refusal;  // the supply cannot be worked out
};

ProjectAnswer checkProject(const Project& project);

// A board's feeder of motors in one line ("motors: feeder 76.5 A (430.24), feeder device at
// most 110 A (430.62(A)), dip 2.88 % while the largest starts"); "" for a board without.
std::string motorFeederText(const NodeAnswer& board);

}  // namespace ferrovolt::project
