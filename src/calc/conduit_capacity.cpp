// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conduit_capacity.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "calc/units.h"
#include "numtext/number_text.h"
#include "tables/gauge_area.h"

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

// A radius passes through its number text before use.
double viaText(double value) {
    return readBackDouble(formatDouble(value));
}

double conduitDiameter(std::string_view size) {
    for (const FractionSize& f : kFractionSizes)
        if (f.text == size) return f.inches;
    return readBackDouble(size);
}

}  // namespace

Answer<ConduitResult> CalcConduitCapacity(const Tables& tables, bool inches, std::string_view size,
                                          bool fill40, std::string_view cable) {
    const std::size_t column = inches ? 1 : 0;
    bool known = false;
    for (const auto& row : tables.ConduitSizeTable) known = known || row[column] == size;
    if (!known) return Refusal{Field::ConduitSize};

    const std::optional<double> cableDiameter = readDouble(cable);
    if (!cableDiameter) return unreadableNumber(Field::Cable, cable);
    if (*cableDiameter < 0) return Refusal{Field::Cable, Reason::Negative};

    const double r = viaText(conduitDiameter(size) / 2);
    const double fill = fill40 ? 0.4 : 0.6;
    ConduitResult out;
    out.CondArea = shownDouble(r * r * kPi, kShownWidth);
    // Each step works from the shown, cut text of the step before.
    out.UseableArea = shownDouble(readBackDouble(out.CondArea) * fill, kShownWidth);
    const double rc = viaText(*cableDiameter / 2);
    out.CableArea = shownDouble(rc * rc * kPi, kShownWidth);
    const double cableArea = readBackDouble(out.CableArea);
    if (!std::isfinite(rc * rc * kPi)) return Refusal{Field::Cable, Reason::TooLarge};
    if (cableArea == 0) return Refusal{Field::Cable, Reason::AreaShowsZero};
    out.CableQty = formatDouble(std::floor(readBackDouble(out.UseableArea) / cableArea));
    return out;
}

}  // namespace ferrovolt
