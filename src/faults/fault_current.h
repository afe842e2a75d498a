// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Prospective fault currents over plain values, in SI units throughout except where a method
// is defined in feet (the point-to-point method's lengths): the transformer let-through, the
// MVA method, the point-to-point chain, the ohmic sum of a radial path, IEC 60909-0 for radial
// low-voltage networks, and the peak. A radial tree reaches each node by one path, so a node's
// impedance is the sum along that path and nothing else.

#include <cmath>
#include <optional>
#include <span>
#include <string_view>

namespace ferrovolt::faults {

// A series impedance, Ω.
struct Impedance {
    double r = 0;
    double x = 0;

    double magnitude() const { return std::hypot(r, x); }
    Impedance operator+(const Impedance& other) const { return {r + other.r, x + other.x}; }
    Impedance& operator+=(const Impedance& other) {
        r += other.r;
        x += other.x;
        return *this;
    }
    Impedance operator*(double k) const { return {r * k, x * k}; }
    // X/R of the impedance; infinite for a pure reactance.
    double xOverR() const;
};

// An impedance of magnitude z split by its X/R.
Impedance fromMagnitude(double z, double xOverR);

// --- Transformers and sources (North American practice) ---------------------------------

// Full-load current, A: three-phase kVA·1000/(√3·V), single-phase kVA·1000/V.
double fullLoadCurrent(double kva, double volts, int phases);

// The bolted fault current at the secondary terminals with a zero-impedance primary (the
// infinite bus), A: I_FLA·100/(%Z·tolerance). The tolerance (1.0 nameplate, 0.9 as the
// handbook's examples take it) lowers %Z, so it raises the current.
double letThrough(double kva, double volts, double percentZ, int phases, double tolerance = 1.0);

// The MVA method: a utility's short-circuit MVA (√3·kV·kA), a transformer's (kVA/1000 / %Z/100),
// and the current of several in series (1/MVA = Σ 1/MVAᵢ) at a voltage, A. Magnitudes only:
// exact when the X/R are equal, slightly low otherwise.
double utilityMva(double kv, double ka);
double transformerMva(double kva, double percentZ);
double mvaMethodCurrent(std::span<const double> mvas, double volts);

// --- Point-to-point ------------------------------------------------------------------------

enum class PointFault {
    ThreePhase,    // f = √3·L·I/(C·n·E_LL)
    LineToLine,    // single-phase system: f = 2·L·I/(C·n·E_LL)
    LineToNeutral  // f = 2·L·I/(C·n·E_LN)
};

struct PointStep {
    double f = 0;
    double m = 0;        // 1/(1 + f)
    double current = 0;  // A at the fault: the start of the next run
};

// One run of `lengthFt` (one way) of `sets` conductors per phase of constant `c`, from a
// point where `amps` are available.
PointStep pointToPoint(double amps, double lengthFt, double c, int sets, double volts,
                       PointFault fault = PointFault::ThreePhase);

// The point-to-point constant C of a size (its label as in the tables), metal and raceway;
// nothing where no two reproductions agree on it.
std::optional<double> conductorConstant(std::string_view size, bool aluminium, bool steel);

// --- The ohmic sum ---------------------------------------------------------------------------

// A source given by its available three-phase current (A) and X/R at a line voltage: Z = V/(√3·I).
Impedance sourceFromCurrent(double volts, double amps, double xOverR);
// A source given by its short-circuit power (MVA) referred to a voltage: Z = V²/(MVA·10⁶).
Impedance sourceFromMva(double volts, double mva, double xOverR);
// A transformer's impedance referred to its secondary: Z = (%Z/100)·V²/S, split by X/R.
Impedance transformerImpedance(double kva, double volts, double percentZ, double xOverR,
                               double tolerance = 1.0);
// A run of `sets` parallel conductors of R and X per 1000 ft (Chapter 9 Table 9), `lengthFt` long.
Impedance runImpedance(double rPerKft, double xPerKft, double lengthFt, int sets);
// The three-phase current through the path's impedance per phase, A: V_LL/(√3·|Z|).
double threePhaseCurrent(double lineVolts, const Impedance& perPhase);
// A loop's current at the voltage across it, A: V/|Z|.
double loopCurrent(double volts, const Impedance& loop);

// --- IEC 60909-0, radial low-voltage networks far from generators ---------------------------

// The network feeder Q referred to the low-voltage side: Z_Q = c·U_nQ²/S″_kQ / t_r², split by
// R/X (kFeederDefaultRx when the utility gives none). c is the high-voltage factor.
Impedance networkFeeder(double c, double kvNominal, double mvaShortCircuit, double rOverX,
                        double ratio);

struct IecTransformer {
    double kva = 0;
    double ukPercent = 0;  // short-circuit voltage
    double urPercent = 0;  // its resistive part (P_krT/S_rT·100)
    double volts = 0;      // rated low-voltage side U_rT
};

struct CorrectedTransformer {
    Impedance z;      // K_T·Z_T
    double kT = 0;    // 0.95·c_max/(1 + 0.6·x_T)
    Impedance plain;  // Z_T before the correction
};

// The transformer's impedance corrected by K_T (applied for maximum and minimum alike).
CorrectedTransformer iecTransformer(const IecTransformer& t, double cMax);

// R at the end of the short circuit from R20: [1 + 0.004·(θe − 20)]·R20.
double resistanceAtEnd(double r20, double endCelsius);

// I″k3 = c·Un/(√3·|Z_k|), A.
double initialThreePhase(double c, double lineVolts, const Impedance& zk);
// I″k1 by the loop: c·U0/|(2/3)·Z_Q + Z_TK + Σ(Z_L + Z_PE)|, A. The form holds for a Dyn
// transformer (Z_(0)T = Z_TK) and a return by the protective conductor alone.
double initialLineToEarth(double c, double phaseVolts, const Impedance& feeder,
                          const Impedance& transformer, const Impedance& cableLoop);
// I″k1 by the sequence impedances: √3·c·Un/|2·Z_(1) + Z_(0)|, A.
double initialLineToEarthSequence(double c, double lineVolts, const Impedance& positive,
                                  const Impedance& zero);

// κ = 1.02 + 0.98·e^(−3R/X) of the impedance at the fault, and the peak i_p = κ·√2·I″k.
double peakFactor(const Impedance& zk);
double peakCurrent(const Impedance& zk, double initialAmps);

// --- Voltage drop along a path ---------------------------------------------------------------

// One segment's drop, V: the effective impedance R·cos φ + X·sin φ per 1000 ft (Chapter 9
// Table 9, note 2) times the current and the length, out and back (2) on one phase, √3 on three.
double segmentDropVolts(double rPerKft, double xPerKft, double powerFactor, double lengthFt,
                        double amps, int phases);

// The drop at a node from the origin, %: each segment's drop in percent of its own nominal
// voltage (with its own design current), added along the path.
double cumulativeDrop(std::span<const double> segmentPercents);
// What is left of a budget at a node, % (negative when spent).
double remainingBudget(double limitPercent, double cumulativePercent);

}  // namespace ferrovolt::faults
