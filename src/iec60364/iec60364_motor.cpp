// SPDX-License-Identifier: GPL-3.0-or-later
#include "iec60364/iec60364_motor.h"

#include <cmath>
#include <string>

#include "iec60364/iec60364_steps.h"

namespace ferrovolt::iec60364::detail {

namespace {

motors::MotorInputs motorInputs(const IecInputs& in) {
    motors::MotorInputs m;
    m.supply = in.phase == Phase::Three    ? motors::Supply::ThreePhase
               : in.phase == Phase::Single ? motors::Supply::SinglePhase
                                           : motors::Supply::Dc;
    m.volts = in.volts;
    m.kw = in.kw;
    m.efficiency = in.efficiency;
    m.powerFactor = in.motorPowerFactor;
    m.fla = in.fla;
    m.lra = in.lra;
    m.startMultiple = in.startMultiple;
    m.startPowerFactor = in.startPowerFactor;
    m.dipLimitMotor = in.dipLimitMotor;
    m.dipLimitBoard = in.dipLimitBoard;
    return m;
}

// A fraction such as an efficiency or a power factor: more than 0, at most 1.
bool fraction(std::optional<double> value) {
    return !value || (positive(*value) && *value <= 1);
}

bool dipLimit(double percent) {
    return positive(percent) && percent < 100;
}

}  // namespace

std::variant<MotorCircuit, IecRefusal> motorDesign(const IecInputs& in) {
    // Every motor input given is checked, though the nameplate current makes some unread.
    if (in.kw && !positive(*in.kw)) return refuse("kw", "must be more than 0 kW");
    if (!fraction(in.efficiency)) return refuse("efficiency", "must be more than 0 and at most 1");
    if (!fraction(in.motorPowerFactor))
        return refuse("motor_pf", "must be more than 0 and at most 1");
    if (in.kw && !in.fla && !in.efficiency)
        return refuse("efficiency",
                      "is needed with the rated power kw: the supply gives the shaft's power "
                      "over it");
    if (in.kw && !in.fla && !in.motorPowerFactor)
        return refuse("motor_pf", "is needed with the rated power kw");
    if (in.lra && in.startMultiple)
        return refuse("start_multiple", "is given with the locked-rotor current: give either");
    if (!dipLimit(in.dipLimitMotor))
        return refuse("dip_limit_motor", "must be more than 0 and less than 100 %");
    if (!dipLimit(in.dipLimitBoard))
        return refuse("dip_limit_board", "must be more than 0 and less than 100 %");
    motors::MotorResult result = motors::iecMotor(motorInputs(in));
    if (auto* no = std::get_if<motors::MotorRefusal>(&result))
        return refuse(no->field, std::move(no->reason));
    MotorCircuit circuit;
    circuit.motor = std::get<motors::MotorAnswer>(std::move(result));
    return circuit;
}

// The source is taken at the motor's starting angle where only its size is known: of every
// impedance of that size it gives the largest dip, the two adding in full.
std::optional<IecRefusal> motorStart(const IecInputs& in, IecAnswer& a) {
    MotorCircuit& circuit = *a.motor;
    const bool three = in.phase == Phase::Three;
    const double pf = circuit.motor.startPowerFactor;
    if (in.sourceR && in.sourceX) {
        circuit.source = StartSource::Tree;
        circuit.sourcePath = {*in.sourceR, *in.sourceX};
        circuit.sourceOhms = std::hypot(*in.sourceR, *in.sourceX);
    } else {
        if (in.faultCurrent) {
            circuit.source = StartSource::FaultCurrent;
            circuit.sourceOhms = (three ? in.volts / std::sqrt(3.0) : in.volts) / *in.faultCurrent;
        } else if (!three && in.ze) {
            circuit.source = StartSource::Ze;
            circuit.sourceOhms = *in.ze;
        } else {
            return std::nullopt;
        }
        circuit.sourcePath = {circuit.sourceOhms * pf, circuit.sourceOhms * std::sqrt(1 - pf * pf)};
    }
    // The cable as Annex G takes it: ρ1 at the conductor's running temperature and λ per
    // conductor, per phase for three phase, out and back for single phase.
    const double conductors = three ? 1 : 2;
    const double length = in.length / a.sets;
    const double mm2 = kSizes[static_cast<std::size_t>(a.size)].mm2;
    const double rho1 = in.material == Metal::Copper ? kAnnexG.rho1Copper : kAnnexG.rho1Aluminium;
    circuit.cable = {conductors * rho1 * length / mm2, conductors * kAnnexG.lambda * length};
    motors::MotorInputs m = motorInputs(in);
    m.toBoard = circuit.sourcePath;
    m.toMotor = motors::Impedance{circuit.sourcePath.r + circuit.cable.r,
                                  circuit.sourcePath.x + circuit.cable.x};
    motors::MotorResult result = motors::iecMotor(m);
    if (auto* no = std::get_if<motors::MotorRefusal>(&result))
        return refuse(no->field, std::move(no->reason));
    circuit.motor = std::get<motors::MotorAnswer>(std::move(result));
    return std::nullopt;
}

}  // namespace ferrovolt::iec60364::detail
