// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/circuit_fill_prefill.h"

namespace ferrovolt {

CircuitFill circuitFill(const CircuitAnswer& answer) {
    const CircuitInputs& in = answer.trail.inputs;
    CircuitFill fill;
    // The raceway material of Chapter 9 Table 9 as the commonest raceway type of it.
    const char* raceway = in.raceway == Raceway::Pvc         ? "pvc-40"
                          : in.raceway == Raceway::Aluminium ? "rmc"
                                                             : "emt";
    fill.inputs.raceway = fillRacewayOf(raceway).value_or(0);
    // THHN/THWN-2 for 90 °C, THW for 75 °C and TW for 60 °C: common types of each rating.
    const char* type = in.insulation >= 90 ? "THHN" : in.insulation >= 75 ? "THW" : "TW";
    const int phases = in.threePhase ? 3 : 2;
    const std::string size(answer.sizeLabel);
    // The phase conductors, then a grounding conductor for each set, in rows of their own.
    for (const int count : {phases * answer.sets, answer.sets}) {
        auto row = fillWireOf(std::to_string(count), size, type);
        if (auto* wire = std::get_if<FillRow>(&row)) fill.inputs.rows.push_back(*wire);
    }
    fill.note = QStringLiteral(
                    "From the circuit check: %1 × %2 %3 and a grounding conductor per set at the "
                    "same size, the largest Table 250.122 can call for; enter its actual size. "
                    "The raceway type follows the raceway material; choose yours.")
                    .arg(phases * answer.sets)
                    .arg(QString::fromUtf8(answer.sizeLabel.data(),
                                           static_cast<qsizetype>(answer.sizeLabel.size())),
                         QString::fromLatin1(type));
    return fill;
}

}  // namespace ferrovolt
