// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a cable of the installation tree takes from the point it leaves, and what it hands on
// to the points below its far end. A radial tree reaches each point by one path, so these few
// quantities are all a cable needs of what lies above it: the voltage, the drop so far, the
// maximum fault current with its X/R, and the fault loop for the minimum.

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "faults/fault_current.h"

namespace ferrovolt {

enum class FaultMethod {
    PointToPoint,  // the handbook chain of f and M, C values near 25 °C (maximum only)
    Impedance,     // the ohmic sum, Chapter 9 Table 9 at 75 °C
    Iec60909,      // IEC 60909-0 for radial LV: c, K_T, R at 20 °C (max) and θe (min)
};

std::string_view faultMethodKey(FaultMethod method);  // "point-to-point"

// The inputs of a circuit case that its origin gives in place of what is typed, by key: the
// maximum fault current where the cable leaves, and the loop impedance there as Ze. A window
// of the tree shows them as given by it.
inline constexpr std::array<std::string_view, 2> kOriginKeys{"fault_current", "ze"};

inline bool givenByOrigin(std::string_view key) {
    return std::find(kOriginKeys.begin(), kOriginKeys.end(), key) != kOriginKeys.end();
}

struct Origin {
    double volts = 0;        // nominal at the point: line to line where it has three phases
    int phases = 3;          // 3, or 1 for a single-phase point
    double u0 = 0;           // V to earth (or to the neutral) of the system
    double dropPercent = 0;  // from the installation's origin, each segment on its own voltage
    // Maximum: three-phase at a three-phase point, line to line (or line to neutral for a
    // circuit on U0) at a single-phase one; with its X/R.
    double iscMax = 0;  // A; 0 where nothing is known
    double xOverR = 0;
    double ik1Max = 0;          // A, line to protective conductor, maximum; 0 where not computed
    double iscMin = 0;          // A, line to neutral or protective conductor, minimum
    faults::Impedance loopMax;  // Ω, the loop of ik1Max
    faults::Impedance loopMin;  // Ω, the loop of iscMin: the Ze a circuit here sees
    double cMax = 1, cMin = 1;  // voltage factors (1 outside IEC 60909)
    FaultMethod method = FaultMethod::Impedance;
    // A: what the motors of this point and of the boards above it feed into a fault (4 × their
    // full-load current), carried down unchanged; not in iscMax, which the impedance above a
    // point is worked out from, and never in a minimum.
    double motorCurrent = 0;
};

// The motors' term of the maximum at a point, A: all of motorCurrent, but under IEC 60909 none
// where it is at most 1 % of iscMax.
double motorTerm(const Origin& origin);

// The maximum three-phase current at a point with the motors' term, A: what a breaking
// capacity and a cable's withstand are held to.
inline double maximumWithMotors(const Origin& origin) {
    return origin.iscMax + motorTerm(origin);
}

// A cable as the fault methods see it, filled by its code from the code's own tables: one
// line conductor and its return (neutral or protective conductor) over the whole run, the sets
// in parallel, at the temperature of the maximum and of the minimum.
struct CableImpedances {
    int phases = 3;
    double volts = 0;  // the circuit's own: line to line on three phases
    faults::Impedance phaseMax, phaseMin;
    faults::Impedance returnMax, returnMin;
    std::optional<double> pointConstant;  // C per conductor, where the handbook table holds it
    double lengthFt = 0;
    int sets = 1;
    double dropPercent = 0;  // the cable's own segment, on its own voltage
};

// The same quantities at the cable's far end, with the cable's own impedances.
struct CableEnd {
    Origin end;
    double dropPercent = 0;  // the cable's own segment
    // The limit from the installation's origin the code holds the far end to, %: NEC 2023's
    // 5 % for feeder and branch, IEC 60364's Table G.52.1 (or the limit given).
    double dropLimitPercent = 0;
    faults::Impedance phase;  // per phase, maximum's basis
    faults::Impedance loop;   // line and return, minimum's basis
};

// What is left of a drop limit from the origin once `used` is spent above, %, rounded down
// to 0.001 % so that the limit a cable is held to reads plainly and never exceeds what is left.
double dropLeft(double limitPercent, double usedPercent);

// Carries an origin down a cable. Point-to-point runs only where it is defined (a three-phase
// cable under a three-phase point, or a single-phase one at the point's own voltage) and the
// table holds the cable's C; elsewhere the ohmic sum runs, and the end names it.
CableEnd carryToEnd(const Origin& origin, const CableImpedances& cable);

}  // namespace ferrovolt
