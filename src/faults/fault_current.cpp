// SPDX-License-Identifier: GPL-3.0-or-later
#include "faults/fault_current.h"

#include <cmath>
#include <limits>
#include <numeric>

#include "faults/fault_tables.h"

namespace ferrovolt::faults {

namespace {
const double kSqrt3 = std::sqrt(3.0);
}  // namespace

double Impedance::xOverR() const {
    return r > 0 ? x / r : std::numeric_limits<double>::infinity();
}

Impedance fromMagnitude(double z, double xOverR) {
    const double r = z / std::sqrt(1 + xOverR * xOverR);
    return {r, r * xOverR};
}

double fullLoadCurrent(double kva, double volts, int phases) {
    return kva * 1000 / (phases == 3 ? kSqrt3 * volts : volts);
}

double letThrough(double kva, double volts, double percentZ, int phases, double tolerance) {
    return fullLoadCurrent(kva, volts, phases) * 100 / (percentZ * tolerance);
}

double utilityMva(double kv, double ka) {
    return kSqrt3 * kv * ka;
}

double transformerMva(double kva, double percentZ) {
    return kva / 1000 / (percentZ / 100);
}

double mvaMethodCurrent(std::span<const double> mvas, double volts) {
    double inverse = 0;
    for (double mva : mvas) inverse += 1 / mva;
    return 1e6 / inverse / (kSqrt3 * volts);
}

PointStep pointToPoint(double amps, double lengthFt, double c, int sets, double volts,
                       PointFault fault) {
    const double k = fault == PointFault::ThreePhase ? kSqrt3 : 2.0;
    PointStep step;
    step.f = k * lengthFt * amps / (c * sets * volts);
    step.m = 1 / (1 + step.f);
    step.current = amps * step.m;
    return step;
}

std::optional<double> conductorConstant(std::string_view size, bool aluminium, bool steel) {
    for (const ConductorConstant& row : kConductorConstants) {
        if (row.size != size) continue;
        const double c = aluminium ? (steel ? row.aluminiumSteel : row.aluminiumNonmagnetic)
                                   : (steel ? row.copperSteel : row.copperNonmagnetic);
        if (c > 0) return c;
        return std::nullopt;
    }
    return std::nullopt;
}

Impedance sourceFromCurrent(double volts, double amps, double xOverR) {
    return fromMagnitude(volts / (kSqrt3 * amps), xOverR);
}

Impedance sourceFromMva(double volts, double mva, double xOverR) {
    return fromMagnitude(volts * volts / (mva * 1e6), xOverR);
}

Impedance transformerImpedance(double kva, double volts, double percentZ, double xOverR,
                               double tolerance) {
    return fromMagnitude(percentZ * tolerance / 100 * volts * volts / (kva * 1000), xOverR);
}

Impedance runImpedance(double rPerKft, double xPerKft, double lengthFt, int sets) {
    return Impedance{rPerKft, xPerKft} * (lengthFt / 1000 / sets);
}

double threePhaseCurrent(double lineVolts, const Impedance& perPhase) {
    return lineVolts / (kSqrt3 * perPhase.magnitude());
}

double loopCurrent(double volts, const Impedance& loop) {
    return volts / loop.magnitude();
}

Impedance networkFeeder(double c, double kvNominal, double mvaShortCircuit, double rOverX,
                        double ratio) {
    const double z = c * kvNominal * kvNominal / mvaShortCircuit / (ratio * ratio);
    const double x = z / std::sqrt(1 + rOverX * rOverX);
    return {x * rOverX, x};
}

CorrectedTransformer iecTransformer(const IecTransformer& t, double cMax) {
    const double base = t.volts * t.volts / (t.kva * 1000);
    const double z = t.ukPercent / 100 * base;
    const double r = t.urPercent / 100 * base;
    CorrectedTransformer out;
    out.plain = {r, std::sqrt(z * z - r * r)};
    out.kT = 0.95 * cMax / (1 + 0.6 * out.plain.x / base);
    out.z = out.plain * out.kT;
    return out;
}

double resistanceAtEnd(double r20, double endCelsius) {
    return (1 + kAlphaShortCircuit * (endCelsius - 20)) * r20;
}

double initialThreePhase(double c, double lineVolts, const Impedance& zk) {
    return c * lineVolts / (kSqrt3 * zk.magnitude());
}

double initialLineToEarth(double c, double phaseVolts, const Impedance& feeder,
                          const Impedance& transformer, const Impedance& cableLoop) {
    return c * phaseVolts / (feeder * (2.0 / 3.0) + transformer + cableLoop).magnitude();
}

double initialLineToEarthSequence(double c, double lineVolts, const Impedance& positive,
                                  const Impedance& zero) {
    return kSqrt3 * c * lineVolts / (positive * 2.0 + zero).magnitude();
}

double peakFactor(const Impedance& zk) {
    return 1.02 + 0.98 * std::exp(-3 * zk.r / zk.x);
}

double peakCurrent(const Impedance& zk, double initialAmps) {
    return peakFactor(zk) * std::sqrt(2.0) * initialAmps;
}

double segmentDropVolts(double rPerKft, double xPerKft, double powerFactor, double lengthFt,
                        double amps, int phases) {
    const double sine = std::sqrt(1 - powerFactor * powerFactor);
    const double ze = rPerKft * powerFactor + xPerKft * sine;
    return (phases == 3 ? kSqrt3 : 2.0) * ze * lengthFt / 1000 * amps;
}

double cumulativeDrop(std::span<const double> segmentPercents) {
    return std::accumulate(segmentPercents.begin(), segmentPercents.end(), 0.0);
}

double remainingBudget(double limitPercent, double cumulativePercent) {
    return limitPercent - cumulativePercent;
}

}  // namespace ferrovolt::faults
