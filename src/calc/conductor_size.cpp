#include "calc/conductor_size.h"

#include <cmath>
#include <cstddef>

#include "calc/circuit_inputs.h"
#include "calc/units.h"
#include "numtext/number_text.h"
#include "tables/gauge_area.h"

namespace ferrovolt {
Answer<ConductorSizeResult> CalcConductorSize(const Tables& tables, std::string_view length,
                                              bool metres, std::string_view current,
                                              std::string_view material, bool singlePhase,
                                              std::string_view volts) {
    const auto inputs = readCircuitInputs(tables, length, metres, current, material);
    if (const auto* refusal = std::get_if<Refusal>(&inputs)) return *refusal;
    const CircuitInputs& in = std::get<CircuitInputs>(inputs);

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
    const auto awgArea = [&tables](int n) {
        return readBackSingle(
            GaugeArea(tables, std::to_string(n), 0, CircularMils, true).value_or(""));
    };
    int position = kFirstGaugePosition;
    const bool awg = awgArea(kFirstGaugePosition) > cmMin;
    if (awg) {
        int thinner = kLastGaugePosition + 1;  // first position known not to exceed
        while (thinner - position > 1) {
            const int middle = (position + thinner) / 2;
            if (awgArea(middle) > cmMin)
                position = middle;
            else
                thinner = middle;
        }
    }
    if (awg) {
        out.lblMinAWG = "# " + tables.GaugeTable[static_cast<std::size_t>(position)][kLabelRow];
        const float metric = readBackSingle(
            GaugeArea(tables, std::to_string(position), 0, SquareMillimetres, true).value_or(""));
        out.lblMinMetric = formatSingle(metric);
        out.lblNomMetric = kOutOfRange;
        for (const auto& row : tables.MetricSizeTable) {
            if (readBackSingle(row[0]) >= metric) {
                out.lblNomMetric = row[1];
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
