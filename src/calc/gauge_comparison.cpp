// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauge_comparison.h"

#include <cstddef>

#include "tables/gauge_area.h"

namespace ferrovolt {

ComparisonResult CalcComparison(const Tables& tables, int position, int unitMode) {
    ComparisonResult out;
    if (position < kFirstGaugePosition || position > kLastGaugePosition) return out;
    out.lblGauge = tables.GaugeTable[static_cast<std::size_t>(position)][kLabelRow];
    for (int standard = 0; standard < kStandardCount; ++standard) {
        std::string& box = out.lblGaugeArray[static_cast<std::size_t>(standard)];
        const GaugeAreaCell* cell = gaugeAreaCell(tables, position, standard, unitMode);
        box = cell ? cell->text : exactGaugeArea(tables, position, standard, unitMode);
        box += ' ';
    }
    return out;
}

}  // namespace ferrovolt
