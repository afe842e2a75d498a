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

namespace ferrovolt::iec60364 {
namespace {

std::string testName(const char* text) {
    std::string name;
    for (const char* c = text; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

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

    const std::vector<IecTrailStep> trail = iecTrail(answer);
    const auto step = [&trail](std::string_view name) {
        for (const IecTrailStep& s : trail)
            if (s.step == name) return s;
        ADD_FAILURE() << name;
        return IecTrailStep{};
    };
    EXPECT_EQ(step("Disconnection time").source, "IEC 60364-4-41:2005 Table 41.1");
    EXPECT_EQ(step("Largest loop impedance").value,
              "Zs_max = U0 / I_a = 230 / 200 = 1.15 Ω (c_min not applied)");
    EXPECT_EQ(step("Protective conductor").source, "IEC 60364-5-54 Table 54.2");
    EXPECT_EQ(step("Conductor temperature").value,
              "line conductors at 70 °C: 1 + 0.00393 × (70 − 20) = 1.1965; protective "
              "conductor at 70 °C: 1 + 0.00393 × (70 − 20) = 1.1965");
    EXPECT_EQ(trail.back().value, "6 mm², governed by fault loop");
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
    EXPECT_NE(iecTrail(answer).back().value.find("fails fault loop"), std::string::npos);
}

IecInputs change(IecInputs in, auto IecInputs::*field, auto value) {
    in.*field = value;
    return in;
}

constexpr IecInputs kTtRcd = {
    .current = 20, .length = 40, .earthing = Earthing::Tt, .rcd = 0.1, .ra = 600};

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

struct RefusalCase {
    const char* name;
    IecInputs inputs;
    const char* field;
    const char* reason;  // a part of it
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class FaultPathRefused : public ::testing::TestWithParam<RefusalCase> {};

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
        RefusalCase{"curve on a fuse", change(kLongFinal, &IecInputs::device, Device::Gg), "curve",
                    "MCB"},
        RefusalCase{"TT without RA",
                    change(kLongFinal, &IecInputs::earthing, std::optional(Earthing::Tt)), "ra",
                    "needed in TT"},
        RefusalCase{"negative Ze", change(kLongFinal, &IecInputs::ze, std::optional(-0.2)), "ze",
                    "cannot be negative"},
        RefusalCase{"zero Ze", change(kLongFinal, &IecInputs::ze, std::optional(0.0)), "ze",
                    "is zero"},
        RefusalCase{"negative RA", change(kTtRcd, &IecInputs::ra, std::optional(-5.0)), "ra",
                    "cannot be negative"},
        RefusalCase{"Ze without earthing",
                    change(kLongFinal, &IecInputs::earthing, std::optional<Earthing>()), "ze",
                    "earthing system"},
        RefusalCase{"fuse without trip current",
                    change(change(kLongFinal, &IecInputs::device, Device::Gg), &IecInputs::curve,
                           std::optional<Curve>()),
                    "trip_current", "time-current curve"},
        RefusalCase{"trip current below rating",
                    change(change(kLongFinal, &IecInputs::curve, std::optional<Curve>()),
                           &IecInputs::tripCurrent, std::optional(16.0)),
                    "trip_current", "below I_n"},
        RefusalCase{"aluminium size without a resistance",
                    change(change(kLongFinal, &IecInputs::material, Metal::Aluminium),
                           &IecInputs::size, iecSizeOf("4 mm²")),
                    "size", "no resistance in IEC 60228"},
        RefusalCase{
            "curve too slow for TT at 400 V",
            change(change(change(kLongFinal, &IecInputs::earthing, std::optional(Earthing::Tt)),
                          &IecInputs::ra, std::optional(10.0)),
                   &IecInputs::volts, 400.0),
            "curve", "0.07 s"}),
    [](const auto& param) { return testName(param.param.name); });

}  // namespace
}  // namespace ferrovolt::iec60364
