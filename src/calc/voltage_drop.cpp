// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/voltage_drop.h"

#include <cmath>
#include <cstddef>
#include <optional>

#include "calc/drop_circuit.h"
#include "calc/units.h"
#include "numtext/number_text.h"
#include "tables/gauge_area.h"
#include "tables/lists.h"

namespace ferrovolt {
namespace {

constexpr std::size_t kShownLength = 7;

// A plain AWG text ends in "AWG" and has no "/" as its second character ("18 AWG").
bool isPlainAwg(std::string_view gauge) {
    return gauge.size() >= 3 && gauge.substr(gauge.size() - 3) == "AWG" && gauge.find('/') != 1;
}

struct ConductorArea {
    double circularMils;
    const std::string* text = nullptr;  // circularMils written as a double, where tables hold it
};

// Conductor area in circular mils of a gauge text, or nothing when it names no conductor.
std::optional<ConductorArea> conductorArea(const Tables& tables, std::string_view gauge) {
    if (isPlainAwg(gauge)) {
        if (gauge.size() <= 4) return std::nullopt;
        const std::optional<int> position =
            gaugePositionOfLabel(tables, gauge.substr(0, gauge.size() - 4));
        if (!position) return std::nullopt;
        const GaugeAreaCell* cell = gaugeAreaCell(tables, *position, 0, CircularMils);
        if (cell) return ConductorArea{cell->wide, &cell->wideText};
        return ConductorArea{readBackDouble(exactGaugeArea(tables, *position, 0, CircularMils))};
    }
    for (const KcmilText& k : kKcmilTexts)
        if (k.text == gauge) return ConductorArea{k.circularMils};
    for (std::size_t i = 0; i < kLargeAwgTexts.size(); ++i) {
        if (kLargeAwgTexts[i] != gauge) continue;
        const float d = gaugeDiameter(tables, static_cast<int>(i) + 1, 0);
        const double half = static_cast<double>(d) / 2;
        const auto a = static_cast<float>((half * kPi) * half);
        return ConductorArea{
            readBackDouble(shownDouble(static_cast<double>(a) * kCircularMilsPerSquareInch, 12))};
    }
    return std::nullopt;
}

}  // namespace

Answer<VoltageDropResult> CalcVoltageDrop(const Tables& tables, std::string_view length,
                                          bool metres, std::string_view current,
                                          std::string_view material, std::string_view supply,
                                          std::string_view gauge) {
    const auto inputs = readDropCircuit(tables, length, metres, current, material);
    if (const auto* refusal = std::get_if<Refusal>(&inputs)) return *refusal;
    const DropCircuit& in = std::get<DropCircuit>(inputs);

    const Supply* found = findSupply(supply);
    if (!found) return Refusal{Field::Supply};
    const std::optional<ConductorArea> area = conductorArea(tables, gauge);
    if (!area) return Refusal{Field::Gauge};
    const double cm = area->circularMils;

    // Ohm-circular-mils per foot of the material; the loop is out and back.
    const double k = static_cast<double>(in.resistivity) * kOhmCircularMilsPerFootPerMicrohmCm;
    const double d = 2 * k * static_cast<double>(in.lengthFeet) * in.current / cm *
                     static_cast<double>(found->phaseFactor) * kDropRoundingScale;
    if (!std::isfinite(d)) return Refusal{Field::Current, Reason::TooLarge};

    VoltageDropResult out;
    out.lblCMA = area->text ? *area->text : formatDouble(cm);
    const double volts = static_cast<double>(found->volts);
    if (tables.Derived) {
        // The same texts, with the shown drop carried along instead of read back; the drop,
        // the percentage and most load voltages are decimals of one place.
        const ShownNumber drop =
            showDouble(roundDouble(d, 0) / kDropRoundingScale, kShownLength, 1);
        out.lblDrop = drop.text;
        out.lblPCdrop = showDouble(roundDouble(drop.value / volts * 1000, 0) / kDropRoundingScale,
                                   kShownLength, 1)
                            .text;
        if (drop.value >= volts)
            out.lblVoltsOut = kOutOfRange;
        else
            out.lblVoltsOut = showDouble(volts - drop.value, kShownLength, 1).text;
        return out;
    }
    out.lblDrop = cutDouble(roundDouble(d, 0) / kDropRoundingScale, kShownLength);
    // Percent and load voltage follow from the drop as shown.
    const double shownDrop = readBackDouble(out.lblDrop);
    out.lblPCdrop =
        cutDouble(roundDouble(shownDrop / volts * 1000, 0) / kDropRoundingScale, kShownLength);
    // A drop that takes the whole supply leaves the load no voltage to speak of; the drop and
    // its percentage still show why.
    if (shownDrop >= volts)
        out.lblVoltsOut = kOutOfRange;
    else
        out.lblVoltsOut = cutDouble(volts - shownDrop, kShownLength);
    return out;
}

}  // namespace ferrovolt
