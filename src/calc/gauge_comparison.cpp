#include "calc/gauge_comparison.h"

#include <cstddef>

#include "tables/gauge_area.h"

namespace ferrovolt {

ComparisonResult CalcComparison(const Tables& tables, int position, int unitMode) {
    ComparisonResult out;
    if (position < kFirstGaugePosition || position > kLastGaugePosition) return out;
    const std::string positionText = std::to_string(position);
    out.lblGauge = tables.GaugeTable[static_cast<std::size_t>(position)][kLabelRow];
    for (int standard = 0; standard < kStandardCount; ++standard) {
        out.lblGaugeArray[static_cast<std::size_t>(standard)] =
            GaugeArea(tables, positionText, standard, unitMode, true).value_or("") + " ";
    }
    return out;
}

}  // namespace ferrovolt
