// SPDX-License-Identifier: GPL-3.0-or-later
// Motor and air-conditioner circuits through the NEC 2023 check, set by their field texts as
// every front end sets them: the published worked examples with their correct values (the
// wrong published ones commented), and the refusals of bad input naming the field.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>

#include "check/set_case.h"
#include "nec2023/nec2023_code.h"

namespace ferrovolt {
namespace {

using Texts = std::map<std::string, std::string>;

// Sets a fresh case from the texts and checks it: the refusal, or nothing.
std::optional<CheckRefusal> checked(CircuitCase& target, const Texts& texts) {
    auto source = sourceOf(
        [&](const CheckField& field, std::size_t, const auto& put) -> std::optional<CheckRefusal> {
            const auto text = texts.find(std::string(field.key));
            if (text == texts.end()) return std::nullopt;
            return put(text->second);
        },
        [](const CheckField& field) {
            return CheckRefusal{field.key, "is not an input"};
        });
    if (auto refusal = setCase(target, target.of().fields(), source)) return refusal;
    return target.check();
}

std::string row(const CircuitCase& answer, std::string_view key) {
    return answer.rowText(*answer.of().rowIndex(key));
}

struct MotorExample {
    const char* name;
    Texts texts;
    std::map<std::string, std::string> rows;  // expected row texts
};

// Lengths are short, so that the drop never governs.
const MotorExample kMotorExamples[] = {
    // W1 (ecmweb Code Q&A 2014): 7½ hp 230 V 3φ: 22 A × 1.25 = 27.5 A; 10 AWG, which is 30 A at
    // 60 °C (published "30 A at 75 °C" is the wrong column); 22 × 250 % = 55 A → 60 A.
    {"W1SevenAndAHalfHorsepowerThreePhase",
     {{"load", "motor"}, {"hp", "7.5"}, {"phase", "three"}, {"volts", "230"}, {"length", "10"}},
     {{"size", "10 AWG"},
      {"flc", "22 A"},
      {"conductor_current", "27.5 A"},
      {"ampacity", "30 A"},
      {"max_device", "60 A"},
      {"device_rule", "next-size-up"},
      {"device", "60 A"}}},
    // W3 (electricianmath): 5 hp 1φ on 240 V takes the 230 V column, 28 A; 35 A needs 8 AWG
    // (40 A) at 60 °C; 28 × 250 % = 70 A, a standard rating.
    {"W3FiveHorsepowerSinglePhaseAt60",
     {{"load", "motor"}, {"hp", "5"}, {"volts", "240"}, {"length", "10"}},
     {{"size", "8 AWG"},
      {"flc", "28 A"},
      {"conductor_current", "35 A"},
      {"max_device", "70 A"},
      {"device_rule", "table"}}},
    // The same at 75 °C terminals: 10 AWG (35 A).
    {"W3FiveHorsepowerAt75",
     {{"load", "motor"}, {"hp", "5"}, {"volts", "240"}, {"length", "10"}, {"terminals", "75"}},
     {{"size", "10 AWG"}, {"ampacity", "35 A"}}},
    // W4 (ecmweb, Holt): 3 hp 115 V 1φ, 34 A → 42.5 A (published 43, rounded): 8 AWG is 40 A at
    // 60 °C, so 6 AWG; dual-element fuse 34 × 175 % = 59.5 → 60 A; overload 31 A × 125 %.
    {"W4ThreeHorsepowerTimeDelayFuse",
     {{"load", "motor"},
      {"hp", "3"},
      {"volts", "115"},
      {"length", "10"},
      {"fla", "31"},
      {"service_factor", "1.15"},
      {"device_type", "time-delay-fuse"}},
     {{"size", "6 AWG"},
      {"flc", "34 A"},
      {"conductor_current", "42.5 A"},
      {"overload", "38.75 A"},
      {"max_device", "60 A"}}},
    // W5 (mikeholt 71776): ¾ hp 115 V, 13.8 A → 17.25 A; 34.5 → 35 A breaker; overload
    // 10.6 × 115 % = 12.19 A. 14 AWG (15 A at 60 °C) is too small unless 75 °C terminations
    // are confirmed for a Design B motor: the published answer assumed them.
    {"W5ThreeQuarterHorsepowerAt60",
     {{"load", "motor"},
      {"hp", "0.75"},
      {"volts", "115"},
      {"length", "10"},
      {"fla", "10.6"},
      {"service_factor", "1"}},
     {{"size", "12 AWG"},
      {"flc", "13.8 A"},
      {"conductor_current", "17.25 A"},
      {"overload", "12.19 A"},
      {"max_device", "35 A"},
      {"device", "35 A"}}},
    {"W5DesignBWith75TerminationsConfirmed",
     {{"load", "motor"},
      {"hp", "0.75"},
      {"volts", "115"},
      {"length", "10"},
      {"motor_design", "B"},
      {"terminations_75", "true"}},
     {{"size", "14 AWG"}, {"ampacity", "20 A"}, {"device", "35 A"}}},
    // W7 (mikeholt 348): 15 hp 208 V 3φ: 46.2 × 250 % = 115.5 A (published 115.2, a typo)
    // → 125 A.
    {"W7FifteenHorsepowerAt208",
     {{"load", "motor"}, {"hp", "15"}, {"phase", "three"}, {"volts", "208"}, {"length", "10"}},
     {{"flc", "46.2 A"}, {"max_device", "125 A"}, {"device_rule", "next-size-up"}}},
    // 50 hp at 460 V by the kind of motor: synchronous at 0.8 power factor takes the unity
    // column's 52 A × 1.25 = 65 A (Table 430.250's footnote), an inverse-time breaker 250 % of
    // it, 162.5 → 175 A; wound-rotor takes the induction column's 65 A at 150 %, 97.5 → 100 A.
    {"SynchronousAtPointEightPowerFactor",
     {{"load", "motor"},
      {"hp", "50"},
      {"phase", "three"},
      {"volts", "460"},
      {"length", "10"},
      {"motor_type", "synchronous-0.8"}},
     {{"flc", "65 A"}, {"conductor_current", "81.25 A"}, {"max_device", "175 A"}}},
    {"WoundRotorAtOneHundredAndFiftyPercent",
     {{"load", "motor"},
      {"hp", "50"},
      {"phase", "three"},
      {"volts", "460"},
      {"length", "10"},
      {"motor_type", "wound-rotor"}},
     {{"flc", "65 A"}, {"max_device", "100 A"}}},
    // An air conditioner: the conductor by its 26 A MCA (10 AWG, 30 A at 60 °C), the device at
    // its 40 A MOP, above the ampacity (240.4(G)).
    {"AirConditionerByItsNameplate",
     {{"load", "hvac"}, {"mca", "26"}, {"mop", "40"}, {"volts", "240"}, {"length", "10"}},
     {{"size", "10 AWG"},
      {"design_current", "26 A"},
      {"conductor_current", "26 A"},
      {"max_device", "40 A"},
      {"device_rule", "mop"},
      {"device", "40 A"}}},
    // S4 (sparkshift): 600 A locked-rotor on 5000 A available: 600 / (600 + 5000) = 10.71 % at
    // the board where the source's X/R matches the starting power factor's angle
    // (tan(acos 0.3) = 3.1798); the 1 ft of cable adds only to the dip at the motor.
    {"S4DipAtTheBoard",
     {{"load", "motor"},
      {"hp", "100"},
      {"phase", "three"},
      {"volts", "460"},
      {"length", "1"},
      {"feet", "true"},
      {"lra", "600"},
      {"available_fault", "5000"},
      {"x_r", "3.1798"}},
     {{"start_current", "600 A"}, {"start_dip_board_percent", "10.71 %"}}},
    // The same divider for an air conditioner's compressor, from its nameplate LRA, single
    // phase: 600 / (600 + 5000) at the board.
    {"AirConditionerDipFromItsCompressor",
     {{"load", "hvac"},
      {"mca", "100"},
      {"mop", "150"},
      {"volts", "240"},
      {"length", "1"},
      {"feet", "true"},
      {"lra", "600"},
      {"available_fault", "5000"},
      {"x_r", "3.1798"}},
     {{"start_current", "600 A"}, {"start_dip_board_percent", "10.71 %"}}},
    // Without the source, the dip is said to need it rather than left blank.
    {"DipWithoutTheSourceIsSaidToNeedIt",
     {{"load", "motor"}, {"hp", "10"}, {"phase", "three"}, {"volts", "460"}, {"length", "10"}},
     {{"start_current", "84 A"},
      {"start_dip_percent",
       "not worked out: give the available fault current and X/R at the origin"}}},
};

class MotorCircuit : public testing::TestWithParam<MotorExample> {};

TEST_P(MotorCircuit, AnswersTheWorkedExample) {
    const std::unique_ptr<CircuitCase> answer = nec2023Code().newCase();
    const std::optional<CheckRefusal> refusal = checked(*answer, GetParam().texts);
    ASSERT_FALSE(refusal) << refusal->field << ": " << refusal->reason;
    for (const auto& [key, text] : GetParam().rows) EXPECT_EQ(row(*answer, key), text) << key;
}

INSTANTIATE_TEST_SUITE_P(Nec2023, MotorCircuit, testing::ValuesIn(kMotorExamples),
                         [](const auto& test) { return std::string(test.param.name); });

struct MotorRefused {
    const char* name;
    Texts texts;
    std::string field;
    std::string reason;  // the reason begins so
};

const Texts kMotor = {{"load", "motor"}, {"phase", "three"}, {"volts", "460"}, {"length", "10"}};

Texts with(Texts texts, const Texts& more) {
    for (const auto& [key, text] : more) texts[key] = text;
    return texts;
}

const MotorRefused kMotorRefused[] = {
    {"HorsepowerNotInTheTableNamesTheNearestRows", with(kMotor, {{"hp", "4"}}), "hp",
     "Table 430.250 holds no 4 hp row at 460 V; "},
    {"CodeLetterOutsideAToV", with(kMotor, {{"hp", "10"}, {"code_letter", "W"}}), "code_letter",
     "Table 430.7(B) has no letter W"},
    {"ServiceFactorBelowOne",
     with(kMotor, {{"hp", "10"}, {"fla", "14"}, {"service_factor", "0.9"}}), "service_factor",
     "the service factor must be 1 or more"},
    {"LockedRotorBelowFullLoad", with(kMotor, {{"hp", "10"}, {"lra", "10"}}), "lra",
     "the locked-rotor current"},
    {"MinimumCircuitAmpacityAboveMaximumProtection",
     {{"load", "hvac"}, {"mca", "45"}, {"mop", "40"}, {"volts", "240"}, {"length", "10"}},
     "mca",
     "the minimum circuit ampacity 45 A is above"},
    {"CompressorLockedRotorBelowTheMinimumCircuitAmpacity",
     {{"load", "hvac"},
      {"mca", "26"},
      {"mop", "40"},
      {"volts", "240"},
      {"length", "10"},
      {"lra", "20"}},
     "lra",
     "the locked-rotor current 20 A is below the minimum circuit ampacity 26 A"},
    {"DeviceAboveWhatTheMotorAllows", with(kMotor, {{"hp", "10"}, {"device_rating", "50"}}),
     "device_rating", "50 A is more than the 35 A that 430.52(C)(1) allows"},
    {"DeviceAtWhatTheMotorAllowsIsTaken", with(kMotor, {{"hp", "10"}, {"device_rating", "35"}}), "",
     ""},
    {"DesignCurrentOfAMotorDoesNotApply", with(kMotor, {{"hp", "10"}, {"current", "14"}}),
     "current", "applies only where load is general"},
    {"HorsepowerOfAGeneralLoadDoesNotApply",
     {{"current", "14"}, {"hp", "10"}, {"volts", "460"}, {"length", "10"}},
     "hp",
     "applies only where load is motor"},
    {"MopOfAMotorDoesNotApply", with(kMotor, {{"hp", "10"}, {"mop", "40"}}), "mop",
     "applies only where load is hvac"},
    {"SynchronousSinglePhase",
     {{"load", "motor"},
      {"hp", "50"},
      {"volts", "230"},
      {"length", "10"},
      {"motor_type", "synchronous"}},
     "motor_type",
     "is three-phase only"},
    {"DesignLetterOfAWoundRotorMotor",
     with(kMotor, {{"hp", "50"}, {"motor_type", "wound-rotor"}, {"motor_design", "B"}}),
     "motor_design", "is a squirrel-cage induction motor's design letter"},
    {"FaultWithoutXOverR", with(kMotor, {{"hp", "10"}, {"available_fault", "5000"}}), "x_r",
     "is needed with the available fault current"},
    {"DipLimitOfNothing", with(kMotor, {{"hp", "10"}, {"dip_limit_motor", "0"}}), "dip_limit_motor",
     "must be more than 0 and less than 100 %"},
    {"DipLimitOfTheWholeVoltage", with(kMotor, {{"hp", "10"}, {"dip_limit_board", "100"}}),
     "dip_limit_board", "must be more than 0 and less than 100 %"},
    {"DipLimitOfAnAirConditionerWithoutItsLockedRotorCurrent",
     {{"load", "hvac"},
      {"mca", "26"},
      {"mop", "40"},
      {"volts", "240"},
      {"length", "10"},
      {"dip_limit_motor", "0"}},
     "dip_limit_motor",
     "must be more than 0 and less than 100 %"},
};

class MotorRefusal : public testing::TestWithParam<MotorRefused> {};

TEST_P(MotorRefusal, NamesTheField) {
    const std::unique_ptr<CircuitCase> answer = nec2023Code().newCase();
    const std::optional<CheckRefusal> refusal = checked(*answer, GetParam().texts);
    EXPECT_EQ(refusal ? std::string(refusal->field) : "", GetParam().field);
    const std::string reason = refusal ? refusal->reason : "";
    EXPECT_EQ(reason.substr(0, GetParam().reason.size()), GetParam().reason) << reason;
}

INSTANTIATE_TEST_SUITE_P(Nec2023, MotorRefusal, testing::ValuesIn(kMotorRefused),
                         [](const auto& test) { return std::string(test.param.name); });

// The dip limits are design criteria the user may set: S4's 10.71 % at the board exceeds the
// default 10 % and meets a limit of 12 % (600 A through the source alone is 12 %, the divider
// 10.71 %), and the trail says which, and that it is not code.
TEST(MotorDipLimit, TheTrailHoldsTheDipToTheLimitGiven) {
    const Texts s4 = {
        {"load", "motor"}, {"hp", "100"},    {"phase", "three"}, {"volts", "460"},
        {"length", "1"},   {"feet", "true"}, {"lra", "600"},     {"available_fault", "5000"},
        {"x_r", "3.1798"}};
    const std::pair<Texts, std::string> cases[] = {
        {s4, "10.71 % (constant-current estimate 12 %); limit 10 %, exceeded"},
        {with(s4, {{"dip_limit_board", "12"}}),
         "10.71 % (constant-current estimate 12 %); limit 12 %, met"},
    };
    for (const auto& [texts, expected] : cases) {
        const std::unique_ptr<CircuitCase> answer = nec2023Code().newCase();
        ASSERT_FALSE(checked(*answer, texts));
        std::string atBoard;
        answer->writeTrail(
            [&](std::string_view step, std::string_view value, std::string_view source) {
                if (step == "starting dip at the board")
                    atBoard = std::string(value) + " | " + std::string(source);
            });
        EXPECT_EQ(atBoard, expected + " | design criterion, not code");
    }
}

}  // namespace
}  // namespace ferrovolt
