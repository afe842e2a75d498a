// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/gauge_area.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

#include "numtext/number_text.h"
#include "tables/conduit_area.h"

namespace ferrovolt {
namespace {

std::optional<int> positionOf(const Tables& tables, std::string_view gauge, bool byPosition) {
    if (!byPosition) return gaugePositionOfLabel(tables, gauge);
    // Plain whole numbers, as the calculators pass them, need no rounding.
    int whole = 0;
    const auto [end, error] = std::from_chars(gauge.data(), gauge.data() + gauge.size(), whole);
    if (error == std::errc{} && end == gauge.data() + gauge.size() && gauge.front() != '-') {
        if (whole < kFirstGaugePosition || whole > kLastGaugePosition) return std::nullopt;
        return whole;
    }
    // Any other position text converts like a whole number: rounded half to even.
    const std::optional<double> value = readDouble(gauge);
    if (!value) return std::nullopt;
    const double rounded = roundDouble(*value, 0);
    if (rounded < kFirstGaugePosition || rounded > kLastGaugePosition) return std::nullopt;
    return static_cast<int>(rounded);
}

}  // namespace

std::string exactGaugeArea(const Tables& tables, int position, int standard, int unitMode) {
    const float d = readBackSingle(
        tables.GaugeTable[static_cast<std::size_t>(position)][static_cast<std::size_t>(standard)]);
    if (d == 0.0F) return "N/A";

    const double half = static_cast<double>(d) / 2;
    float area = 0.0F;
    switch (unitMode) {
        case SquareMillimetres: {
            const auto dm = static_cast<float>(static_cast<double>(d) * 25.4);
            const double halfMm = static_cast<double>(dm) / 2;
            area = static_cast<float>(halfMm * halfMm * kPi);
            break;
        }
        case SquareInches:
            area = static_cast<float>(half * half * kPi);
            break;
        case CircularMils: {
            const auto squareInches = static_cast<float>(half * half * kPi);
            area =
                static_cast<float>(static_cast<double>(squareInches) * kCircularMilsPerSquareInch);
            break;
        }
        default:
            break;
    }
    return formatSingle(roundSingle(area, 7));
}

std::optional<std::string> GaugeArea(const Tables& tables, std::string_view gauge, int standard,
                                     int unitMode, bool byPosition) {
    if (standard < 0 || standard >= kStandardCount) return std::nullopt;
    const std::optional<int> position = positionOf(tables, gauge, byPosition);
    if (!position) return std::nullopt;
    const GaugeAreaCell* cell = gaugeAreaCell(tables, *position, standard, unitMode);
    if (cell) return cell->text;
    return exactGaugeArea(tables, *position, standard, unitMode);
}

GaugeMeasures exactGaugeMeasures(const Tables& tables, int position, int standard) {
    constexpr std::size_t kShownWidth = 12;
    const float d = readBackSingle(
        tables.GaugeTable[static_cast<std::size_t>(position)][static_cast<std::size_t>(standard)]);
    if (d == 0.0F) {
        const std::string na = "N/A";
        return GaugeMeasures{na, na, na, na, na, na, na};
    }
    const auto dm = static_cast<float>(static_cast<double>(d) * kMillimetresPerInch);
    const double half = static_cast<double>(d) / 2;
    const double halfMm = static_cast<double>(dm) / 2;
    const auto ai = static_cast<float>(half * kPi * half);
    const auto am = static_cast<float>(halfMm * kPi * halfMm);

    // Doubles are shown rounded to 15 decimals and cut to 12 characters.
    GaugeMeasures out;
    out.Dia_inch = formatSingle(d);
    out.Dia_mm = formatSingle(dm);
    out.Area_inches = formatSingle(roundSingle(ai, 7));
    out.Area_mm = formatSingle(roundSingle(am, 7));
    out.Area_mils =
        cutRoundedDouble(static_cast<double>(ai) * kCircularMilsPerSquareInch, 15, kShownWidth);
    out.Pounds = cutRoundedDouble(
        static_cast<double>(ai) * kCubicInchesPer1000Feet * kCopperPoundsPerCubicInch, 15,
        kShownWidth);
    // Kilos follow from the pounds as shown, not from the unrounded weight.
    out.Kilos = cutRoundedDouble(
        readBackDouble(out.Pounds) / kPoundsPerKilogram / kMetresPerFoot / 10, 15, kShownWidth);
    return out;
}

GaugeWeights exactGaugeWeights(const Tables& tables, int position) {
    const float d = gaugeDiameter(tables, position, 0);
    const auto dd = static_cast<float>(static_cast<double>(d) * static_cast<double>(d));
    // Shown rounded to 7 decimals; each weight follows from the shown text of the one before.
    GaugeWeights out;
    out.Pounds_f = formatRoundedDouble(
        (kPi / 4) * static_cast<double>(dd) * kCubicInchesPer1000Feet * kCopperPoundsPerCubicInch,
        7);
    out.Kilo_Km =
        formatRoundedDouble(readBackDouble(out.Pounds_f) / kPoundsPerKilogram / kMetresPerFoot, 7);
    out.Kilo_mtr = formatRoundedDouble(readBackDouble(out.Kilo_Km) / 1000, 7);
    return out;
}

void deriveTables(Tables& tables) {
    for (std::size_t position = 0; position < tables.GaugeTable.size(); ++position) {
        for (std::size_t standard = 0; standard < kStandardCount; ++standard) {
            tables.GaugeDiameters[position][standard] =
                readBackSingle(tables.GaugeTable[position][standard]);
            tables.GaugeMeasureTexts[position][standard] =
                exactGaugeMeasures(tables, static_cast<int>(position), static_cast<int>(standard));
            for (std::size_t unit = 0; unit < kUnitModeCount; ++unit) {
                GaugeAreaCell& cell = tables.GaugeAreas[position][standard][unit];
                cell.text = exactGaugeArea(tables, static_cast<int>(position),
                                           static_cast<int>(standard), static_cast<int>(unit));
                cell.single = readBackSingle(cell.text);
                cell.wide = readBackDouble(cell.text);
                cell.wideText = formatDouble(cell.wide);
            }
        }
    }
    tables.GaugePositionsByKey.fill(-1);
    for (int position = kLastGaugePosition; position >= kFirstGaugePosition; --position) {
        const std::optional<int> key =
            gaugeLabelKey(tables.GaugeTable[static_cast<std::size_t>(position)][kLabelRow]);
        if (key)
            tables.GaugePositionsByKey[static_cast<std::size_t>(*key)] =
                static_cast<std::int8_t>(position);
    }
    for (std::size_t position = 1; position < tables.GaugeTable.size(); ++position)
        tables.GaugeWeightTexts[position] = exactGaugeWeights(tables, static_cast<int>(position));
    for (int row = 0; row < kConduitSizeCount; ++row) {
        for (const bool inches : {false, true}) {
            for (const bool fill40 : {false, true})
                tables.ConduitAreaTexts[inches ? 1 : 0][static_cast<std::size_t>(row)]
                                       [fill40 ? 1 : 0] =
                    exactConduitAreas(tables, inches, row, fill40);
        }
    }
    for (std::size_t row = 0; row < kMaterialCount; ++row) {
        tables.MaterialValues[row][0] = readBackSingle(tables.MaterialTable[row][1]);
        tables.MaterialValues[row][1] = readBackSingle(tables.MaterialTable[row][2]);
    }
    for (std::size_t row = 0; row < tables.MetricSizeTable.size(); ++row)
        tables.MetricSizeValues[row] = readBackSingle(tables.MetricSizeTable[row][0]);
    tables.Derived = true;
}

}  // namespace ferrovolt
