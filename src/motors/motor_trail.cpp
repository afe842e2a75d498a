// SPDX-License-Identifier: GPL-3.0-or-later
// The trail of a motor answer, written from its inputs and the numbers the rules found, only
// when a front end asks for it: the rules themselves write no text but their refusals.

#include <string>

#include "motors/motor_rules.h"
#include "motors/motors.h"

namespace ferrovolt::motors {

namespace {

std::string number(double value, int decimals = 2) {
    return roundedNumberText(value, decimals);
}

std::string percentOf(double percent, double current) {
    return number(percent) + " % × " + amps(current);
}

std::string cited(const Citation& cite) {
    return citationText(cite);
}

std::string cited(const Citation& first, const Citation& second) {
    return citationText(first) + ", " + std::string(second.item);
}

constexpr std::string_view kInput = "input";
constexpr std::string_view kDesignCriterion = "design criterion, not code";

std::string_view dutyName(Duty duty) {
    return duty == Duty::Continuous ? "continuous" : kTable430_22E[dutyRowIndex(duty)].duty;
}

void startSteps(const MotorAnswer& a, std::vector<TrailStep>& trail) {
    const MotorInputs& in = a.inputs;
    if (!a.startCurrent) return;
    if (a.startFrom == StartFrom::Nameplate) {
        trail.push_back(
            {"locked-rotor current", amps(*a.startCurrent) + ", nameplate", std::string(kInput)});
    } else if (a.startFrom == StartFrom::CodeLetter) {
        const CodeLetterRow& row = *codeLetterRow(*in.codeLetter);
        const double volts = a.ratedVolts > 0 ? a.ratedVolts : in.volts;
        trail.push_back({"locked-rotor kVA",
                         number(in.hp, 3) + " hp × " + number(row.kvaPerHp) +
                             (row.letter == 'V' ? " kVA/hp at least" : " kVA/hp") + " (letter " +
                             std::string(1, row.letter) +
                             ", kVA per horsepower, not a multiple of the full-load current) = " +
                             number(a.startKva) + " kVA",
                         cited(kTable430_7B.cite, kRuleLockedRotor)});
        trail.push_back({"locked-rotor current",
                         number(a.startKva) + " kVA at " + number(volts) + " V" +
                             (in.supply == Supply::ThreePhase ? " three-phase" : "") + " = " +
                             amps(*a.startCurrent),
                         cited(kRuleLockedRotor)});
    } else {
        const double k = *a.startCurrent / a.designCurrent;
        trail.push_back({"locked-rotor current",
                         number(k) + " × " + amps(a.designCurrent) + " = " + amps(*a.startCurrent) +
                             (a.startMultipleDefault ? " (default starting multiple)" : ""),
                         std::string(a.startMultipleDefault ? "default" : kInput)});
    }
    trail.push_back({"starting power factor",
                     number(a.startPowerFactor) + (a.startPowerFactorDefault ? " (default)" : ""),
                     std::string(a.startPowerFactorDefault ? "default" : kInput)});
    auto dipStep = [&trail](std::string_view where, double divider, double screening,
                            double limit) {
        trail.push_back({std::string("starting dip at ") + std::string(where),
                         number(divider) + " % (constant-current estimate " + number(screening) +
                             " %); limit " + number(limit) + " %" +
                             (divider > limit ? ", exceeded" : ", met"),
                         std::string(kDesignCriterion)});
    };
    if (a.startDipPercent)
        dipStep("the motor", *a.startDipPercent, *a.startDipScreeningPercent, in.dipLimitMotor);
    if (a.startDipBoardPercent)
        dipStep("the board", *a.startDipBoardPercent, *a.startDipBoardScreeningPercent,
                in.dipLimitBoard);
}

void necSteps(const MotorAnswer& a, std::vector<TrailStep>& trail) {
    const MotorInputs& in = a.inputs;
    std::string column =
        std::string(a.hpLabel) + " hp, " + std::to_string(a.ratedVolts) + " V column";
    if (in.volts != a.ratedVolts) column += " for a " + number(in.volts) + " V system";
    const double tableAmps = *a.flc / a.synchronousMultiplier;
    std::string flc = amps(tableAmps) + " (" + column + ")";
    if (a.synchronousMultiplier != 1)
        flc += " × " + number(a.synchronousMultiplier) + " at " +
               number(in.synchronousPowerFactor) + " power factor = " + amps(*a.flc);
    trail.push_back({"full-load current", flc, cited(a.flcTable, kRuleTableCurrent)});
    if (a.conductorFromNameplate)
        trail.push_back(
            {"conductor current",
             percentOf(a.conductorPercent, *in.fla) + " nameplate (" +
                 std::string(dutyName(in.duty)) + " duty, " +
                 (in.dutyMinutes == 0 ? std::string("continuous rated")
                                      : std::to_string(in.dutyMinutes) + "-minute rated") +
                 ") = " + amps(a.conductorCurrent),
             cited(kTable430_22E.cite, kRuleDutyConductor)});
    else
        trail.push_back({"conductor current",
                         percentOf(a.conductorPercent, *a.flc) + " = " + amps(a.conductorCurrent),
                         cited(kRuleConductor)});
    trail.push_back({"terminal temperature",
                     a.terminals75 ? "75 °C column: a Design B, C or D motor, 75 °C terminations "
                                     "confirmed"
                                   : "75 °C column only for a Design B, C or D motor with 75 °C "
                                     "terminations confirmed",
                     cited(kRuleMotorTerminals)});
    if (a.overload) {
        const bool high =
            a.overloadPercent == kOverloadHigh || a.overloadPercent == kOverloadHighCeiling;
        trail.push_back({"overload",
                         percentOf(a.overloadPercent, *in.fla) +
                             " nameplate = " + amps(*a.overload) +
                             (high ? " (service factor 1.15 or more, or a rise of 40 °C or less)"
                                   : " (neither a service factor of 1.15 or more nor a rise "
                                     "of 40 °C or less)"),
                         cited(in.willNotStart ? kRuleOverloadCeiling : kRuleOverload)});
    }
    trail.push_back({"branch device, table",
                     percentOf(a.devicePercent, *a.flc) + " = " + amps(a.tableMaxDevice) + " (" +
                         std::string(deviceTypeName(in.device)) + ", " + std::string(a.deviceRow) +
                         ")",
                     cited(kTable430_52C1.cite)});
    switch (a.deviceRule) {
        case DeviceRule::Table:
            trail.push_back({"branch device, maximum",
                             amps(a.maxDevice) + (in.device == DeviceType::InstantaneousTrip
                                                      ? ", a setting"
                                                      : ", a standard rating"),
                             cited(kTable430_52C1.cite)});
            break;
        case DeviceRule::NextSizeUp:
            trail.push_back({"branch device, maximum",
                             amps(a.maxDevice) + ", the next standard rating up",
                             cited(kRuleNextSizeUp, nec2023::kTable240_6A.cite)});
            break;
        case DeviceRule::WillNotStart: {
            const bool instantaneous = in.device == DeviceType::InstantaneousTrip;
            const double ceiling =
                instantaneous ? (a.deviceRow == kTable430_52C1[kEfficientRow].motor
                                     ? kInstantaneousNoStartEfficient
                                     : kInstantaneousNoStart)
                              : (*a.flc <= kInverseTimeNoStartSplit ? kInverseTimeNoStartLow
                                                                    : kInverseTimeNoStartHigh);
            trail.push_back({"branch device, maximum",
                             "the motor will not start on the table's value: " +
                                 percentOf(ceiling, *a.flc) + " = " + amps(*a.flc * ceiling / 100) +
                                 (instantaneous ? ", a setting"
                                                : "; " + amps(a.maxDevice) +
                                                      ", the standard rating at or below"),
                             instantaneous ? cited(kRuleInstantaneousNoStart)
                                           : cited(kRuleWillNotStart, nec2023::kTable240_6A.cite)});
            break;
        }
    }
    trail.push_back({"conductor protection",
                     "the branch device may be above the conductor's ampacity",
                     cited(kRuleSmallConductors)});
}

}  // namespace

std::vector<TrailStep> motorTrail(const MotorAnswer& a) {
    std::vector<TrailStep> trail;
    const MotorInputs& in = a.inputs;
    if (a.hvac) {
        trail.push_back({"conductor current",
                         amps(a.conductorCurrent) + ", the nameplate's "
                                                    "minimum circuit ampacity",
                         cited(kRuleHvacConductor)});
        trail.push_back({"branch device, maximum",
                         amps(a.maxDevice) + ", the nameplate's maximum overcurrent protection",
                         cited(kRuleHvacDevice)});
        trail.push_back({"conductor protection",
                         "the branch device may be above the conductor's ampacity",
                         cited(kRuleSmallConductors)});
        startSteps(a, trail);
        return trail;
    }
    if (a.flc) {
        necSteps(a, trail);
    } else {
        trail.push_back({"design current",
                         in.fla
                             ? amps(a.designCurrent) + ", nameplate"
                             : number(*in.kw) + " kW / (" +
                                   (in.supply == Supply::ThreePhase ? "√3 × " : "") +
                                   number(in.volts) + " V × " + number(*in.efficiency, 3) + " × " +
                                   number(*in.powerFactor, 3) + ") = " + amps(a.designCurrent),
                         std::string(kInput)});
        if (a.startCurrent)
            trail.push_back({"starting",
                             "the running limits on voltage drop do not apply while the motor "
                             "starts",
                             cited(kIecStartNote)});
    }
    startSteps(a, trail);
    return trail;
}

std::string deviceRuleText(const MotorAnswer& a) {
    if (a.hvac) return cited(kRuleHvacDevice) + ", the nameplate's maximum overcurrent protection";
    if (!a.flc) return {};
    std::string text = cited(kTable430_52C1.cite) + ", " + std::string(a.deviceRow) + ", " +
                       std::string(deviceTypeName(a.inputs.device)) + " " +
                       number(a.devicePercent) + " %";
    switch (a.deviceRule) {
        case DeviceRule::Table:
            break;
        case DeviceRule::NextSizeUp:
            text += "; next size up, " + std::string(kRuleNextSizeUp.item);
            break;
        case DeviceRule::WillNotStart:
            text +=
                "; will not start, " + std::string(a.inputs.device == DeviceType::InstantaneousTrip
                                                       ? kRuleInstantaneousNoStart.item
                                                       : kRuleWillNotStart.item);
            break;
    }
    return text;
}

std::vector<TrailStep> feederTrail(const FeederInputs& in, const FeederAnswer& a) {
    std::vector<TrailStep> trail;
    const double largest = in.motors[a.largest].flc;
    double others = 0;
    for (std::size_t i = 0; i < in.motors.size(); ++i)
        if (i != a.largest) others += in.motors[i].flc;
    trail.push_back({"largest motor",
                     percentOf(kFeederLargestPercent, largest) + " = " +
                         amps(largest * kFeederLargestPercent / 100),
                     cited(kRuleFeederConductor)});
    trail.push_back({"other motors", amps(others), cited(kRuleFeederConductor)});
    const double otherLoads = in.nonContinuous + in.continuous * kFeederLargestPercent / 100;
    if (otherLoads > 0)
        trail.push_back({"other loads",
                         amps(in.nonContinuous) + " + " +
                             percentOf(kFeederLargestPercent, in.continuous) + " = " +
                             amps(otherLoads),
                         cited(kRuleFeederConductor)});
    trail.push_back(
        {"feeder conductor current", amps(a.conductorCurrent), cited(kRuleFeederConductor)});
    const FeederMotor& big = in.motors[a.largestDevice];
    trail.push_back({"feeder device, sum",
                     amps(big.branchDevice) + " largest branch device + " +
                         amps(a.deviceSum - big.branchDevice - otherLoads) +
                         " other full-load currents" +
                         (otherLoads > 0 ? " + " + amps(otherLoads) + " other loads" : "") + " = " +
                         amps(a.deviceSum),
                     otherLoads > 0 ? cited(kRuleFeederDevice, kRuleFeederOtherLoads)
                                    : cited(kRuleFeederDevice)});
    trail.push_back({"feeder device, maximum",
                     amps(a.maxDevice) + ", the standard rating at or below",
                     cited(kRuleFeederDevice, nec2023::kTable240_6A.cite)});
    return trail;
}

}  // namespace ferrovolt::motors
