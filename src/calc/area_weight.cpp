#include "calc/area_weight.h"

#include <cstddef>

#include "calc/units.h"
#include "numtext/number_text.h"
#include "tables/gauge_area.h"
#include "tables/lists.h"

namespace ferrovolt {
namespace {

constexpr std::size_t kShownWidth = 12;

}  // namespace

Answer<AreaWeightResult> CalcAreaWeight(const Tables& tables, std::string_view gauge,
                                        std::string_view standard) {
    const std::optional<int> position = gaugePositionOfLabel(tables, gauge);
    if (!position) return Refusal{Field::Gauge};
    std::size_t standardIndex = 0;
    while (standardIndex < kStandardNames.size() && kStandardNames[standardIndex] != standard)
        ++standardIndex;
    if (standardIndex == kStandardNames.size()) return Refusal{Field::Standard};

    const float d = gaugeDiameter(tables, *position, static_cast<int>(standardIndex));
    if (d == 0.0F) {
        const std::string na = "N/A";
        return AreaWeightResult{na, na, na, na, na, na, na};
    }
    const auto dm = static_cast<float>(static_cast<double>(d) * kMillimetresPerInch);
    const double half = static_cast<double>(d) / 2;
    const double halfMm = static_cast<double>(dm) / 2;
    const auto ai = static_cast<float>(half * kPi * half);
    const auto am = static_cast<float>(halfMm * kPi * halfMm);

    AreaWeightResult out;
    out.Dia_inch = formatSingle(d);
    out.Dia_mm = formatSingle(dm);
    out.Area_inches = formatSingle(roundSingle(ai, 7));
    out.Area_mm = formatSingle(roundSingle(am, 7));
    out.Area_mils = shownDouble(static_cast<double>(ai) * kCircularMilsPerSquareInch, kShownWidth);
    out.Pounds = shownDouble(
        static_cast<double>(ai) * kCubicInchesPer1000Feet * kCopperPoundsPerCubicInch, kShownWidth);
    // Kilos follow from the pounds as shown, not from the unrounded weight.
    out.Kilos = shownDouble(readBackDouble(out.Pounds) / kPoundsPerKilogram / kMetresPerFoot / 10,
                            kShownWidth);
    return out;
}

}  // namespace ferrovolt
