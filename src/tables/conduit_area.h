// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tables/tables.h"

namespace ferrovolt {

// The areas of the conduit size ConduitSizeTable[row] in millimetres or inches at 40 % or
// 60 % fill, worked out from the table's text on every call: the path the derived tables are
// filled and checked by.
ConduitAreas exactConduitAreas(const Tables& tables, bool inches, int row, bool fill40);

// The derived areas of a row (0..10); null for tables not yet derived.
inline const ConduitAreas* conduitAreas(const Tables& tables, bool inches, int row, bool fill40) {
    if (!tables.Derived) return nullptr;
    return &tables.ConduitAreaTexts[inches ? 1 : 0][static_cast<std::size_t>(row)][fill40 ? 1 : 0];
}

}  // namespace ferrovolt
