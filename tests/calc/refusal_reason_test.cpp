// SPDX-License-Identifier: GPL-3.0-or-later
// Each refusal names its field and the real reason, so that a message can say why; and a
// temperature is refused where the material's resistance would fall to zero or below.

#include <optional>
#include <string>

#include "calc/conductor_size.h"
#include "calc/conduit_capacity.h"
#include "calc/resistance.h"
#include "calc/voltage_drop.h"
#include "calc_fixture.h"

namespace ferrovolt {
namespace {

template <typename Result>
std::optional<Refusal> refusalOf(const Answer<Result>& answer) {
    if (const auto* refusal = std::get_if<Refusal>(&answer)) return *refusal;
    return std::nullopt;
}

std::optional<Refusal> copperAt(const std::string& t, TempUnit unit) {
    return refusalOf(CalcResistance(filledTables(), "18", "Copper (Annealed)", t, unit));
}
std::optional<Refusal> ironAt(const std::string& t) {
    return refusalOf(CalcResistance(filledTables(), "18", "Iron", t, TempUnit::Celsius));
}
std::optional<Refusal> dropOf(const std::string& length, const std::string& current) {
    return refusalOf(CalcVoltageDrop(filledTables(), length, true, current, "Copper (Annealed)",
                                     "240 Volts 1-phase", "18 AWG"));
}
std::optional<Refusal> cableOf(const std::string& diameter) {
    return refusalOf(CalcConduitCapacity(filledTables(), false, "100", true, diameter));
}

struct ReasonCase {
    const char* name;
    std::optional<Refusal> (*run)();
    std::optional<Refusal> expected;  // nothing: answered
};

void PrintTo(const ReasonCase& c, std::ostream* out) {
    *out << c.name;
}

class RefusalReason : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(RefusalReason, NamesFieldAndCause) {
    EXPECT_EQ(GetParam().run(), GetParam().expected);
}

constexpr Refusal kNoResistance{Field::Temperature, Reason::NoResistance};

// Annealed copper loses its resistance at 20 - 1 / 0.00393 = -234.45 C, iron at -133.61 C.
INSTANTIATE_TEST_SUITE_P(
    Rows, RefusalReason,
    ::testing::Values(
        ReasonCase{"CopperJustAboveZeroResistance",
                   [] { return copperAt("-234.4", TempUnit::Celsius); }, std::nullopt},
        ReasonCase{"CopperAtZeroResistance", [] { return copperAt("-234.5", TempUnit::Celsius); },
                   kNoResistance},
        ReasonCase{"CopperInFahrenheit", [] { return copperAt("-391", TempUnit::Fahrenheit); },
                   kNoResistance},
        ReasonCase{"CopperInKelvinAbove", [] { return copperAt("39", TempUnit::Kelvin); },
                   std::nullopt},
        ReasonCase{"CopperInKelvin", [] { return copperAt("38", TempUnit::Kelvin); },
                   kNoResistance},
        ReasonCase{"IronJustAbove", [] { return ironAt("-133.6"); }, std::nullopt},
        ReasonCase{"IronBelow", [] { return ironAt("-133.7"); }, kNoResistance},
        ReasonCase{"TemperatureWithExponent", [] { return copperAt("1e3", TempUnit::Celsius); },
                   Refusal{Field::Temperature, Reason::NotPlainNumber}},
        ReasonCase{"TemperatureBeyondSingle",
                   [] { return copperAt(std::string(40, '9'), TempUnit::Celsius); },
                   Refusal{Field::Temperature, Reason::TooLarge}},
        ReasonCase{"BelowAbsoluteZero", [] { return copperAt("-1", TempUnit::Kelvin); },
                   Refusal{Field::Temperature, Reason::BelowAbsoluteZero}},
        ReasonCase{"CurrentWithExponent", [] { return dropOf("100", "1e-9"); },
                   Refusal{Field::Current, Reason::NotPlainNumber}},
        ReasonCase{"CurrentNegative", [] { return dropOf("100", "-1"); },
                   Refusal{Field::Current, Reason::Negative}},
        ReasonCase{"LengthBeyondSingle", [] { return dropOf("1" + std::string(39, '0'), "1"); },
                   Refusal{Field::Length, Reason::TooLarge}},
        ReasonCase{"DropBeyondDouble", [] { return dropOf("100", "1" + std::string(308, '0')); },
                   Refusal{Field::Current, Reason::TooLarge}},
        ReasonCase{"SizingRequirementBeyondSingle",
                   [] {
                       return refusalOf(CalcConductorSize(filledTables(), "100", true,
                                                          "1" + std::string(35, '0'), "Iron", true,
                                                          "240"));
                   },
                   Refusal{Field::Current, Reason::TooLarge}},
        ReasonCase{"CableAreaShowsZero", [] { return cableOf("0.00000001"); },
                   Refusal{Field::Cable, Reason::AreaShowsZero}},
        ReasonCase{"CableAreaBeyondDouble", [] { return cableOf("1" + std::string(200, '0')); },
                   Refusal{Field::Cable, Reason::TooLarge}},
        ReasonCase{"TextNotInTheList",
                   [] {
                       return refusalOf(CalcVoltageDrop(filledTables(), "100", true, "10", "Gold",
                                                        "240 Volts", "18 AWG"));
                   },
                   Refusal{Field::Supply, Reason::NotAccepted}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace ferrovolt
