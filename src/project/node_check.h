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

// Apparent power of a load, VA.
double apparentPower(const Cable& cable, const CircuitCode& code);

// Checks a board (its feeder, if any, and its breaking capacity) under `origin`; `load` is
// asked only when the feeder's current is the sum of the loads below it, and gives that sum
// times the board's demand factor, VA. `kept` is the feeder's case from the last check of the
// same inputs, or none. True when the board hands its busbar on to what it feeds.
bool checkBoard(NodeAnswer& node, const CircuitCode& code, const Board& board, const Origin& origin,
                int depth, bool reachable, const std::function<double()>& load,
                std::unique_ptr<CircuitCase> kept);

void checkCircuit(NodeAnswer& node, const CircuitCode& code, const Circuit& circuit,
                  const Origin& origin, int depth, bool reachable,
                  std::unique_ptr<CircuitCase> kept);

}  // namespace ferrovolt::project
