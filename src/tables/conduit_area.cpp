// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/conduit_area.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "numtext/number_text.h"
#include "tables/units.h"

namespace ferrovolt {
namespace {

// Inch trade sizes written as fractions, with the diameters they stand for.
struct FractionSize {
    std::string_view text;
    double inches;
};
constexpr std::array<FractionSize, 5> kFractionSizes{
    {{"1/2", 0.5}, {"3/4", 0.75}, {"1 1/4", 1.25}, {"1 1/2", 1.5}, {"2 1/2", 2.5}}};

constexpr std::size_t kShownWidth = 12;

double conduitDiameter(std::string_view size) {
    for (const FractionSize& f : kFractionSizes)
        if (f.text == size) return f.inches;
    return readBackDouble(size);
}

}  // namespace

ConduitAreas exactConduitAreas(const Tables& tables, bool inches, int row, bool fill40) {
    const std::string& size =
        tables.ConduitSizeTable[static_cast<std::size_t>(row)][inches ? 1 : 0];
    // The radius passes through its number text before use.
    const double r = readBackDouble(formatDouble(conduitDiameter(size) / 2));
    const double fill = fill40 ? 0.4 : 0.6;
    ConduitAreas out;
    out.CondArea = cutRoundedDouble(r * r * kPi, 15, kShownWidth);
    // The usable area works from the shown, cut text of the conduit's.
    out.UseableArea = cutRoundedDouble(readBackDouble(out.CondArea) * fill, 15, kShownWidth);
    out.useable = readBackDouble(out.UseableArea);
    return out;
}

}  // namespace ferrovolt
