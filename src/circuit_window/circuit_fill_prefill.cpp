// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/circuit_fill_prefill.h"

#include <string_view>
#include <utility>

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
    // The grounding conductor the check sized (250.122); where the table gives it no value,
    // the phase size stands in and the note says so.
    const std::string_view egc = answer.egc ? circuitSizeLabel(*answer.egc) : answer.sizeLabel;
    // The phase conductors, then a grounding conductor for each set, in rows of their own.
    for (const auto& [count, size] :
         {std::pair{phases * answer.sets, answer.sizeLabel}, std::pair{answer.sets, egc}}) {
        auto row = fillWireOf(std::to_string(count), size, type);
        if (auto* wire = std::get_if<FillRow>(&row)) fill.inputs.rows.push_back(*wire);
    }
    const auto text = [](std::string_view s) {
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    };
    const QString conductors = QStringLiteral("From the circuit check: %1 × %2 %3 and ")
                                   .arg(phases * answer.sets)
                                   .arg(text(answer.sizeLabel), QString::fromLatin1(type));
    fill.note = answer.egc ? conductors + QStringLiteral(
                                              "%1 × %2 grounding conductor, one per set, "
                                              "by %3 250.122. ")
                                              .arg(answer.sets)
                                              .arg(text(egc), text(answer.code))
                           : conductors + QStringLiteral(
                                              "a grounding conductor per set at the same "
                                              "size, as %1 Table 250.122 gives no value for "
                                              "this device here; enter its actual size. ")
                                              .arg(text(answer.code));
    fill.note += QStringLiteral("The raceway type follows the raceway material; choose yours.");
    return fill;
}

}  // namespace ferrovolt
