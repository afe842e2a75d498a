// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs that apply only under one kind of load, set through the one walk every front end
// takes: given under another kind they are refused naming it, and a required one is asked for
// only where it applies.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "check/set_case.h"

namespace ferrovolt {
namespace {

// A hoist: a general load takes its current; a motor its horsepower, which is then required.
constexpr std::array<CheckField, 4> kHoistFields = {{
    {.key = "current", .option = "--current", .required = true, .when = "load=general"},
    {.key = "load", .option = "--load", .choices = "general|motor|hvac", .defaultText = "general"},
    {.key = "hp", .option = "--hp", .required = true, .when = "load=motor"},
    {.key = "lra", .option = "--lra", .when = "load=motor|hvac"},
}};

class HoistCase final : public CheckCase {
public:
    explicit HoistCase(const Check& check) : m_check(check) {}
    const Check& of() const override { return m_check; }
    void reset() override {}
    std::optional<std::string> set(std::size_t, std::string_view) override { return std::nullopt; }
    std::optional<CheckRefusal> check() override { return std::nullopt; }
    CheckValue value(std::size_t) const override { return {}; }
    void writeTrail(const TrailStepWriter&) const override {}
    std::string sheet() const override { return {}; }

private:
    const Check& m_check;
};

class HoistCheck final : public Check {
public:
    std::string_view key() const override { return "hoist"; }
    std::string_view name() const override { return "Hoist"; }
    std::string_view help() const override { return {}; }
    std::span<const CheckField> fields() const override { return kHoistFields; }
    std::span<const CheckRow> rows() const override { return {}; }
    std::unique_ptr<CheckCase> newCheckCase() const override {
        return std::make_unique<HoistCase>(*this);
    }
};

struct Given {
    const char* name;
    std::map<std::string, std::string> texts;
    std::string refused;  // the field refused; "" none
    std::string reason;
};

const Given kGiven[] = {
    {"GeneralLoadByDefaultTakesItsCurrent", {{"current", "20"}}, "", ""},
    {"GeneralLoadWithoutCurrentIsAskedForIt", {}, "current", "is empty"},
    {"MotorWithoutCurrentIsNotAskedForIt", {{"load", "motor"}, {"hp", "10"}}, "", ""},
    {"MotorLoadWordedInCapitals", {{"load", " Motor "}, {"hp", "10"}}, "", ""},
    {"MotorWithoutHorsepowerIsAskedForIt", {{"load", "motor"}}, "hp", "is empty"},
    {"HorsepowerUnderGeneralLoadIsRefused",
     {{"current", "20"}, {"hp", "10"}},
     "hp",
     "applies only where load is motor"},
    {"CurrentUnderMotorIsRefused",
     {{"load", "motor"}, {"hp", "10"}, {"current", "20"}},
     "current",
     "applies only where load is general"},
    {"LockedRotorUnderGeneralNamesBothLoads",
     {{"current", "20"}, {"lra", "90"}},
     "lra",
     "applies only where load is motor or hvac"},
    {"LockedRotorUnderAirConditioner", {{"load", "hvac"}, {"lra", "90"}}, "", ""},
    {"EmptyTextIsNotGiven", {{"current", "20"}, {"hp", " "}}, "", ""},
};

class FieldApplies : public testing::TestWithParam<Given> {};

TEST_P(FieldApplies, RefusedWhereItDoesNotApply) {
    const HoistCheck hoist;
    HoistCase checked(hoist);
    const std::map<std::string, std::string>& texts = GetParam().texts;
    auto source = sourceOf(
        [&](const CheckField& field, std::size_t, const auto& put) -> std::optional<CheckRefusal> {
            const auto text = texts.find(std::string(field.key));
            if (text == texts.end()) return std::nullopt;
            return put(text->second);
        },
        [](const CheckField& field) {
            return CheckRefusal{field.key, "is not an input"};
        });
    const std::optional<CheckRefusal> refusal = setCase(checked, hoist.fields(), source);
    EXPECT_EQ(refusal ? std::string(refusal->field) : "", GetParam().refused);
    EXPECT_EQ(refusal ? refusal->reason : "", GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Hoist, FieldApplies, testing::ValuesIn(kGiven),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace ferrovolt
