// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec2023/nec2023_check.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "check/criteria_search.h"
#include "check/fault_inputs.h"
#include "nec2023/nec2023_rules.h"
#include "numtext/number_text.h"
#include "numtext/rounded_number.h"

namespace ferrovolt {

namespace {

using nec2023::kEdition;
using nec2023::kSizes;
using nec2023::label;
using nec2023::materialName;

constexpr int kNoSize = -1;
constexpr double kAbsoluteZeroC = -273.15;

CircuitRefusal refuse(std::string_view field, std::string reason) {
    return {field, std::move(reason)};
}

// An input as it was given, never rounded away ("0.0001", not "0").
std::string numberText(double value) {
    return formatDouble(value);
}

bool positive(double value) {
    return std::isfinite(value) && value > 0;
}

std::string degrees(double value) {
    return roundedNumberText(value, 2) + " °C";
}

std::optional<CircuitRefusal> invalid(const CircuitInputs& in) {
    if (in.load == LoadKind::General && !positive(in.current))
        return refuse("current", "must be more than 0 A");
    if (!positive(in.length)) return refuse("length", "must be more than 0");
    if (!positive(in.volts)) return refuse("volts", "must be more than 0 V");
    if (in.volts > nec2023::kMaxVolts)
        return refuse("volts",
                      "must be at most 2000 V: " + citationText(nec2023::kTable310_16.cite) +
                          " covers conductors up to "
                          "2000 V; medium voltage is sized by Article 311");
    if (!positive(in.maxDropPercent) || in.maxDropPercent >= 100)
        return refuse("max_drop", "must be more than 0 and less than 100 %");
    if (in.insulation != 60 && in.insulation != 75 && in.insulation != 90)
        return refuse("insulation", "must be 60, 75 or 90 °C");
    if (!std::isfinite(in.ambient)) return refuse("ambient", "must be a temperature in °C");
    if (in.ambient < kAbsoluteZeroC)
        return refuse("ambient", degrees(in.ambient) + " is below absolute zero (−273.15 °C)");
    if (in.conductors < 1) return refuse("conductors", "must be 1 or more");
    if (!positive(in.powerFactor) || in.powerFactor > 1)
        return refuse("pf", "must be more than 0 and at most 1");
    if (in.sets < 1) return refuse("sets", "must be 1 or more");
    if (auto refusal =
            faultInputsRefusal(in.faultCurrent, in.clearingTime, in.k, "the adiabatic method"))
        return refusal;
    if (in.device && !positive(*in.device)) return refuse("device_rating", "must be more than 0 A");
    if (in.load == LoadKind::Hvac && !in.mca)
        return refuse("mca", "is needed for an air conditioner (its nameplate's MCA)");
    if (in.load == LoadKind::Hvac && !in.mop)
        return refuse("mop", "is needed for an air conditioner (its nameplate's MOP)");
    if (in.availableFault && !positive(*in.availableFault))
        return refuse("available_fault", "must be more than 0 A");
    if (in.xr && !(std::isfinite(*in.xr) && *in.xr >= 0)) return refuse("x_r", "must be 0 or more");
    if (in.availableFault && !in.xr)
        return refuse("x_r", "is needed with the available fault current, for the starting dip");
    if (in.size && (*in.size < 0 || *in.size >= static_cast<int>(kSizes.size())))
        return refuse("size", "is not a size of " + citationText(nec2023::kTable310_16.cite));
    return std::nullopt;
}

// The ambient correction, or the refusal of an ambient the table does not reach.
std::variant<double, CircuitRefusal> ambientFactor(const CircuitInputs& in) {
    const int col = nec2023::column(in.insulation);
    if (in.ambientMethod == AmbientMethod::Equation) {
        if (in.ambient >= in.insulation)
            return refuse("ambient", "must be below the insulation rating (" +
                                         std::to_string(in.insulation) +
                                         " °C) for the equation of " +
                                         std::string(nec2023::kRuleAmbient.item));
        return std::sqrt((in.insulation - in.ambient) / (in.insulation - 30.0));
    }
    for (const nec2023::AmbientRow& row : nec2023::kTable310_15B1) {
        if (in.ambient > row.upTo) continue;
        const double factor = row.factor[static_cast<std::size_t>(col)];
        if (factor == 0) break;
        return factor;
    }
    double last = 0;
    for (const nec2023::AmbientRow& row : nec2023::kTable310_15B1)
        if (row.factor[static_cast<std::size_t>(col)] != 0) last = row.upTo;
    return refuse("ambient", degrees(in.ambient) + " is beyond " +
                                 citationText(nec2023::kTable310_15B1.cite) + ": its " +
                                 std::to_string(in.insulation) + " °C column ends at " +
                                 roundedNumberText(last, 0) + " °C");
}

double adjustmentFactor(int conductors) {
    for (const nec2023::AdjustmentRow& row : nec2023::kTable310_15C1)
        if (conductors <= row.upTo) return row.factor;
    return nec2023::kTable310_15C1.back().factor;
}

// 250.122: the grounding conductor of each set. (A) by the device's row of Table 250.122, and
// no larger than the circuit conductors; (B) raised in proportion to the conductors' area where
// they are larger than the smallest size the ampacity and the device need (raised for drop, a
// fault or to 1/0 AWG in parallel, or given); (F) each set, in its own raceway, carries one of
// full size by the device.
void groundingConductor(CircuitAnswer& a, Material material) {
    a.egcByTable = nec2023::egcByTable(material, a.device);
    // The base is what the load and the device need, before sets are raised to 1/0 AWG: (B)
    // raises the conductor for any increase but those of 310.15(B) and (C).
    a.egcBase = std::max({a.byLoad125, a.byAfterFactors, a.byProtection, a.bySmallConductor});
    a.egcRatio = kSizes[static_cast<std::size_t>(a.size)].cmil /
                 kSizes[static_cast<std::size_t>(a.egcBase)].cmil;
    if (a.egcByTable < 0) return;
    int egc = a.egcByTable;
    a.egcRaised = a.size > a.egcBase;
    if (a.egcRaised) {
        const int raised = nec2023::smallestSizeOf(
            kSizes[static_cast<std::size_t>(a.egcByTable)].cmil * a.egcRatio);
        egc = raised < 0 ? a.size : std::max(egc, raised);
    }
    a.egcCapped = egc > a.size;
    a.egc = std::min(egc, a.size);
}

// Every criterion's minimum size and the answer they make; the trail is written later, from
// the inputs and these numbers, when a front end asks for it.
// The ambient and adjustment factors and the device, before any size is tried.
std::optional<CircuitRefusal> setUp(const CircuitInputs& in, const nec2023::Circuit& c,
                                    CircuitAnswer& a) {
    std::variant<double, CircuitRefusal> ambient = ambientFactor(in);
    if (auto* refusal = std::get_if<CircuitRefusal>(&ambient)) return std::move(*refusal);
    a.ambientFactor = std::get<double>(ambient);
    a.adjustmentFactor = adjustmentFactor(in.conductors);

    if (c.motor != nullptr) {
        // 430.52(C)(1) and 440.22(A) set the largest device; a smaller one is the user's.
        if (in.device && *in.device > c.motor->maxDevice + 1e-9)
            return refuse("device_rating",
                          roundedNumberText(*in.device, 3) + " A is more than the " +
                              roundedNumberText(c.motor->maxDevice, 3) + " A that " +
                              (c.motor->hvac ? "the nameplate's maximum overcurrent protection "
                                               "(440.22(A))"
                                             : "430.52(C)(1) allows") +
                              " for this motor");
    } else if (c.device == 0)
        return refuse("device_rating", "the circuit needs " + roundedNumberText(c.circuitAmps, 3) +
                                           " A, more than the largest rating of " +
                                           citationText(nec2023::kTable240_6A.cite) +
                                           " (6000 A): give the device's rating");
    if (c.motor == nullptr && in.device && *in.device + 1e-9 < c.circuitAmps)
        return refuse("device_rating",
                      roundedNumberText(*in.device, 3) + " A is below the " +
                          roundedNumberText(c.circuitAmps, 3) +
                          " A the circuit needs: " + citationText(nec2023::kRuleBranchDevice) +
                          " and " + std::string(nec2023::kRuleFeederDevice.item) +
                          " ask the "
                          "device to carry the load, 125 % of it when continuous");
    a.device = c.device;
    a.deviceGiven = in.device.has_value();
    a.deviceStandard = nec2023::isStandardRating(c.device);
    a.terminalRating = c.terminalCol == 0 ? 60 : 75;
    return std::nullopt;
}

// Ampacity: (a) and (b) of 210.19(A)(1) and 215.2(A)(1) each find their smallest size, then
// the conductor's ampacity must be protected by the device (240.4(B), (C)).
std::optional<CircuitRefusal> ampacity(const CircuitInputs& in, const nec2023::Circuit& c,
                                       CircuitAnswer& a) {
    const int sizeCount = static_cast<int>(kSizes.size());
    const auto smallest = [&](auto meets) {
        return smallestMeeting(c.firstSize(), sizeCount, meets).value_or(kNoSize);
    };
    a.byLoad125 = smallest([&](int s) { return c.meetsLoad125(s); });
    a.byAfterFactors = smallest(
        [&](int s) { return c.meetsAfterFactors(s, a.ambientFactor, a.adjustmentFactor); });
    a.byProtection = smallest([&](int s) {
        return c.protectedBy(c.setsAmpacity(s, a.ambientFactor, a.adjustmentFactor));
    });
    if (a.byLoad125 == kNoSize || a.byAfterFactors == kNoSize || a.byProtection == kNoSize) {
        // Where the ambient alone takes the ampacity away, the ambient is what to change.
        if (a.ambientFactor < 1 &&
            c.protectedBy(c.setsAmpacity(sizeCount - 1, 1.0, a.adjustmentFactor)) &&
            c.meetsAfterFactors(sizeCount - 1, 1.0, a.adjustmentFactor))
            return refuse("ambient",
                          numberText(in.ambient) + " °C leaves a correction factor of " +
                              roundedNumberText(a.ambientFactor, 4) + " for " +
                              std::to_string(in.insulation) + " °C insulation: no size of " +
                              citationText(nec2023::kTable310_16.cite) + " then carries " +
                              roundedNumberText(c.required, 3) + " A per set");
        // Where the load fits but no size is protected by the device, the device is too large:
        // the one given, or the standard rating the load needs.
        if (a.byLoad125 != kNoSize && a.byAfterFactors != kNoSize) {
            const std::string carried =
                " more than " + (in.sets > 1 ? std::to_string(in.sets) + " sets of " : "") +
                std::string(label(sizeCount - 1)) + (in.sets > 1 ? " carry" : " carries") +
                " under " + citationText(nec2023::kTable310_16.cite) + " (" +
                roundedNumberText(
                    c.setsAmpacity(sizeCount - 1, a.ambientFactor, a.adjustmentFactor), 3) +
                " A), so no size is protected by it (" +
                citedItems(nec2023::kRuleNextSizeUp, ", ", nec2023::kRuleAboveLimit) + ")";
            if (in.device)
                return refuse("device_rating", roundedNumberText(c.device, 3) + " A is" + carried +
                                                   ": use a smaller device or more parallel sets");
            return refuse("current", roundedNumberText(c.circuitAmps, 3) + " A needs a " +
                                         roundedNumberText(c.device, 3) + " A device (" +
                                         std::string(nec2023::kTable240_6A.cite.item) + ")," +
                                         carried + ": use more parallel sets");
        }
        return refuse("current", roundedNumberText(c.required, 3) + " A per set is more than " +
                                     std::string(label(sizeCount - 1)) + " carries under " +
                                     citationText(nec2023::kTable310_16.cite) +
                                     " with these factors: "
                                     "use more parallel sets");
    }
    a.byAmpacity = std::max({a.byLoad125, a.byAfterFactors, a.byProtection});
    a.ampacityRule =
        a.byAmpacity == a.byLoad125 ? AmpacityRule::Load125
        : a.byAmpacity == a.byAfterFactors
            ? (in.conservative125 ? AmpacityRule::Combined125 : AmpacityRule::AfterFactors)
            : AmpacityRule::Protection;
    // Sets whose load alone needs less still take the smallest size allowed in parallel.
    if (in.sets > 1 && a.byAmpacity < nec2023::kSize1_0Awg) {
        a.byAmpacity = nec2023::kSize1_0Awg;
        a.ampacityRule = AmpacityRule::Parallel;
    }
    return std::nullopt;
}

// Voltage drop, over the sizes Table 9 lists.
std::optional<CircuitRefusal> voltageDrop(const CircuitInputs& in, const nec2023::Circuit& c,
                                          CircuitAnswer& a) {
    a.byVoltageDrop = kNoSize;
    for (const nec2023::Table9Row& row : nec2023::kChapter9Table9) {
        if (row.size < c.firstSize()) continue;
        if (c.drop(row).volts * 100 / in.volts > in.maxDropPercent) continue;
        a.byVoltageDrop = row.size;
        return std::nullopt;
    }
    // A given size is still answered: it fails the drop, as every size would.
    if (in.size) return std::nullopt;
    return refuse("max_drop", "no size of " + citationText(nec2023::kChapter9Table9.cite) +
                                  " (up to 1000 kcmil) keeps "
                                  "the drop within " +
                                  numberText(in.maxDropPercent) +
                                  " % over this length: use more parallel sets");
}

// Short circuit, with a fault current, and the small-conductor rule.
std::optional<CircuitRefusal> shortCircuit(const CircuitInputs& in, const nec2023::Circuit& c,
                                           CircuitAnswer& a) {
    a.bySmallConductor = c.firstSize();
    // 240.4(G): a motor's or an air conditioner's device is its article's, not 240.4(D)'s.
    while (c.motor == nullptr) {
        const int limit = nec2023::smallConductorLimit(in.material, a.bySmallConductor);
        if (limit == 0 || limit + 1e-9 >= c.device) break;
        ++a.bySmallConductor;
    }
    if (!in.faultCurrent) return std::nullopt;
    a.k = in.k ? *in.k
               : iceaK(in.material, in.insulation, nec2023::finalTemperature(in.insulationFamily));
    const double mm2 = c.faultPerSet() * std::sqrt(*in.clearingTime) / *a.k;
    a.shortCircuitCmil = mm2 / nec2023::kMm2PerCmil;
    a.byShortCircuit = smallestMeeting(c.firstSize(), static_cast<int>(kSizes.size()), [&](int s) {
        return kSizes[static_cast<std::size_t>(s)].cmil >= *a.shortCircuitCmil;
    });
    if (a.byShortCircuit) return std::nullopt;
    return refuse("fault_current", "needs " + roundedNumberText(*a.shortCircuitCmil, 0) +
                                       " cmil per conductor, more than the largest size (2000 "
                                       "kcmil)");
}

// The answer: the largest minimum and the criterion that set it, or a given size and what it
// fails; then the answer's own numbers.
std::optional<CircuitRefusal> conclude(const CircuitInputs& in, const nec2023::Circuit& c,
                                       CircuitAnswer& a) {
    const int sizeCount = static_cast<int>(kSizes.size());
    const bool noDropSize = a.byVoltageDrop == kNoSize;
    const std::array<std::optional<int>, 4> minimums{
        a.byAmpacity, noDropSize ? std::nullopt : std::optional<int>(a.byVoltageDrop),
        a.byShortCircuit, a.bySmallConductor};
    // No size meeting the drop asks for more than any size: the drop governs.
    a.governedBy =
        noDropSize ? Criterion::VoltageDrop : static_cast<Criterion>(governingCriterion(minimums));
    const int largest = noDropSize ? kNoSize : *minimums[static_cast<std::size_t>(a.governedBy)];
    if (in.size) {
        a.size = *in.size;
        a.sizeGiven = true;
        for (const std::size_t failed : failedCriteria(minimums, a.size))
            a.fails.push_back(static_cast<Criterion>(failed));
        if (noDropSize) {
            a.fails.push_back(Criterion::VoltageDrop);
            std::sort(a.fails.begin(), a.fails.end());
        }
    } else {
        a.size = largest;
        while (a.size < sizeCount && nec2023::table9Row(a.size) == nullptr) ++a.size;
        if (a.size == sizeCount && a.governedBy == Criterion::Ampacity &&
            a.ampacityRule == AmpacityRule::Protection && in.device)
            return refuse("device_rating",
                          roundedNumberText(c.device, 3) + " A needs " +
                              std::string(label(largest)) +
                              (in.sets > 1 ? " in each of the " + std::to_string(in.sets) + " sets"
                                           : std::string()) +
                              " to protect, beyond " + citationText(nec2023::kChapter9Table9.cite) +
                              " (up to 1000 kcmil), "
                              "so the drop cannot be checked: use a smaller device or more "
                              "parallel sets");
        if (a.size == sizeCount)
            return refuse(a.governedBy == Criterion::ShortCircuit ? "fault_current" : "current",
                          "needs " + std::string(label(largest)) + " by " +
                              std::string(criterionName(a.governedBy)) + ", beyond " +
                              citationText(nec2023::kChapter9Table9.cite) +
                              " (up to 1000 kcmil), so the "
                              "drop cannot be checked: use more parallel sets");
    }
    a.sizeLabel = label(a.size);
    const nec2023::Table9Row* row = nec2023::table9Row(a.size);
    if (row == nullptr)
        return refuse("size", std::string(a.sizeLabel) + " has no row in " +
                                  citationText(nec2023::kChapter9Table9.cite) +
                                  ", so its drop cannot "
                                  "be checked");

    a.ampacity = c.allowable(a.size, a.ambientFactor, a.adjustmentFactor);
    const nec2023::Drop d = c.drop(*row);
    a.dropVolts = d.volts;
    a.dropPercent = d.volts * 100 / in.volts;
    // A drop that reaches the supply leaves no voltage at the load to speak of.
    if (d.volts < in.volts) a.loadVolts = in.volts - d.volts;
    if (const int limit = nec2023::smallConductorLimit(in.material, a.size);
        limit != 0 && c.motor == nullptr)
        a.maxOvercurrentDevice = limit;
    groundingConductor(a, in.material);
    return std::nullopt;
}

// A motor refusal names the circuit's input: the path to the motor is the available fault
// current's and the branch cable's.
CircuitRefusal motorRefusal(motors::MotorRefusal refusal) {
    std::string_view field = refusal.field;
    if (field == "to_motor" || field == "to_board") field = "available_fault";
    if (field == "flc") field = "hp";
    return refuse(field, std::move(refusal.reason));
}

// The motor's or the air conditioner's own rules, before the circuit is sized from them.
std::optional<CircuitRefusal> motorRules(const CircuitInputs& in, CircuitAnswer& a) {
    motors::MotorResult result;
    if (in.load == LoadKind::Hvac) {
        result = motors::necHvac(*in.mca, *in.mop, in.motor);
    } else {
        motors::MotorInputs motor = in.motor;
        motor.supply = in.threePhase ? motors::Supply::ThreePhase : motors::Supply::SinglePhase;
        motor.volts = in.volts;
        result = motors::necMotor(motor);
    }
    if (auto* refusal = std::get_if<motors::MotorRefusal>(&result))
        return motorRefusal(std::move(*refusal));
    a.motor = std::move(std::get<motors::MotorAnswer>(result));
    return std::nullopt;
}

// The dip while the motor starts, from the available fault current and X/R at the circuit's
// origin and the branch cable of the answer's size (Chapter 9 Table 9, per phase; the loop for
// single phase).
void startingDip(const CircuitInputs& in, const nec2023::Circuit& c, CircuitAnswer& a) {
    motors::MotorAnswer& m = *a.motor;
    if (!in.availableFault || !m.startCurrent) return;
    const nec2023::Table9Row* row = nec2023::table9Row(a.size);
    if (row == nullptr) return;
    const double z = in.threePhase ? in.volts / (std::sqrt(3.0) * *in.availableFault)
                                   : in.volts / *in.availableFault;
    const double r = z / std::sqrt(1 + *in.xr * *in.xr);
    const motors::Impedance source{r, r * *in.xr};
    const nec2023::Drop d = c.drop(*row);
    const double conductors = (in.threePhase ? 1.0 : 2.0) * c.feet / (1000.0 * in.sets);
    const motors::Impedance toMotor{source.r + d.r * conductors, source.x + d.x * conductors};
    const motors::StartDip atMotor = motors::startDip(in.volts, in.threePhase, *m.startCurrent,
                                                      m.startPowerFactor, toMotor, toMotor);
    const motors::StartDip atBoard = motors::startDip(in.volts, in.threePhase, *m.startCurrent,
                                                      m.startPowerFactor, toMotor, source);
    m.startDipPercent = atMotor.dividerPercent;
    m.startDipScreeningPercent = atMotor.screeningPercent;
    m.startDipBoardPercent = atBoard.dividerPercent;
    m.startDipBoardScreeningPercent = atBoard.screeningPercent;
    m.inputs.toMotor = toMotor;
    m.inputs.toBoard = source;
}

CircuitResult check(const CircuitInputs& in, bool ampacityOnly) {
    if (std::optional<CircuitRefusal> refusal = invalid(in)) return std::move(*refusal);
    if (in.size && nec2023::tableAmpacity(in.material, *in.size, 0) == 0)
        return refuse("size", std::string(label(*in.size)) + " " +
                                  std::string(materialName(in.material)) + " has no value in " +
                                  citationText(nec2023::kTable310_16.cite));

    CircuitAnswer a;
    if (in.load != LoadKind::General)
        if (std::optional<CircuitRefusal> refusal = motorRules(in, a)) return std::move(*refusal);
    const nec2023::Circuit c(in, a.motor ? &*a.motor : nullptr);
    a.code = kEdition;
    a.sets = in.sets;
    a.trail = {in, ampacityOnly};
    a.requiredAmpacity = c.required;
    // Called one by one, not through a list of steps, so that each is inlined here.
    if (std::optional<CircuitRefusal> refusal = setUp(in, c, a)) return std::move(*refusal);
    if (std::optional<CircuitRefusal> refusal = ampacity(in, c, a)) return std::move(*refusal);
    if (ampacityOnly) return a;
    if (std::optional<CircuitRefusal> refusal = voltageDrop(in, c, a)) return std::move(*refusal);
    if (std::optional<CircuitRefusal> refusal = shortCircuit(in, c, a)) return std::move(*refusal);
    if (std::optional<CircuitRefusal> refusal = conclude(in, c, a)) return std::move(*refusal);
    if (a.motor) startingDip(in, c, a);
    return a;
}

}  // namespace

CircuitResult checkCircuit(const CircuitInputs& inputs) {
    return check(inputs, false);
}

CircuitResult checkAmpacity(const CircuitInputs& inputs) {
    return check(inputs, true);
}

std::string_view criterionKey(Criterion criterion) {
    constexpr std::string_view kKeys[] = {"ampacity", "voltage_drop", "short_circuit",
                                          "small_conductor"};
    return kKeys[static_cast<int>(criterion)];
}

std::string_view criterionName(Criterion criterion) {
    constexpr std::string_view kNames[] = {"ampacity", "voltage drop", "short circuit",
                                           "small-conductor rule"};
    return kNames[static_cast<int>(criterion)];
}

int circuitSizeCount() {
    return static_cast<int>(kSizes.size());
}

std::string_view circuitSizeLabel(int size) {
    return label(size);
}

std::optional<int> circuitSizeOf(std::string_view text) {
    return awgSizeIn(kSizes, text);
}

double circuitSizeCmil(int size) {
    return kSizes[static_cast<std::size_t>(size)].cmil;
}

double iceaK(Material material, double initialC, double finalC) {
    const nec2023::IceaConstants& icea = nec2023::icea(material);
    return std::sqrt(icea.c * std::log10((finalC + icea.beta) / (initialC + icea.beta))) /
           nec2023::kMm2PerCmil;
}

std::string_view ampacityRuleKey(AmpacityRule rule) {
    constexpr std::string_view kKeys[] = {"load_125", "after_factors", "protection", "combined_125",
                                          "parallel_minimum"};
    return kKeys[static_cast<int>(rule)];
}

double adiabaticK(Material material, double initialC, double finalC) {
    // IEC 60949's adiabatic constants: K 226 and β 234.5 °C for copper, 148 and 228 °C for
    // aluminium. They reproduce the k values tabulated in IEC 60364-5-54 / BS 7671.
    if (material == Material::Copper)
        return 226 * std::sqrt(std::log((234.5 + finalC) / (234.5 + initialC)));
    return 148 * std::sqrt(std::log((228 + finalC) / (228 + initialC)));
}

}  // namespace ferrovolt
