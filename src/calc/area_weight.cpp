// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/area_weight.h"

#include <cstddef>

#include "tables/gauge_area.h"
#include "tables/lists.h"

namespace ferrovolt {

Answer<AreaWeightResult> CalcAreaWeight(const Tables& tables, std::string_view gauge,
                                        std::string_view standard) {
    const std::optional<int> position = gaugePositionOfLabel(tables, gauge);
    if (!position) return Refusal{Field::Gauge};
    std::size_t standardIndex = 0;
    while (standardIndex < kStandardNames.size() && kStandardNames[standardIndex] != standard)
        ++standardIndex;
    if (standardIndex == kStandardNames.size()) return Refusal{Field::Standard};

    // The texts depend on nothing else: InitTables works them out once for every gauge.
    if (!tables.Derived)
        return exactGaugeMeasures(tables, *position, static_cast<int>(standardIndex));
    return tables.GaugeMeasureTexts[static_cast<std::size_t>(*position)][standardIndex];
}

}  // namespace ferrovolt
