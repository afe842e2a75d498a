// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/origin.h"

#include <cmath>

#include "faults/fault_tables.h"

namespace ferrovolt {

namespace {

using faults::Impedance;

const double kSqrt3 = std::sqrt(3.0);

// A single-phase circuit on U0 under a three-phase point takes its phase and the neutral;
// one on the line voltage takes two phases.
bool onU0(const Origin& origin, const CableImpedances& cable) {
    return origin.phases == 3 && cable.phases == 1 && cable.volts < 0.8 * origin.volts;
}

}  // namespace

std::string_view faultMethodKey(FaultMethod method) {
    switch (method) {
        case FaultMethod::PointToPoint:
            return "point-to-point";
        case FaultMethod::Impedance:
            return "impedance";
        case FaultMethod::Iec60909:
            return "iec60909";
    }
    return {};
}

double motorTerm(const Origin& origin) {
    if (origin.method == FaultMethod::Iec60909 &&
        !(origin.motorCurrent > faults::kIecMotorShare * origin.iscMax))
        return 0;
    return origin.motorCurrent;
}

double dropLeft(double limitPercent, double usedPercent) {
    return std::floor((limitPercent - usedPercent) * 1000) / 1000;
}

CableEnd carryToEnd(const Origin& origin, const CableImpedances& cable) {
    CableEnd out;
    out.phase = cable.phaseMax;
    out.loop = cable.phaseMin + cable.returnMin;
    out.dropPercent = cable.dropPercent;
    Origin& end = out.end;
    end = origin;
    end.volts = cable.volts;
    end.phases = cable.phases;
    end.dropPercent = origin.dropPercent + cable.dropPercent;

    if (origin.iscMax > 0) {
        // The path's impedance above, per phase at a three-phase point, the loop at a
        // single-phase one, as the maximum and its X/R give it.
        const bool three = origin.phases == 3;
        const Impedance above = faults::fromMagnitude(
            origin.cMax * origin.volts / ((three ? kSqrt3 : 1.0) * origin.iscMax), origin.xOverR);
        Impedance total;
        double volts = cable.volts;
        if (three && cable.phases == 3) {
            total = above + cable.phaseMax;
            volts /= kSqrt3;
        } else if (onU0(origin, cable)) {
            // At a three-phase point with Z_(0) = Z_(1), the line-to-neutral current equals the
            // three-phase one: the path above counts once in the loop.
            total = above + cable.phaseMax + cable.returnMax;
        } else if (three) {
            total = above * 2.0 + cable.phaseMax * 2.0;
        } else {
            total = above + cable.phaseMax + cable.returnMax;
        }
        end.iscMax = origin.cMax * volts / total.magnitude();
        end.xOverR = total.xOverR();
        const bool samePoint = (three && cable.phases == 3) ||
                               (!three && cable.phases == 1 && cable.volts == origin.volts);
        if (origin.method == FaultMethod::PointToPoint && samePoint && cable.pointConstant) {
            const auto fault =
                three ? faults::PointFault::ThreePhase : faults::PointFault::LineToLine;
            end.iscMax = faults::pointToPoint(origin.iscMax, cable.lengthFt, *cable.pointConstant,
                                              cable.sets, cable.volts, fault)
                             .current;
        } else if (origin.method == FaultMethod::PointToPoint) {
            end.method = FaultMethod::Impedance;
        }
    }
    if (origin.ik1Max > 0) {
        end.loopMax = origin.loopMax + cable.phaseMax + cable.returnMax;
        end.ik1Max = origin.cMax * origin.u0 / end.loopMax.magnitude();
    }
    if (origin.iscMin > 0) {
        end.loopMin = origin.loopMin + out.loop;
        end.iscMin = origin.cMin * origin.u0 / end.loopMin.magnitude();
    }
    return out;
}

}  // namespace ferrovolt
