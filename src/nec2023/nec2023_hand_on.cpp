// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec2023/nec2023_hand_on.h"

#include "check/common_fields.h"
#include "nec2023/nec2023_fields.h"
#include "numtext/rounded_number.h"

namespace ferrovolt {

HandOn necFillHandOn(const CircuitAnswer& answer) {
    const CircuitInputs& in = answer.trail.inputs;
    // The raceway material of Chapter 9 Table 9 as the commonest raceway type of it.
    const std::string_view raceway = in.raceway == Raceway::Pvc         ? "pvc-40"
                                     : in.raceway == Raceway::Aluminium ? "rmc"
                                                                        : "emt";
    // THHN/THWN-2 for 90 °C, THW for 75 °C and TW for 60 °C: common types of each rating.
    const std::string_view type = in.insulation >= 90 ? "THHN" : in.insulation >= 75 ? "THW" : "TW";
    const int phases = in.threePhase ? 3 : 2;
    // The grounding conductor the check sized (250.122); where the table gives it no value,
    // the phase size stands in and the note says so.
    const std::string_view egc = answer.egc ? circuitSizeLabel(*answer.egc) : answer.sizeLabel;
    const std::string sets = std::to_string(answer.sets);
    const std::string conductors = std::to_string(phases * answer.sets);
    // The phase conductors, then a grounding conductor for each set, in rows of their own.
    const auto wire = [&type](const std::string& count, std::string_view size) {
        return count + "x" + std::string(size) + ":" + std::string(type);
    };
    HandOn handOn;
    handOn.fields = {{keys::kRaceway, {std::string(raceway)}},
                     {keys::kWire, {wire(conductors, answer.sizeLabel), wire(sets, egc)}}};
    const std::string code(answer.code);
    handOn.note = "From the circuit check: " + conductors + " × " + std::string(answer.sizeLabel) +
                  " " + std::string(type) + " and ";
    handOn.note += answer.egc ? sets + " × " + std::string(egc) +
                                    " grounding conductor, one per set, by " + code + " 250.122. "
                              : "a grounding conductor per set at the same size, as " + code +
                                    " Table 250.122 gives no value for this device here; enter "
                                    "its actual size. ";
    handOn.note += "The raceway type follows the raceway material; choose yours.";
    return handOn;
}

std::optional<std::string> necAmpacityWarning(const SizedCircuit& circuit) {
    // The check's own defaults, with what the circuit gives: the warning names the size the
    // Circuit Check window's "Minimum by ampacity" row shows. The other calculator answered
    // the drop by its own limit, so only the ampacity is held against it.
    CircuitInputs in;
    in.material = circuit.material;
    in.feet = circuit.feet;
    in.threePhase = circuit.threePhase;
    in.volts = circuit.volts;
    if (circuitField(keys::kCurrent)->set(in, circuit.current) ||
        circuitField(keys::kLength)->set(in, circuit.length))
        return std::nullopt;
    const CircuitResult result = checkAmpacity(in);
    const auto* answer = std::get_if<CircuitAnswer>(&result);
    const std::string head = "Too small for " + roundedNumberText(in.current, 3) + " A: ";
    const std::string by = " by " + std::string(criterionName(Criterion::Ampacity));
    if (answer == nullptr) {
        // No single conductor of the code's tables carries it.
        const auto* refusal = std::get_if<CircuitRefusal>(&result);
        if (refusal->field != keys::kCurrent || !(in.current > 0)) return std::nullopt;
        return head + "more than " + std::string(circuitSizeLabel(circuitSizeCount() - 1)) + by;
    }
    if (circuit.sizeCmil >= circuitSizeCmil(answer->byAmpacity)) return std::nullopt;
    return head + "at least " + std::string(circuitSizeLabel(answer->byAmpacity)) + by;
}

}  // namespace ferrovolt
