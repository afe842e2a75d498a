// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Group boxes one above the other whose labels, controls and units stand in the same columns:
// each given column of every grid is as wide as the widest cell of that column in any of them.

#include <initializer_list>
#include <vector>

class QGridLayout;

namespace ferrovolt {

void alignColumns(const std::vector<QGridLayout*>& grids, std::initializer_list<int> columns);

}  // namespace ferrovolt
