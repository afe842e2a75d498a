// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One node of the installation tree checked under what its parent hands it: the same steps
// for the whole walk (project_engine.cpp) and for the tree kept between changes
// (project_tree.cpp), so that both always give the same answers. Inside the project library.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "project/project_engine.h"

namespace ferrovolt::project {

// The origin the supply gives, with every default it took named in `defaults`.
Origin supplyOrigin(const Project& project, std::vector<std::string>& defaults);
NodeAnswer supplyAnswer(const Origin& origin);

// A circuit's load: its apparent power, and as a motor's where it feeds one.
BoardLoad circuitLoad(const Cable& cable, const CircuitCode& code);
// A board's, from what it feeds.
BoardLoad boardLoad(const Board& board, const std::vector<BoardLoad>& below);

// Checks a board (its feeder, if any, and its breaking capacity) under `origin`; `load` is
// asked only when the feeder's current comes from the loads below it. The feeder then carries
// their apparent power and, under a code with a rule for the largest motor, its share of that
// motor's. `kept` is the feeder's case from the last check of the same inputs, or none. True
// when the board hands its busbar on to what it feeds.
bool checkBoard(NodeAnswer& node, const CircuitCode& code, const Board& board, const Origin& origin,
                int depth, bool reachable, const std::function<BoardLoad()>& load,
                std::unique_ptr<CircuitCase> kept);

// A board's feeder of motors from its circuits' answers (each circuit's cable beside its
// answer), under a code with a rule for the largest motor: the feeder's conductor current and
// its largest device, and the dip at the busbar while the largest motor starts.
struct CircuitOfBoard {
    const Cable* cable = nullptr;
    const NodeAnswer* answer = nullptr;
};
void motorFeeder(NodeAnswer& board, const CircuitCode& code,
                 const std::vector<CircuitOfBoard>& circuits);

void checkCircuit(NodeAnswer& node, const CircuitCode& code, const Circuit& circuit,
                  const Origin& origin, int depth, bool reachable,
                  std::unique_ptr<CircuitCase> kept);

}  // namespace ferrovolt::project
