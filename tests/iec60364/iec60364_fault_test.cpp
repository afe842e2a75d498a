// SPDX-License-Identifier: GPL-3.0-or-later
// The fault path of the metric circuit check: the protective conductor by Table 54.2 and by
// 543.1.2, the loop limit against published maximum loop impedances, the loop setting the
// size, a device no size can satisfy, and the refusals of the fault-path inputs.

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <string_view>

#include "iec60364/iec60364_check.h"
#include "iec_test_cases.h"

namespace ferrovolt::iec60364 {
namespace {

IecAnswer answerOf(const IecInputs& in) {
    const IecResult result = checkIecCircuit(in);
    if (const auto* refusal = std::get_if<IecRefusal>(&result))
        ADD_FAILURE() << refusal->field << ": " << refusal->reason;
    return std::holds_alternative<IecAnswer>(result) ? std::get<IecAnswer>(result) : IecAnswer{};
}

// A given line size, copper PVC, method C.
IecInputs lineOf(const char* size) {
    return {.current = 10, .length = 5, .size = iecSizeOf(size)};
}

IecInputs withFault(IecInputs in, double amps, double seconds, bool separate) {
    in.faultCurrent = amps;
    in.clearingTime = seconds;
    in.cpcSeparate = separate;
    in.cpcProtected = separate;  // its 543.1.3 minimum, 2.5 mm², is below what these faults ask
    return in;
}

// 20 A on a C20 breaker, 40 m of copper PVC fixed on a wall (method C) at 230 V, TN-S with
// Ze = 0.8 Ω: ampacity needs 2.5 mm², the 5 % drop 4 mm²; the loop of 4 mm² (0.8 + 2 × 4.61 ×
// 1.1965 × 0.04 = 1.241 Ω) is above 230 / 200 = 1.15 Ω, so the loop sets 6 mm²: Zs = 0.8 +
// 2 × 3.08 × 1.1965 × 0.04 = 1.0948 Ω, and 6 mm² disconnects in time up to 0.35 / 7.370 mΩ/m.
constexpr IecInputs kLongFinal = {.current = 20,
                                  .length = 40,
                                  .deviceRating = 20,
                                  .earthing = Earthing::TnS,
                                  .ze = 0.8,
                                  .curve = Curve::C};

struct CpcCase {
    const char* name;
    IecInputs inputs;
    const char* cpc;
};

void PrintTo(const CpcCase& c, std::ostream* out) {
    *out << c.name;
}

class ProtectiveConductorSize : public ::testing::TestWithParam<CpcCase> {};

TEST_P(ProtectiveConductorSize, FollowsTable54_2Or543_1_2) {
    EXPECT_EQ(answerOf(GetParam().inputs).cpc.sizeLabel, GetParam().cpc);
}

INSTANTIATE_TEST_SUITE_P(
    Iec, ProtectiveConductorSize,
    ::testing::Values(
        // Table 54.2, each band at its edges; S/2 goes up to the next standard size.
        CpcCase{"1.5 same", lineOf("1.5 mm²"), "1.5 mm²"},
        CpcCase{"16 same", lineOf("16 mm²"), "16 mm²"},
        CpcCase{"25 sixteen", lineOf("25 mm²"), "16 mm²"},
        CpcCase{"35 sixteen", lineOf("35 mm²"), "16 mm²"},
        CpcCase{"50 half", lineOf("50 mm²"), "25 mm²"},
        CpcCase{"120 half up to 70", lineOf("120 mm²"), "70 mm²"},
        CpcCase{"185 half up to 95", lineOf("185 mm²"), "95 mm²"},
        CpcCase{"300 half", lineOf("300 mm²"), "150 mm²"},
        // 543.1.2, 1 kA for 0.1 s: a core of the PVC cable, k = 115 (A.54.3), needs 2.75 mm²;
        // a separate PVC conductor from 30 °C, k = 143 (A.54.2), 2.21 mm².
        CpcCase{"adiabatic core", withFault(lineOf("16 mm²"), 1000, 0.1, false), "4 mm²"},
        CpcCase{"adiabatic separate", withFault(lineOf("16 mm²"), 1000, 0.1, true), "2.5 mm²"},
        // The long final circuit below with that fault: 543.1.2 asks 4 mm², but the loop raises
        // the line to 6 mm² and the core follows it by Table 54.2.
        CpcCase{"adiabatic core raised for the loop", withFault(kLongFinal, 1000, 0.1, false),
                "6 mm²"}),
    [](const auto& param) { return testName(param.param.name); });

// A 230 V final circuit in TN-S on an MCB of the curve and rating, sized freely.
IecInputs mcb(Curve curve, double rating, bool cmin, bool distribution = false) {
    return {.current = rating,
            .length = 1,
            .deviceRating = rating,
            .earthing = Earthing::TnS,
            .ze = 0.1,
            .curve = curve,
            .applyCmin = cmin,
            .distribution = distribution};
}

struct LimitCase {
    const char* name;
    IecInputs inputs;
    const char* zsMax;  // Ω, as printed to two decimals
};

void PrintTo(const LimitCase& c, std::ostream* out) {
    *out << c.name;
}

class LoopLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LoopLimit, MatchesThePublishedMaximum) {
    const IecAnswer answer = answerOf(GetParam().inputs);
    ASSERT_TRUE(answer.loop && answer.loop->zsMax);
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", *answer.loop->zsMax);
    EXPECT_STREQ(text, GetParam().zsMax);
}

INSTANTIATE_TEST_SUITE_P(
    Iec, LoopLimit,
    ::testing::Values(
        // BS 7671:2018 Table 41.3, 0.4 s at U0 = 230 V, with c_min = 0.95, as reproduced in a
        // UK certification tool's data file and a UK trade quiz (B32: 1.37 Ω).
        LimitCase{"B6 cmin", mcb(Curve::B, 6, true), "7.28"},
        LimitCase{"B32 cmin", mcb(Curve::B, 32, true), "1.37"},
        LimitCase{"C10 cmin", mcb(Curve::C, 10, true), "2.19"},
        LimitCase{"C32 cmin", mcb(Curve::C, 32, true), "0.68"},
        LimitCase{"D16 cmin", mcb(Curve::D, 16, true), "0.68"},
        LimitCase{"D32 cmin", mcb(Curve::D, 32, true), "0.34"},
        // BS 7671:2008 Table 41.3, U0 / I_a without a factor, as a UK tool's constants print it.
        LimitCase{"B32 plain", mcb(Curve::B, 32, false), "1.44"},
        LimitCase{"C6 plain", mcb(Curve::C, 6, false), "3.83"},
        LimitCase{"D10 plain", mcb(Curve::D, 10, false), "1.15"},
        // The certification tool prints 3.64 Ω for a D6 allowed 5 s: 10 I_n, read from makers'
        // curves. IEC 60898-1 ensures a D breaker's trip at 20 I_n only (below it, the
        // instantaneous release may hold and the thermal release has no 5 s point), so the
        // check keeps I_a = 20 I_n whatever the time: 0.95 × 230 / 120 = 1.82 Ω.
        LimitCase{"D6 5 s stays at 20 In", mcb(Curve::D, 6, true, true), "1.82"}),
    [](const auto& param) { return testName(param.param.name); });

TEST(IecFaultLoop, SetsTheSizeWhereAmpacityAndDropDoNot) {
    const IecAnswer answer = answerOf(kLongFinal);
    EXPECT_EQ(answer.byVoltageDrop, iecSizeOf("4 mm²"));
    EXPECT_EQ(answer.sizeLabel, "6 mm²");
    EXPECT_EQ(iecCriterionKey(answer.governedBy), "fault_loop");
    EXPECT_EQ(answer.cpc.sizeLabel, "6 mm²");
    ASSERT_TRUE(answer.loop && answer.loop->zs && answer.loop->maxLength);
    EXPECT_TRUE(answer.meetsAll);
    EXPECT_NEAR(*answer.loop->zs, 1.0948, 1e-4);
    EXPECT_NEAR(*answer.loop->maxLength, 47.487, 1e-3);
    EXPECT_EQ(answer.loop->disconnectionTime, 0.4);

    const std::vector<TrailStep> trail = iecTrail(answer);
    const auto step = [&trail](std::string_view name) {
        for (const TrailStep& s : trail)
            if (s.step == name) return s;
        ADD_FAILURE() << name;
        return TrailStep{};
    };
    EXPECT_EQ(step("Disconnection time").source, "IEC 60364-4-41:2005 Table 41.1");
    EXPECT_EQ(step("Largest loop impedance").value,
              "Zs_max = U0 / I_a = 230 / 200 = 1.15 Ω (c_min not applied)");
    EXPECT_EQ(step("Protective conductor").source, "IEC 60364-5-54 Table 54.2");
    EXPECT_EQ(step("Conductor temperature").value,
              "line conductors at 70 °C: 1 + 0.00393 × (70 − 20) = 1.1965; protective "
              "conductor at 70 °C: 1 + 0.00393 × (70 − 20) = 1.1965");
    // The size below it, and why the loop raised the line from it.
    EXPECT_EQ(step("Loop of 4 mm² and 4 mm²").value,
              "Zs = 1.241 Ω > Zs_max = 1.15 Ω: does not disconnect within 0.4 s");
    EXPECT_EQ(step("By earth-fault loop").value, "6 mm²: Zs = 1.095 Ω ≤ 1.15 Ω");
    EXPECT_EQ(trail.back().value, "6 mm², governed by earth-fault loop");
}

struct UnmetCase {
    const char* name;
    IecInputs inputs;
    const char* reason;  // a part of it
};

void PrintTo(const UnmetCase& c, std::ostream* out) {
    *out << c.name;
}

class NoSizeDisconnects : public ::testing::TestWithParam<UnmetCase> {};

TEST_P(NoSizeDisconnects, FailsTheFaultLoop) {
    const IecAnswer answer = answerOf(GetParam().inputs);
    ASSERT_TRUE(answer.loop);
    EXPECT_FALSE(answer.meetsAll);
    EXPECT_TRUE(answer.fails[static_cast<std::size_t>(IecCriterion::FaultLoop)]);
    EXPECT_NE(answer.loop->reason.find(GetParam().reason), std::string::npos)
        << answer.loop->reason;
    EXPECT_NE(iecTrail(answer).back().value.find("fails earth-fault loop"), std::string::npos);
}

constexpr IecInputs kTtRcd = {
    .current = 20, .length = 40, .earthing = Earthing::Tt, .ze = 600, .rcd = 0.1, .ra = 600};

INSTANTIATE_TEST_SUITE_P(
    Iec, NoSizeDisconnects,
    ::testing::Values(UnmetCase{"Ze above the limit",
                                change(kLongFinal, &IecInputs::ze, std::optional(1.3)),
                                "Ze = 1.3 Ω alone is not below Zs_max = 1.15 Ω"},
                      UnmetCase{"given size",
                                change(kLongFinal, &IecInputs::size, iecSizeOf("4 mm²")),
                                "Zs = 1.241 Ω is above Zs_max = 1.15 Ω"},
                      UnmetCase{"TT electrode", kTtRcd, "R_A × I_Δn = 60 V is above 50 V"}),
    [](const auto& param) { return testName(param.param.name); });

struct FaultRefusalCase {
    const char* name;
    IecInputs inputs;
    const char* field;
    const char* reason;  // a part of it
};

void PrintTo(const FaultRefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class FaultPathRefused : public ::testing::TestWithParam<FaultRefusalCase> {};

TEST_P(FaultPathRefused, NamesTheFieldAndTheReason) {
    const IecResult result = checkIecCircuit(GetParam().inputs);
    ASSERT_TRUE(std::holds_alternative<IecRefusal>(result));
    const auto& refusal = std::get<IecRefusal>(result);
    EXPECT_EQ(refusal.field, GetParam().field) << refusal.reason;
    EXPECT_NE(refusal.reason.find(GetParam().reason), std::string::npos) << refusal.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Iec, FaultPathRefused,
    ::testing::Values(
        FaultRefusalCase{"curve on a fuse", change(kLongFinal, &IecInputs::device, Device::Gg),
                         "curve", "MCB"},
        FaultRefusalCase{"TT without RA",
                         change(kLongFinal, &IecInputs::earthing, std::optional(Earthing::Tt)),
                         "ra", "needed in TT"},
        FaultRefusalCase{"negative Ze", change(kLongFinal, &IecInputs::ze, std::optional(-0.2)),
                         "ze", "cannot be negative"},
        FaultRefusalCase{"zero Ze", change(kLongFinal, &IecInputs::ze, std::optional(0.0)), "ze",
                         "is zero"},
        FaultRefusalCase{"negative RA", change(kTtRcd, &IecInputs::ra, std::optional(-5.0)), "ra",
                         "cannot be negative"},
        FaultRefusalCase{"Ze without earthing",
                         change(kLongFinal, &IecInputs::earthing, std::optional<Earthing>()), "ze",
                         "earthing system"},
        FaultRefusalCase{"fuse without trip current",
                         change(change(kLongFinal, &IecInputs::device, Device::Gg),
                                &IecInputs::curve, std::optional<Curve>()),
                         "trip_current", "time-current curve"},
        FaultRefusalCase{"trip current below rating",
                         change(change(kLongFinal, &IecInputs::curve, std::optional<Curve>()),
                                &IecInputs::tripCurrent, std::optional(16.0)),
                         "trip_current", "below I_n"},
        FaultRefusalCase{"aluminium size without a resistance",
                         change(change(kLongFinal, &IecInputs::material, Metal::Aluminium),
                                &IecInputs::size, iecSizeOf("4 mm²")),
                         "size", "no resistance in IEC 60228"},
        FaultRefusalCase{"curve too slow for TT at 400 V",
                         change(change(change(change(kLongFinal, &IecInputs::earthing,
                                                     std::optional(Earthing::Tt)),
                                              &IecInputs::ra, std::optional(0.5)),
                                       &IecInputs::volts, 400.0),
                                &IecInputs::u0, std::optional(400.0)),
                         "curve", "0.07 s"}),
    [](const auto& param) { return testName(param.param.name); });

// 10 A at 230 V single phase over 20 m of a given 2.5 mm² copper PVC cable with its core as the
// protective conductor, on a B10 MCB: R1 + R2 = 2 × 7.41 mΩ/m × 1.1965 × 20 m = 0.3546 Ω.
constexpr IecInputs kFinal = {.current = 10,
                              .length = 20,
                              .size = 4,  // 2.5 mm²
                              .earthing = Earthing::TnS,
                              .ze = 1,
                              .curve = Curve::B};
constexpr double kFinalRun = 2 * 7.41e-3 * (1 + 0.00393 * 50) * 20;

IecInputs tt(IecInputs in, double ze, double ra) {
    in.earthing = Earthing::Tt;
    in.ze = ze;
    in.ra = ra;
    return in;
}

IecInputs rcd(IecInputs in, double ze, double ra, double idn) {
    in = tt(in, ze, ra);
    in.curve.reset();
    in.rcd = idn;
    return in;
}

struct LoopCase {
    const char* name;
    IecInputs inputs;
    double zsMax;  // Ω
    double time;   // s
    bool holds;
};

class LoopBoundary : public ::testing::TestWithParam<LoopCase> {};

TEST_P(LoopBoundary, DisconnectsOnlyWithinZsMax) {
    const IecAnswer answer = answerOf(GetParam().inputs);
    ASSERT_TRUE(answer.loop && answer.loop->zsMax);
    EXPECT_NEAR(*answer.loop->zsMax, GetParam().zsMax, 1e-3);
    EXPECT_EQ(answer.loop->disconnectionTime, GetParam().time);
    EXPECT_EQ(answer.loop->holds, GetParam().holds) << answer.loop->reason;
    EXPECT_EQ(answer.meetsAll, GetParam().holds);
}

INSTANTIATE_TEST_SUITE_P(
    Iec, LoopBoundary,
    ::testing::Values(
        // TT with the MCB (411.5.4): I_a = 5 × 10 A, Zs_max = 230 / 50 = 4.6 Ω within the 0.2 s
        // of TT (TN takes 0.4 s); Ze includes R_A = 1 Ω. Ze 4.24 + 0.3546 = 4.595 Ω holds,
        // 4.25 + 0.3546 = 4.605 Ω does not.
        LoopCase{"TT MCB just within", tt(kFinal, 4.24, 1), 4.6, 0.2, true},
        LoopCase{"TT MCB just beyond", tt(kFinal, 4.25, 1), 4.6, 0.2, false},
        LoopCase{"TN MCB at 0.4 s", change(kFinal, &IecInputs::ze, std::optional(4.24)), 4.6, 0.4,
                 true},
        // Distribution circuits: 5 s in TN, 1 s in TT, not swapped.
        LoopCase{"TN distribution 5 s", change(kFinal, &IecInputs::distribution, true), 4.6, 5,
                 true},
        LoopCase{"TT distribution 1 s", change(tt(kFinal, 1.2, 1), &IecInputs::distribution, true),
                 4.6, 1, true},
        // "Up to 32 A" is the device's rating, not I_B (10 A): a B32 keeps 0.4 s (4 mm², Zs =
        // 1 + 2 × 4.61 × 1.1965 × 0.02 = 1.221 Ω ≤ 230 / 160 = 1.4375 Ω); a B40 takes 5 s
        // (6 mm², Zs = 1 + 2 × 3.08 × 1.1965 × 0.02 = 1.1474 Ω ≤ 230 / 200 = 1.15 Ω).
        LoopCase{"B32 is a final circuit up to 32 A",
                 change(change(kFinal, &IecInputs::size, std::optional<int>()),
                        &IecInputs::deviceRating, std::optional(32.0)),
                 1.4375, 0.4, true},
        LoopCase{"B40 above 32 A takes 5 s",
                 change(change(kFinal, &IecInputs::size, std::optional<int>()),
                        &IecInputs::deviceRating, std::optional(40.0)),
                 1.15, 5, true},
        // Three phase at 400 V: U0 = 400 / √3 = 230.9 V, read in the 230 V row by its line
        // voltage (0.4 s, not 0.2 s): Zs_max = 230.94 / 50 = 4.6188 Ω.
        LoopCase{"three phase 400 V in the 230 V row",
                 change(change(kFinal, &IecInputs::phase, Phase::Three), &IecInputs::volts, 400.0),
                 4.6188, 0.4, true},
        // TT with a 0.3 A RCD: 0.2 s asks 2 I_Δn (0.15 s), I_a = 0.6 A, Zs_max = 383.33 Ω.
        // Ze 382.97 + 0.3546 = 383.325 Ω holds; 382.99 + 0.3546 = 383.345 Ω does not.
        LoopCase{"RCD at 2 IΔn just within", rcd(kFinal, 382.97, 100, 0.3), 383.333, 0.2, true},
        LoopCase{"RCD at 2 IΔn just beyond", rcd(kFinal, 382.99, 100, 0.3), 383.333, 0.2, false},
        // 1 s (distribution) takes I_Δn itself (0.3 s): 230 / 0.3 = 766.67 Ω.
        LoopCase{"RCD distribution at IΔn",
                 change(rcd(kFinal, 700, 100, 0.3), &IecInputs::distribution, true), 766.667, 1,
                 true},
        // 120 V: 0.3 s, which I_Δn meets exactly: 120 / 0.3 = 400 Ω.
        LoopCase{"RCD at 120 V exactly 0.3 s",
                 change(rcd(kFinal, 300, 100, 0.3), &IecInputs::volts, 120.0), 400, 0.3, true},
        // U0 = 400 V: 0.07 s asks 5 I_Δn (0.04 s): 400 / 1.5 = 266.67 Ω.
        LoopCase{"RCD at 400 V U0 takes 5 IΔn",
                 change(change(rcd(kFinal, 200, 100, 0.3), &IecInputs::volts, 400.0),
                        &IecInputs::u0, std::optional(400.0)),
                 266.667, 0.07, true},
        // R_A × I_Δn = 100 × 0.5 = 50 V exactly meets 411.5.3; 100.2 × 0.5 = 50.1 V does not,
        // whatever the loop (Zs_max = 230 / (2 × 0.5) = 230 Ω).
        LoopCase{"touch voltage exactly 50 V", rcd(kFinal, 100.2, 100, 0.5), 230, 0.2, true},
        LoopCase{"touch voltage 50.1 V", rcd(kFinal, 100.2, 100.2, 0.5), 230, 0.2, false},
        // A 400 V single-phase load across two lines of 230/400 V is checked at U0 = 230 V:
        // Zs_max = 230 / 50 = 4.6 Ω, not 400 / 50 = 8 Ω. 5 + 0.3546 Ω does not disconnect.
        LoopCase{"U0 of a line-to-line load",
                 change(change(change(kFinal, &IecInputs::volts, 400.0), &IecInputs::u0,
                               std::optional(230.0)),
                        &IecInputs::ze, std::optional(5.0)),
                 4.6, 0.4, false},
        // Up to 250 V the circuit's voltage is U0: 250 / 50 = 5 Ω, in the 0.2 s row above 230 V.
        LoopCase{"250 V single phase is U0", change(kFinal, &IecInputs::volts, 250.0), 5, 0.2,
                 true}),
    [](const auto& param) { return testName(param.param.name); });

TEST(IecFaultLoop, AnRcdTooWeakForItsLoopDoesNotDisconnect) {
    // Ze 1000 Ω: at most 230 / 1000 = 0.23 A flows, below the 0.6 A that operates a 0.3 A RCD
    // within 0.15 s: no size can disconnect, and no run is short enough.
    const IecAnswer answer =
        answerOf(rcd(change(kFinal, &IecInputs::size, std::optional<int>()), 1000, 100, 0.3));
    ASSERT_TRUE(answer.loop);
    EXPECT_FALSE(answer.loop->holds);
    EXPECT_FALSE(answer.loop->maxLength);
    EXPECT_EQ(answer.loop->reason,
              "Ze = 1000 Ω alone is not below Zs_max = 383.333 Ω: no conductor size disconnects "
              "in time");
    const std::vector<TrailStep> trail = iecTrail(answer);
    const auto has = [&trail](std::string_view step, std::string_view value) {
        for (const TrailStep& s : trail)
            if (s.step == step) return s.value == value;
        return false;
    };
    EXPECT_TRUE(has("Earth electrode", "R_A × I_Δn = 100 × 0.3 = 30 V ≤ 50 V"));
    EXPECT_TRUE(has("Trip current",
                    "I_a = 2 × I_Δn = 0.6 A: the RCD operates within 0.15 s at 2 I_Δn, within "
                    "the 0.2 s required"));
    EXPECT_TRUE(has("Longest run", "none: Ze = 1000 Ω alone is not below Zs_max = 383.333 Ω"));
}

TEST(IecFaultLoop, TheLongestRunIsNoneOnlyWhereZeReachesTheLimit) {
    // Zs_max = 4.6 Ω; per metre 2 × 7.41 mΩ × 1.1965 = 17.732 mΩ: Ze 4.59 leaves 0.01 Ω,
    // 0.564 m; Ze 4.6 leaves none.
    const IecAnswer some = answerOf(change(kFinal, &IecInputs::ze, std::optional(4.59)));
    ASSERT_TRUE(some.loop && some.loop->maxLength);
    EXPECT_NEAR(*some.loop->maxLength, 0.01 / (kFinalRun / 20), 1e-6);
    const IecAnswer none = answerOf(change(kFinal, &IecInputs::ze, std::optional(4.6)));
    ASSERT_TRUE(none.loop);
    EXPECT_FALSE(none.loop->maxLength);
}

TEST(IecFaultLoop, ASeparateConductorIsAtItsOwnInitialTemperature) {
    // 4 mm² line at 70 °C, a separate 4 mm² protective conductor at the 30 °C of Table A.54.2:
    // R1 = 4.61 mΩ/m × 1.1965 × 20 m = 0.11032 Ω, R2 = 4.61 mΩ/m × 1.0393 × 20 m = 0.09582 Ω.
    IecInputs in = change(kFinal, &IecInputs::size, iecSizeOf("4 mm²"));
    in.cpcSeparate = true;
    const IecAnswer answer = answerOf(in);
    ASSERT_TRUE(answer.loop && answer.loop->zs);
    EXPECT_EQ(answer.cpc.sizeLabel, "4 mm²");
    EXPECT_NEAR(answer.loop->r1, 0.11032, 1e-5);
    EXPECT_NEAR(answer.loop->r2, 0.09582, 1e-5);
    EXPECT_NEAR(*answer.loop->zs, 1 + 0.11032 + 0.09582, 1e-5);
}

TEST(IecFaultLoop, ARaisedLineKeepsTheProtectiveConductor543_1_2Asked) {
    // 63 A on a B63 (I_a 315 A, Zs_max = 230 / 315 = 0.7302 Ω, 5 s above 32 A), 380 m, Ze 0.3,
    // 10 kA for 0.1 s: 10000 × √0.1 / 115 = 27.5 mm², so 35 mm² line and core. 35/35 loops at
    // 0.3 + 2 × 0.524 × 1.1965 × 0.38 = 0.776 Ω; 50 mm² with the 35 mm² core at 0.3 + (0.387 +
    // 0.524) × 1.1965 × 0.38 = 0.714 Ω disconnects. Table 54.2 of 50 mm² gives 25 mm²: the
    // core stays 35 mm².
    const IecAnswer answer = answerOf({.current = 63,
                                       .length = 380,
                                       .maxDropPercent = 20,
                                       .faultCurrent = 10000,
                                       .clearingTime = 0.1,
                                       .earthing = Earthing::TnS,
                                       .ze = 0.3,
                                       .curve = Curve::B});
    EXPECT_EQ(answer.byShortCircuit, iecSizeOf("35 mm²"));
    EXPECT_EQ(answer.sizeLabel, "50 mm²");
    EXPECT_EQ(answer.governedBy, IecCriterion::FaultLoop);
    EXPECT_EQ(answer.cpc.sizeLabel, "35 mm²");
    ASSERT_TRUE(answer.loop && answer.loop->zs);
    EXPECT_NEAR(*answer.loop->zs, 0.3 + (0.387 + 0.524) * 1.1965 * 0.38, 1e-4);
}

struct SeparateCase {
    const char* name;
    IecInputs inputs;
    const char* cpc;
};

class SeparateProtectiveConductor : public ::testing::TestWithParam<SeparateCase> {};

TEST_P(SeparateProtectiveConductor, IsNeverBelow543_1_3) {
    EXPECT_EQ(answerOf(GetParam().inputs).cpc.sizeLabel, GetParam().cpc);
}

IecInputs separate(const char* size, bool protectedCpc) {
    IecInputs in = lineOf(size);
    in.cpcSeparate = true;
    in.cpcProtected = protectedCpc;
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Iec, SeparateProtectiveConductor,
    ::testing::Values(
        SeparateCase{"a core stays 1.5", lineOf("1.5 mm²"), "1.5 mm²"},
        SeparateCase{"unprotected 4", separate("1.5 mm²", false), "4 mm²"},
        SeparateCase{"protected 2.5", separate("1.5 mm²", true), "2.5 mm²"},
        SeparateCase{"protected below Table 54.2", separate("4 mm²", true), "4 mm²"},
        SeparateCase{"unprotected below Table 54.2", separate("6 mm²", false), "6 mm²"},
        // Aluminium: 543.1.3's 16 mm² is 524.1's floor already.
        SeparateCase{"aluminium at 524.1",
                     change(separate("16 mm²", false), &IecInputs::material, Metal::Aluminium),
                     "16 mm²"}),
    [](const auto& param) { return testName(param.param.name); });

TEST(IecProtectiveConductor, NoSizeMeeting543_1_2FailsTheShortCircuit) {
    // k = 500 given for the line: 64890 A for 1 s needs 129.8 mm², so 150 mm². The core of the
    // cable takes Table A.54.3: 64890 / 103 = 630 mm² exactly meets at 630 mm²; 64900 A needs
    // 630.1 mm², more than any size of IEC 60228.
    const auto faulted = [](double amps) {
        IecInputs in{.current = 10, .length = 5};
        in.faultCurrent = amps;
        in.clearingTime = 1;
        in.k = 500;
        return answerOf(in);
    };
    const IecAnswer meets = faulted(64890);
    EXPECT_EQ(meets.cpc.sizeLabel, "630 mm²");
    EXPECT_TRUE(meets.meetsAll);
    const IecAnswer fails = faulted(64900);
    EXPECT_EQ(fails.sizeLabel, "150 mm²");
    EXPECT_EQ(fails.cpc.sizeLabel, "630 mm²");
    EXPECT_FALSE(fails.cpc.meets);
    EXPECT_FALSE(fails.meetsAll);
    EXPECT_TRUE(fails.fails[static_cast<std::size_t>(IecCriterion::ShortCircuit)]);
    EXPECT_EQ(iecTrail(fails).back().value,
              "150 mm², governed by short circuit; fails short circuit: the protective conductor "
              "needs 630.1 mm² by IEC 60364-5-54 543.1.2, more than 630 mm²");
}

INSTANTIATE_TEST_SUITE_P(
    IecTt, FaultPathRefused,
    ::testing::Values(
        // In TT the loop holds the electrode: Ze 99.9 Ω under R_A 100 Ω is no loop of it (100 Ω
        // is answered above).
        FaultRefusalCase{"Ze below RA", rcd(kFinal, 99.9, 100, 0.03), "ze",
                         "Ze = 99.9 Ω is below R_A = 100 Ω"},
        FaultRefusalCase{"TT RCD without Ze",
                         change(rcd(kFinal, 1, 1, 0.03), &IecInputs::ze, std::optional<double>()),
                         "ze", "R_A included"},
        FaultRefusalCase{"protected without separate",
                         change(kFinal, &IecInputs::cpcProtected, true), "cpc_protected",
                         "separate protective conductor"},
        FaultRefusalCase{"251 V single phase without U0", change(kFinal, &IecInputs::volts, 251.0),
                         "u0", "is needed for a single-phase circuit of 251 V"},
        FaultRefusalCase{"U0 for three phase",
                         change(change(kFinal, &IecInputs::phase, Phase::Three), &IecInputs::u0,
                                std::optional(230.0)),
                         "u0", "applies to single phase"},
        FaultRefusalCase{"U0 above the volts", change(kFinal, &IecInputs::u0, std::optional(240.0)),
                         "u0", "240 V is above the circuit's 230 V"}),
    [](const auto& param) { return testName(param.param.name); });

}  // namespace
}  // namespace ferrovolt::iec60364
