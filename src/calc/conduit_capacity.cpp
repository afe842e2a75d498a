// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conduit_capacity.h"

#include <cmath>
#include <cstddef>
#include <utility>

#include "calc/units.h"
#include "numtext/number_text.h"
#include "tables/conduit_area.h"

namespace ferrovolt {
namespace {

constexpr std::size_t kShownWidth = 12;

// A radius passes through its number text before use.
double viaText(double value) {
    return readBackDouble(formatDouble(value));
}

}  // namespace

Answer<ConduitResult> CalcConduitCapacity(const Tables& tables, bool inches, std::string_view size,
                                          bool fill40, std::string_view cable) {
    const std::size_t column = inches ? 1 : 0;
    int row = 0;
    while (row < kConduitSizeCount &&
           tables.ConduitSizeTable[static_cast<std::size_t>(row)][column] != size)
        ++row;
    if (row == kConduitSizeCount) return Refusal{Field::ConduitSize};

    const std::optional<double> cableDiameter = readDouble(cable);
    if (!cableDiameter) return unreadableNumber(Field::Cable, cable);
    if (*cableDiameter < 0) return Refusal{Field::Cable, Reason::Negative};

    const ConduitAreas* derived = conduitAreas(tables, inches, row, fill40);
    ConduitAreas conduit = derived ? *derived : exactConduitAreas(tables, inches, row, fill40);
    ConduitResult out;
    out.CondArea = std::move(conduit.CondArea);
    out.UseableArea = std::move(conduit.UseableArea);
    if (tables.Derived) {
        // The same texts, with their values carried along instead of read back. Half a
        // diameter typed with n decimals is most often a decimal of n + 1 places.
        const std::size_t point = cable.find('.');
        const int places =
            point == std::string_view::npos ? 1 : static_cast<int>(cable.size() - point);
        const double rc = showDouble(*cableDiameter / 2, std::string_view::npos, places).value;
        ShownNumber area = showRoundedDouble(rc * rc * kPi, 15, kShownWidth);
        if (!std::isfinite(rc * rc * kPi)) return Refusal{Field::Cable, Reason::TooLarge};
        if (area.value == 0) return Refusal{Field::Cable, Reason::AreaShowsZero};
        out.CableArea = std::move(area.text);
        out.CableQty =
            showDouble(std::floor(conduit.useable / area.value), std::string_view::npos, 0).text;
        return out;
    }
    const double rc = viaText(*cableDiameter / 2);
    out.CableArea = shownDouble(rc * rc * kPi, kShownWidth);
    // Each step works from the shown, cut text of the step before.
    const double cableArea = readBackDouble(out.CableArea);
    if (!std::isfinite(rc * rc * kPi)) return Refusal{Field::Cable, Reason::TooLarge};
    if (cableArea == 0) return Refusal{Field::Cable, Reason::AreaShowsZero};
    out.CableQty = formatDouble(std::floor(conduit.useable / cableArea));
    return out;
}

}  // namespace ferrovolt
