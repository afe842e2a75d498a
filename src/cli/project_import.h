// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `ferrovolt-calc project import SCHEDULE.csv`: a project from a cable schedule whose rows are
// boards (an `id` and what it is `fed_from`) and circuits (an `id` and its `board`), each with
// the circuit-check columns `schedule` reads. A row that cannot be taken is refused with its
// line, and so is every row below a refused board: nothing of the schedule is dropped unsaid.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "project/project.h"

namespace ferrovolt::project {

struct ImportedSchedule {
    std::optional<Project> project;  // none when the schedule itself is refused
    std::string refusal;             // why, then: "the header names no \"id\" column"
    std::size_t rows = 0;            // the rows read, blank ones aside
    // One text per refused row, in line order: "line 4: L2: length: must be more than 0".
    std::vector<std::string> refusedRows;
    // The header's columns that give nothing to the project: "column 7 \"Notes\"".
    std::vector<std::string> unreadColumns;
};

// The rows of `csv` as the boards and circuits of `base` (its code and supply already set).
ImportedSchedule importSchedule(std::istream& csv, Project base);

}  // namespace ferrovolt::project
