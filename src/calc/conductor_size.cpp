// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conductor_size.h"

#include <cmath>
#include <cstddef>

#include "calc/drop_circuit.h"
#include "calc/units.h"
#include "numtext/number_text.h"
#include "tables/gauge_area.h"

namespace ferrovolt {
namespace {

// The value of a gauge's area text under AWG.
float awgArea(const Tables& tables, int position, int unitMode) {
    const GaugeAreaCell* cell = gaugeAreaCell(tables, position, 0, unitMode);
    return cell ? cell->single : readBackSingle(exactGaugeArea(tables, position, 0, unitMode));
}

}  // namespace

Answer<ConductorSizeResult> CalcConductorSize(const Tables& tables, std::string_view length,
                                              bool metres, std::string_view current,
                                              std::string_view material, bool singlePhase,
                                              std::string_view volts) {
    const auto inputs = readDropCircuit(tables, length, metres, current, material);
    if (const auto* refusal = std::get_if<Refusal>(&inputs)) return *refusal;
    const DropCircuit& in = std::get<DropCircuit>(inputs);

    const DropLimit* limit = findDropLimit(volts);
    if (!limit) return Refusal{Field::Volts};

    const double phase = singlePhase ? kSinglePhaseFactor : kThreePhaseFactor;
    const auto cmMin = static_cast<float>(
        static_cast<double>(in.resistivity) * kOhmCircularMilsPerFootPerMicrohmCm * phase *
        static_cast<double>(in.lengthFeet) * in.current / static_cast<double>(limit->volts));
    // A requirement beyond the single range is no size at all.
    if (!std::isfinite(cmMin)) return Refusal{Field::Current, Reason::TooLarge};

    ConductorSizeResult out;
    out.lblCmils = cutSingle(roundSingle(cmMin, 6), 8);

    // The thinnest AWG gauge whose area exceeds the requirement. AWG areas grow strictly from
    // gauge 40 (position 46) to 6/0 (position 1), so halving finds the same gauge as a walk
    // upwards from 40 would; an area equal to the requirement does not exceed it.
    int position = kFirstGaugePosition;
    const bool awg = awgArea(tables, kFirstGaugePosition, CircularMils) > cmMin;
    if (awg) {
        int thinner = kLastGaugePosition + 1;  // first position known not to exceed
        while (thinner - position > 1) {
            const int middle = (position + thinner) / 2;
            if (awgArea(tables, middle, CircularMils) > cmMin)
                position = middle;
            else
                thinner = middle;
        }
    }
    if (awg) {
        out.lblMinAWG = "# " + tables.GaugeTable[static_cast<std::size_t>(position)][kLabelRow];
        const float metric = awgArea(tables, position, SquareMillimetres);
        out.lblMinMetric = formatSingle(metric);
        out.lblNomMetric = kOutOfRange;
        for (int row = 0; row < static_cast<int>(tables.MetricSizeTable.size()); ++row) {
            if (metricSizeValue(tables, row) >= metric) {
                out.lblNomMetric = tables.MetricSizeTable[static_cast<std::size_t>(row)][1];
                break;
            }
        }
        return out;
    }

    out.lblMinAWG = kOutOfRange;
    for (float kcmil : tables.KcmilSizeTable) {
        if (kcmil > cmMin) {
            out.lblMinAWG = formatSingle(kcmil / 1000) + " Kcmils";
            break;
        }
    }
    const double section =
        roundDouble(static_cast<double>(cmMin) * kSquareMillimetresPerCircularMil, 1);
    out.lblMinMetric = cutDouble(section, 8) + " sq mm";
    out.lblNomMetric = kOutOfRange;
    return out;
}

}  // namespace ferrovolt
