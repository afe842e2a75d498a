// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the report says of each node of the checked tree, as plain texts: the summary of the
// cover, a row of the schedule, the rows of a cable's sheet, and the label of its box in the
// single-line diagram. No toolkit: the PDF and the SVG picture set these texts as they stand.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "project/project.h"
#include "project/project_engine.h"
#include "project_report/diagram_layout.h"

namespace ferrovolt::package {

struct ReportNode {
    const project::NodeAnswer* answer = nullptr;
    const project::Cable* cable = nullptr;  // none for the supply and a board at the terminals
    const project::NodeAnswer* origin = nullptr;  // the node it leaves from; none for the supply
    std::optional<double> breakingCapacityKa;     // a board's
    std::string title;                            // of its sheet: "Circuit C1 on board DB1"
};

// The nodes in the answer's order.
std::vector<ReportNode> reportNodes(const project::Project& project,
                                    const project::ProjectAnswer& answer);

struct Summary {
    int boards = 0;
    int cables = 0;   // every feeder and circuit
    int meetAll = 0;  // of the cables answered, those failing nothing
    int refused = 0;
    int notReached = 0;
    std::vector<std::pair<std::string, int>> failures;  // by criterion, in the order first met
};

Summary summarise(const project::ProjectAnswer& answer);

struct ScheduleRow {
    std::string id, board, current, length, size, device, governedBy, drop, iscOrigin, zs, verdict;
};

ScheduleRow scheduleRow(const ReportNode& node, bool iec);

using TextRows = std::vector<std::pair<std::string, std::string>>;

// The inputs as given, each by its caption, in the code's field order; a unit given by a field
// of its own (the length's) beside its number.
TextRows inputRows(const CircuitCode& code, const project::Cable& cable);
// What the tree gave the cable and found at its far end.
TextRows treeRows(const project::NodeAnswer& node, bool iec);
// The answer's rows; the criterion that governs marked so.
TextRows answerRows(const CircuitCase& checked);

// The verdict in words: "meets all", "fails: voltage drop", "refused", "not reached".
std::string verdictText(const project::NodeAnswer& node);

// The boxes of the diagram, one a node, in the nodes' order.
std::vector<DiagramNode> diagramNodes(const project::Project& project,
                                      const std::vector<ReportNode>& nodes,
                                      const project::ProjectAnswer& answer);

}  // namespace ferrovolt::package
