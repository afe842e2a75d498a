// SPDX-License-Identifier: GPL-3.0-or-later
#include "iec60364/iec60364_fault.h"

#include <algorithm>
#include <cmath>

#include "check/criteria_search.h"
#include "iec60364/iec60364_steps.h"
#include "numtext/number_text.h"

namespace ferrovolt::iec60364::detail {

namespace {

const ConductorRow& row(int size) {
    return kSizes[static_cast<std::size_t>(size)];
}

// An impedance must be a positive number of ohms: a negative one is no impedance, and no loop
// is without one.
std::optional<IecRefusal> impedance(std::string_view field, const std::optional<double>& value,
                                    std::string_view what) {
    if (!value) return std::nullopt;
    if (!std::isfinite(*value) || *value < 0)
        return refuse(field, "cannot be negative: " + std::string(what) + " is an impedance in Ω");
    if (*value == 0)
        return refuse(field, "is zero: " + std::string(what) +
                                 " always has some impedance; give the measured or declared "
                                 "value");
    return std::nullopt;
}

// The Table 54.2 band of a line conductor of `mm2`.
const CpcBand& bandOf(double mm2) {
    for (const CpcBand& band : kTable54_2.rows)
        if (band.upToMm2 == 0 || mm2 <= band.upToMm2 + kSlack) return band;
    return kTable54_2.rows.back();  // not reached: the last band holds any size
}

// The first size of at least `mm2`.
int sizeAtLeast(double mm2) {
    int s = 0;
    while (s + 1 < kSizeCount && row(s).mm2 + kSlack < mm2) ++s;
    return s;
}

// The protective conductor Table 54.2 gives a line conductor of size `line`.
int byTable54_2(int line) {
    const double mm2 = row(line).mm2;
    switch (bandOf(mm2).rule) {
        case CpcRule::SameAsLine:
            return line;
        case CpcRule::Sixteen:
            return sizeAtLeast(16);
        case CpcRule::HalfLine:
            return sizeAtLeast(mm2 / 2);
    }
    return line;
}

// The Annex A column of k for a protective conductor of `mm2`.
const KColumn& cpcColumn(const IecInputs& in, double mm2) {
    const auto& table = in.cpcSeparate ? kTableA54_2 : kTableA54_3;
    if (in.insulation == Insulation::Xlpe) return table.rows[2];
    return table.rows[mm2 <= 300 + kSlack ? 0 : 1];
}

double kOf(const KColumn& column, Metal metal) {
    return metal == Metal::Copper ? column.copper : column.aluminium;
}

// No conductor of the circuit below the minimum of 524.1.
int smallestAllowed(Metal metal) {
    return sizeAtLeast(kTable52_2.rows[metal == Metal::Copper ? 0 : 1].mm2);
}

// The protective conductor of a line conductor of size `line`: by 543.1.2 with a fault, else by
// Table 54.2; a separate one at least the 543.1.3 minimum. Where no size of IEC 60228 meets
// 543.1.2, the largest is kept and the answer fails it: a conductor the rule forbids is never
// passed as the largest there is.
ProtectiveConductor sized(const IecInputs& in, int line) {
    ProtectiveConductor pc;
    pc.separate = in.cpcSeparate;
    if (in.faultCurrent) {
        const double need = *in.faultCurrent * std::sqrt(*in.clearingTime);
        const std::optional<int> meeting = smallestMeeting(0, kSizeCount, [&](int s) {
            return row(s).mm2 + kSlack >= need / kOf(cpcColumn(in, row(s).mm2), in.material);
        });
        pc.meets = meeting.has_value();
        pc.size = meeting.value_or(kSizeCount - 1);
        pc.kColumn = &cpcColumn(in, row(pc.size).mm2);
        pc.k = kOf(*pc.kColumn, in.material);
        pc.neededMm2 = need / pc.k;
    } else {
        pc.band = &bandOf(row(line).mm2);
        pc.size = byTable54_2(line);
    }
    pc.size = std::max(pc.size, smallestAllowed(in.material));
    if (in.cpcSeparate && in.material == Metal::Copper) {
        const SeparateCpcMinimum& minimum = kSeparateCpcMinimums.rows[in.cpcProtected ? 0 : 1];
        const int floor = sizeAtLeast(minimum.copperMm2);
        if (floor > pc.size) {
            pc.size = floor;
            pc.separateMinimum = &minimum;
        }
    }
    return pc;
}

// R_θ / R_20 at θ.
double temperatureFactor(Metal metal, double celsius) {
    return 1 + kAlpha20.rows[metal == Metal::Copper ? 0 : 1].alpha20 * (celsius - 20);
}

// IEC 60228 class 2 resistance at 20 °C, Ω/m.
double r20(int size, Metal metal) {
    return (metal == Metal::Copper ? row(size).copperClass2 : row(size).aluminium) / 1000;
}

// Table 41.1 (final circuits up to 32 A) or 411.3.2.3/411.3.2.4.
std::optional<IecRefusal> disconnectionTime(const IecInputs& in, const IecAnswer& a,
                                            FaultLoop& loop) {
    const bool three = in.phase == Phase::Three, tt = loop.earthing == Earthing::Tt;
    if (loop.u0 <= kMinU0 + kSlack)
        return refuse(in.u0 ? "u0" : "volts", "U0 = " + roundedNumberText(loop.u0, 3) +
                                                  " V: " + citationText(kTable41_1.cite) +
                                                  " begins above 50 V");
    const double rating = a.device == Device::None ? in.current : a.rating;
    if (in.distribution || rating > kFinalCircuitMaxRating + kSlack) {
        loop.disconnectionTime = tt ? kDistributionTimeTt : kDistributionTimeTn;
        return std::nullopt;
    }
    for (const DisconnectionRow& r : kTable41_1.rows) {
        if (r.u0UpTo != 0 && (three ? in.volts > r.lineUpTo + kSlack : loop.u0 > r.u0UpTo + kSlack))
            continue;
        loop.row = &r;
        loop.disconnectionTime = tt ? r.tt : r.tn;
        if (loop.disconnectionTime == 0)
            return refuse("earthing", "TT at U0 above 400 V: its time in " +
                                          citationText(kTable41_1.cite) +
                                          " is printed in one published reproduction only, so "
                                          "Ferrovolt does not hold it");
        return std::nullopt;
    }
    return std::nullopt;  // not reached: the last row holds any U0
}

// I_a and Zs_max of the overcurrent device.
std::optional<IecRefusal> loopLimit(const IecInputs& in, const IecAnswer& a, FaultLoop& loop) {
    if (in.curve) {
        if (loop.disconnectionTime + kSlack < kMcbInstantaneousTime)
            return refuse("curve", roundedNumberText(loop.disconnectionTime, 2) + " s of " +
                                       citationText(kTable41_1.cite) + " is less than the " +
                                       roundedNumberText(kMcbInstantaneousTime, 1) +
                                       " s within which " + std::string(kMcbCurves.cite.document) +
                                       " ensures the trip at the top of the curve: give the trip "
                                       "current for that time");
        loop.curve = in.curve;
        loop.ia = kMcbCurves.rows[static_cast<std::size_t>(*in.curve)].upTo * a.rating;
    } else {
        loop.ia = *in.tripCurrent;
        if (loop.ia + kSlack < a.rating)
            return refuse("trip_current", roundedNumberText(loop.ia, 3) + " A is below I_n = " +
                                              roundedNumberText(a.rating, 3) +
                                              " A: the device would trip under its own rating");
    }
    loop.cmin = in.applyCmin ? kCmin : 1.0;
    loop.zsMax = loop.cmin * loop.u0 / loop.ia;
    return std::nullopt;
}

// I_a of an RCD: the smallest multiple of I_Δn at which its standard operating time is within
// the disconnection time; Zs_max = U0 / I_a as for an overcurrent device.
std::optional<IecRefusal> rcdLimit(const IecInputs& in, FaultLoop& loop) {
    for (const RcdTimeRow& r : kRcdTimes.rows) {
        if (r.seconds > loop.disconnectionTime + kSlack) continue;
        loop.rcdTime = &r;
        loop.ia = r.multiple * *in.rcd;
        loop.zsMax = loop.u0 / loop.ia;
        return std::nullopt;
    }
    return refuse("rcd", roundedNumberText(loop.disconnectionTime, 2) + " s is less than the " +
                             roundedNumberText(kRcdTimes.rows.back().seconds, 2) +
                             " s within which " + citationText(kRcdTimes.cite) +
                             " ensures an RCD operates");
}

struct Run {
    const IecInputs& in;
    const FaultLoop& loop;

    // R1 + R2 per metre of run, Ω/m.
    double perMetre(int line, int cpc) const {
        return (r20(line, in.material) * loop.lineFactor + r20(cpc, in.material) * loop.cpcFactor) /
               in.sets;
    }
    double zs(int line, int cpc) const { return *loop.ze + perMetre(line, cpc) * in.length; }
};

// The largest size the column holds.
int largestHeld(const IecAnswer& a) {
    int s = kSizeCount - 1;
    while (a.column.amps[static_cast<std::size_t>(s)] == 0) --s;
    return s;
}

void fail(FaultLoop& loop, std::string reason) {
    loop.holds = false;
    if (loop.reason.empty()) loop.reason = std::move(reason);
}

// The smallest size from a.size up whose loop disconnects in time. The protective conductor of
// a raised size follows Table 54.2 of it, and never falls below what 543.1.2 and 543.1.3 asked.
void raiseForLoop(const IecInputs& in, IecAnswer& a, FaultLoop& loop) {
    const Run run{in, loop};
    const int start = a.size, base = a.cpc.size;
    for (int s = start; s < kSizeCount; ++s) {
        if (a.column.amps[static_cast<std::size_t>(s)] == 0) continue;
        const int cpc = s == start ? base : std::max(base, byTable54_2(s));
        if (run.zs(s, cpc) > *loop.zsMax + kSlack) {
            loop.failedSize = s;
            loop.failedCpc = cpc;
            loop.failedZs = run.zs(s, cpc);
            continue;
        }
        loop.bySize = s;
        if (s == start) return;
        a.size = s;
        a.governedBy = IecCriterion::FaultLoop;
        // By Table 54.2 it is read anew for the raised size; by a rule of its own (543.1.2,
        // 543.1.3) it stays, unless Table 54.2 of the raised size asks more.
        const bool ownRule = a.cpc.kColumn != nullptr || a.cpc.separateMinimum != nullptr;
        if (!ownRule || cpc != base) {
            a.cpc.size = cpc;
            a.cpc.band = &bandOf(row(s).mm2);
            a.cpc.raisedWithLine = ownRule;
            a.cpc.separateMinimum = nullptr;
        }
        return;
    }
    loop.failedSize.reset();
    fail(loop, *loop.ze + kSlack >= *loop.zsMax
                   ? "Ze = " + roundedNumberText(*loop.ze, 3) +
                         " Ω alone is not below Zs_max = " + roundedNumberText(*loop.zsMax, 3) +
                         " Ω: no conductor size disconnects in time"
                   : "no size up to " + std::string(row(largestHeld(a)).label) +
                         " disconnects in time over this length");
}

}  // namespace

std::optional<IecRefusal> invalidFaultPath(const IecInputs& in) {
    if (in.curve && in.device != Device::Mcb)
        return refuse("curve", "applies to an MCB (IEC 60898-1) only");
    if (auto refusal = impedance("ze", in.ze, "the loop outside the circuit")) return refusal;
    if (auto refusal = impedance("ra", in.ra, "an earth electrode")) return refusal;
    if (in.rcd && !positive(*in.rcd)) return refuse("rcd", "must be more than 0 A");
    if (in.tripCurrent && !positive(*in.tripCurrent))
        return refuse("trip_current", "must be more than 0 A");
    if (in.cpcProtected && !in.cpcSeparate)
        return refuse("cpc_protected",
                      "applies to a separate protective conductor: a core of the cable is "
                      "protected with it");
    if (in.u0 && !positive(*in.u0)) return refuse("u0", "must be more than 0 V");
    if (!in.earthing) {
        const std::string_view field = in.ze             ? "ze"
                                       : in.u0           ? "u0"
                                       : in.curve        ? "curve"
                                       : in.tripCurrent  ? "trip_current"
                                       : in.rcd          ? "rcd"
                                       : in.ra           ? "ra"
                                       : in.applyCmin    ? "cmin"
                                       : in.distribution ? "distribution"
                                                         : "";
        if (field.empty()) return std::nullopt;
        return refuse(field, "is used with an earthing system (TN-S, TN-C-S or TT)");
    }
    const bool tt = *in.earthing == Earthing::Tt;
    if (in.phase == Phase::Dc)
        return refuse("earthing",
                      "the DC disconnection times of Table 41.1 are printed in one published "
                      "reproduction only, so Ferrovolt does not check DC circuits");
    if (tt && !in.ra)
        return refuse("ra",
                      "is needed in TT: the resistance R_A of the installation's earth "
                      "electrode");
    if (!tt && in.ra) return refuse("ra", "applies to TT only");
    if (!tt && in.rcd)
        return refuse("rcd",
                      "in TN the check verifies the overcurrent device; the loop limit of an RCD "
                      "in TN is not held");
    if (in.u0 && in.phase != Phase::Single)
        return refuse("u0", "applies to single phase: three phase takes U0 = U / √3");
    if (in.u0 && *in.u0 > in.volts + kSlack)
        return refuse("u0", roundedNumberText(*in.u0, 3) + " V is above the circuit's " +
                                roundedNumberText(in.volts, 3) +
                                " V: U0 is the voltage to earth of one line");
    if (in.phase == Phase::Single && in.volts > kSinglePhaseMaxU0 + kSlack && !in.u0)
        return refuse("u0", "is needed for a single-phase circuit of " +
                                roundedNumberText(in.volts, 3) +
                                " V: it lies across two lines, and its loop is checked at the "
                                "voltage to earth U0 (230 V on a 230/400 V system)");
    if (tt && in.rcd) {
        constexpr std::string_view kRcdDecides =
            "is not used: in TT with an RCD, the RCD's I_Δn decides";
        if (in.curve) return refuse("curve", std::string(kRcdDecides));
        if (in.tripCurrent) return refuse("trip_current", std::string(kRcdDecides));
        if (in.applyCmin) return refuse("cmin", std::string(kRcdDecides));
    }
    if (!in.ze)
        return refuse("ze", tt ? "is needed in TT: the loop impedance outside the circuit, R_A "
                                 "included"
                               : "is needed in TN-S and TN-C-S: the loop impedance outside the "
                                 "circuit");
    // In TT the fault current returns through the installation's own electrode, so the loop
    // outside the circuit holds R_A: a smaller Ze is a measurement of something else.
    if (tt && *in.ze + kSlack < *in.ra)
        return refuse("ze", "Ze = " + roundedNumberText(*in.ze, 3) +
                                " Ω is below R_A = " + roundedNumberText(*in.ra, 3) +
                                " Ω: in TT the loop runs through the installation's earth "
                                "electrode, so Ze includes R_A");
    if (tt && in.rcd) return std::nullopt;
    if (in.device == Device::None)
        return refuse("device", "automatic disconnection needs a protective device" +
                                    std::string(tt ? " or an RCD" : ""));
    if (in.device == Device::Mcb && in.curve && in.tripCurrent)
        return refuse("trip_current", "is given with a curve: give either");
    if (in.device == Device::Mcb && !in.curve && !in.tripCurrent)
        return refuse("curve", "or the trip current of the MCB is needed to check disconnection");
    if (in.device != Device::Mcb && !in.tripCurrent)
        return refuse("trip_current",
                      "is needed for this device: the current that operates it within the "
                      "disconnection time, read from its time-current curve");
    return std::nullopt;
}

std::optional<IecRefusal> faultPath(const IecInputs& in, IecAnswer& a) {
    a.cpc = sized(in, a.size);
    if (!a.cpc.meets) {
        a.fails[static_cast<std::size_t>(IecCriterion::ShortCircuit)] = true;
        a.meetsAll = false;
    }
    if (!in.earthing) {
        a.cpc.sizeLabel = row(a.cpc.size).label;
        return std::nullopt;
    }
    if (r20(a.size, in.material) == 0)
        return refuse("size", std::string(row(a.size).label) + " aluminium has no resistance in " +
                                  citationText(kIec60228Table.cite) +
                                  " (aluminium from 10 mm²), so its loop cannot be checked");
    FaultLoop& loop = a.loop.emplace();
    loop.earthing = *in.earthing;
    loop.u0 = in.u0.value_or(a.u0);
    loop.ze = in.ze;
    loop.byRcd = loop.earthing == Earthing::Tt && in.rcd;
    if (auto refusal = disconnectionTime(in, a, loop)) return refusal;
    loop.lineTemperature = kTable52_1.rows[in.insulation == Insulation::Pvc ? 0 : 1].celsius;
    loop.cpcTemperature = in.cpcSeparate ? kTableA54_2.rows[0].initialC : loop.lineTemperature;
    loop.lineFactor = temperatureFactor(in.material, loop.lineTemperature);
    loop.cpcFactor = temperatureFactor(in.material, loop.cpcTemperature);

    if (loop.byRcd) {
        loop.touchVolts = *in.ra * *in.rcd;
        if (loop.touchVolts > kTouchVoltageLimit + kSlack)
            fail(loop,
                 "R_A × I_Δn = " + roundedNumberText(loop.touchVolts, 3) +
                     " V is above 50 V: no conductor size changes it; lower R_A or use an RCD "
                     "of smaller I_Δn");
        if (auto refusal = rcdLimit(in, loop)) return refusal;
    } else if (auto refusal = loopLimit(in, a, loop)) {
        return refusal;
    }
    const Run run{in, loop};
    if (a.sizeGiven) {
        const double zs = run.zs(a.size, a.cpc.size);
        if (zs > *loop.zsMax + kSlack)
            fail(loop, "Zs = " + roundedNumberText(zs, 3) + " Ω is above Zs_max = " +
                           roundedNumberText(*loop.zsMax, 3) + " Ω: the " +
                           (loop.byRcd ? "RCD" : "device") + " does not disconnect within " +
                           roundedNumberText(loop.disconnectionTime, 2) + " s");
    } else {
        raiseForLoop(in, a, loop);
    }
    loop.r1 = r20(a.size, in.material) * loop.lineFactor * in.length / in.sets;
    loop.r2 = r20(a.cpc.size, in.material) * loop.cpcFactor * in.length / in.sets;
    loop.zs = run.zs(a.size, a.cpc.size);
    // No run at all where Ze alone reaches the limit: none, not a run of 0 m.
    if (*loop.ze + kSlack < *loop.zsMax)
        loop.maxLength = (*loop.zsMax - *loop.ze) / run.perMetre(a.size, a.cpc.size);
    if (!loop.holds) {
        a.fails[static_cast<std::size_t>(IecCriterion::FaultLoop)] = true;
        a.meetsAll = false;
    }
    a.cpc.sizeLabel = row(a.cpc.size).label;
    return std::nullopt;
}

}  // namespace ferrovolt::iec60364::detail

namespace ferrovolt::iec60364 {

std::string noRunReason(const FaultLoop& loop) {
    return "Ze = " + roundedNumberText(loop.ze.value_or(0), 3) +
           " Ω alone is not below Zs_max = " + roundedNumberText(loop.zsMax.value_or(0), 3) + " Ω";
}

}  // namespace ferrovolt::iec60364
