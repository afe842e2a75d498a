// SPDX-License-Identifier: GPL-3.0-or-later
// A motor's circuit in the metric check: its design current, the device and size it takes, the
// dip while it starts, the inputs it refuses and what its trail says.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "iec60364/iec60364_check.h"
#include "iec_test_cases.h"

namespace ferrovolt::iec60364 {
namespace {

// 30 kW, η 0.92, cos φ 0.86 on 400 V three phase, 50 m of copper PVC on a wall (method C),
// 10 kA at the origin cleared in 0.01 s.
constexpr IecInputs kMotor = {.length = 50,
                              .phase = Phase::Three,
                              .volts = 400,
                              .faultCurrent = 10000,
                              .clearingTime = 0.01,
                              .load = Load::Motor,
                              .kw = 30,
                              .efficiency = 0.92,
                              .motorPowerFactor = 0.86};

constexpr IecInputs withAm(IecInputs in) {
    in.device = Device::Am;
    in.deviceRating = 63;
    return in;
}

// S4 of the motor reference: a 600 A locked-rotor current on 5000 A available, across 1 mm of
// cable: the dip is 600 / (600 + 5000) = 10.714 % at both ends.
constexpr IecInputs kS4 = {.length = 0.001,
                           .phase = Phase::Three,
                           .volts = 400,
                           .faultCurrent = 5000,
                           .clearingTime = 0.01,
                           .load = Load::Motor,
                           .fla = 100,
                           .lra = 600};

// One phase at 230 V: nameplate 10 A, locked rotor 60 A, on a B10 in TN-S with Ze 0.5 Ω as the
// source's loop.
constexpr IecInputs kSinglePhase = {.length = 20,
                                    .volts = 230,
                                    .earthing = Earthing::TnS,
                                    .ze = 0.5,
                                    .curve = Curve::B,
                                    .load = Load::Motor,
                                    .fla = 10,
                                    .lra = 60};

struct MotorExample {
    const char* name;
    IecInputs inputs;
    double designCurrent;
    const char* size;
    double rating;
    double startCurrent;
    double dipMotor;
    double dipBoard;
};

void PrintTo(const MotorExample& e, std::ostream* out) {
    *out << e.name;
}

class MotorCircuitExample : public ::testing::TestWithParam<MotorExample> {};

TEST_P(MotorCircuitExample, SizesAndDips) {
    const MotorExample& e = GetParam();
    const IecResult result = checkIecCircuit(e.inputs);
    ASSERT_TRUE(std::holds_alternative<IecAnswer>(result))
        << e.name << ": " << std::get<IecRefusal>(result).reason;
    const auto& a = std::get<IecAnswer>(result);
    ASSERT_TRUE(a.motor.has_value());
    const motors::MotorAnswer& m = a.motor->motor;
    EXPECT_NEAR(m.designCurrent, e.designCurrent, 0.001) << e.name;
    EXPECT_EQ(a.sizeLabel, e.size) << e.name;
    EXPECT_EQ(a.rating, e.rating) << e.name;
    EXPECT_NEAR(m.startCurrent.value_or(0), e.startCurrent, 0.01) << e.name;
    EXPECT_NEAR(m.startDipPercent.value_or(-1), e.dipMotor, 0.001) << e.name;
    EXPECT_NEAR(m.startDipBoardPercent.value_or(-1), e.dipBoard, 0.001) << e.name;
}

// I_B = 30 000 / (√3 × 400 × 0.92 × 0.86) = 54.729 A; I_st = 6 × I_B = 328.372 A.
// The motor while starting: Z_m = 230.940 V / 328.372 A = 0.70329 Ω at cos φ 0.3; the source
// 230.940 V / 10 000 A = 0.023094 Ω at the same angle; 16 mm² over 50 m, R = 0.0225 × 50 / 16
// = 0.070313 Ω, X = 0.08e-3 × 50 = 0.004 Ω. At the motor 1 − |Z_m| / |Z_m + Z_s + Z_c| =
// 6.747 %; at the board 1 − |Z_m + Z_c| / |Z_m + Z_s + Z_c| = 3.050 %.
// One phase: Z_m = 230 V / 60 A = 3.8333 Ω at cos φ 0.3, Ze = 0.5 Ω at the same angle, and
// 1.5 mm² over 20 m out and back, R = 2 × 0.0225 × 20 / 1.5 = 0.6 Ω, X = 2 × 0.08e-3 × 20 =
// 0.0032 Ω: 15.795 % at the motor (above the 15 % criterion), 10.886 % at the board.
// With the MCB of 63 A, I_z ≥ 63 A: 16 mm² (76 A). The aM fuse asks I_z ≥ I_B only: 10 mm²
// (57 A), whose R = 0.1125 Ω gives 8.816 % and 2.965 %. S4's 100 A MCB takes 35 mm² (119 A).
INSTANTIATE_TEST_SUITE_P(Iec, MotorCircuitExample,
                         ::testing::Values(MotorExample{"S4_600A_locked_rotor_on_5000A", kS4, 100,
                                                        "35 mm²", 100, 600, 10.714, 10.714},
                                           MotorExample{"rated_power_behind_an_MCB", kMotor, 54.729,
                                                        "16 mm²", 63, 328.372, 6.747, 3.050},
                                           MotorExample{"aM_fuse_sizes_on_the_design_current",
                                                        withAm(kMotor), 54.729, "10 mm²", 63,
                                                        328.372, 8.816, 2.965},
                                           MotorExample{"one_phase_over_Ze", kSinglePhase, 10,
                                                        "1.5 mm²", 10, 60, 15.795, 10.886}),
                         [](const auto& param) { return std::string(param.param.name); });

struct MotorRefusal {
    const char* name;
    IecInputs inputs;
    std::string_view field;  // "" where the input is accepted
};

void PrintTo(const MotorRefusal& r, std::ostream* out) {
    *out << r.name;
}

class MotorInput : public ::testing::TestWithParam<MotorRefusal> {};

TEST_P(MotorInput, IsRefusedByName) {
    const MotorRefusal& r = GetParam();
    const IecResult result = checkIecCircuit(r.inputs);
    if (r.field.empty()) {
        EXPECT_TRUE(std::holds_alternative<IecAnswer>(result))
            << r.name << ": " << std::get<IecRefusal>(result).reason;
        return;
    }
    ASSERT_TRUE(std::holds_alternative<IecRefusal>(result)) << r.name;
    EXPECT_EQ(std::get<IecRefusal>(result).field, r.field)
        << r.name << ": " << std::get<IecRefusal>(result).reason;
}

constexpr IecInputs kNameplate = change(kMotor, &IecInputs::fla, 50.0);

INSTANTIATE_TEST_SUITE_P(
    Iec, MotorInput,
    ::testing::Values(
        MotorRefusal{"efficiency_of_0", change(kMotor, &IecInputs::efficiency, 0.0), "efficiency"},
        MotorRefusal{"efficiency_above_1", change(kMotor, &IecInputs::efficiency, 1.01),
                     "efficiency"},
        MotorRefusal{"efficiency_of_1", change(kMotor, &IecInputs::efficiency, 1.0), ""},
        MotorRefusal{"power_factor_of_0", change(kMotor, &IecInputs::motorPowerFactor, 0.0),
                     "motor_pf"},
        MotorRefusal{"power_factor_above_1", change(kMotor, &IecInputs::motorPowerFactor, 1.01),
                     "motor_pf"},
        MotorRefusal{"power_factor_of_1", change(kMotor, &IecInputs::motorPowerFactor, 1.0), ""},
        MotorRefusal{"rated_power_of_0", change(kMotor, &IecInputs::kw, 0.0), "kw"},
        MotorRefusal{"rated_power_of_0_beside_a_nameplate", change(kNameplate, &IecInputs::kw, 0.0),
                     "kw"},
        MotorRefusal{"no_rated_power_nor_nameplate",
                     change(kMotor, &IecInputs::kw, std::optional<double>()), "kw"},
        MotorRefusal{"rated_power_without_efficiency",
                     change(kMotor, &IecInputs::efficiency, std::optional<double>()), "efficiency"},
        MotorRefusal{"locked_rotor_below_the_nameplate", change(kNameplate, &IecInputs::lra, 49.9),
                     "lra"},
        MotorRefusal{"locked_rotor_at_the_nameplate", change(kNameplate, &IecInputs::lra, 50.0),
                     ""},
        MotorRefusal{"locked_rotor_and_a_multiple",
                     change(change(kMotor, &IecInputs::lra, 400.0), &IecInputs::startMultiple, 7.0),
                     "start_multiple"},
        MotorRefusal{"starting_power_factor_of_1",
                     change(kMotor, &IecInputs::startPowerFactor, 1.0), "start_pf"},
        MotorRefusal{"dip_limit_of_0", change(kMotor, &IecInputs::dipLimitMotor, 0.0),
                     "dip_limit_motor"},
        MotorRefusal{"dip_limit_of_100", change(kMotor, &IecInputs::dipLimitBoard, 100.0),
                     "dip_limit_board"},
        MotorRefusal{"a_current_beside_the_motor", change(kMotor, &IecInputs::current, 50.0),
                     "current"},
        MotorRefusal{"a_drop_power_factor_beside_the_motor",
                     change(kMotor, &IecInputs::powerFactor, 0.9), "pf"},
        MotorRefusal{"a_DC_motor", change(kMotor, &IecInputs::phase, Phase::Dc), "phase"},
        MotorRefusal{"aM_fuse_without_its_rating", change(kMotor, &IecInputs::device, Device::Am),
                     "device_rating"},
        MotorRefusal{"aM_fuse_on_a_general_load",
                     change(withAm(kMotor), &IecInputs::load, Load::General), "device"}),
    [](const auto& param) { return std::string(param.param.name); });

// The trail states the defaults taken, Annex G's note on starting, the source and the aM
// fuse's share of the protection.
TEST(IecMotor, TrailStatesDefaultsTheStartingNoteAndTheFuse) {
    const IecResult result = checkIecCircuit(withAm(kMotor));
    ASSERT_TRUE(std::holds_alternative<IecAnswer>(result));
    const std::vector<TrailStep> trail = iecTrail(std::get<IecAnswer>(result));
    const auto valueOf = [&trail](std::string_view step) {
        const auto it = std::find_if(trail.begin(), trail.end(),
                                     [step](const TrailStep& s) { return s.step == step; });
        return it == trail.end() ? std::string("(no step)") : it->value + " | " + it->source;
    };
    EXPECT_EQ(valueOf("Design current"),
              "I_B = 30 kW / (√3 × 400 V × 0.92 × 0.86) = 54.73 A | input");
    EXPECT_NE(valueOf("Overload protection").find("I_2 ≤ 1.45 I_z is the relay's, not checked"),
              std::string::npos);
    EXPECT_EQ(valueOf("Starting"),
              "the running limits on voltage drop do not apply while the motor starts | "
              "IEC 60364-5-52:2009 Annex G, NOTE 1");
    EXPECT_EQ(valueOf("Locked-rotor current"),
              "6 × 54.73 A = 328.37 A (default starting multiple) | default");
    EXPECT_EQ(valueOf("Starting power factor"), "0.3 (default) | default");
    EXPECT_NE(valueOf("Source at the origin").find("230.94 V / 10000 A = 0.0231 Ω per phase"),
              std::string::npos);
    EXPECT_EQ(valueOf("Starting dip at the motor"),
              "8.82 % (constant-current estimate 8.63 %); limit 15 %, met | "
              "design criterion, not code");
}

}  // namespace
}  // namespace ferrovolt::iec60364
