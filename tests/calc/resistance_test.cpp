// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/resistance.h"

#include "calc_fixture.h"
#include "numtext/number_text.h"

namespace ferrovolt {
namespace {

const ResistanceResult kCopper18At20{"0.0073132", "7.313178", "4.9141783", "0.0209474",
                                     "20.9474",   "33.71016", "6.3845",    "0.0063845"};

TEST(Resistance, EighteenCopperAtTwenty) {
    EXPECT_EQ(resultOf(CalcResistance(filledTables(), "18", "Copper (Annealed)", "20",
                                      TempUnit::Celsius)),
              kCopper18At20);
}

TEST(Resistance, WeightsAreCopperWhateverTheMaterial) {
    const auto r =
        resultOf(CalcResistance(filledTables(), "18", "Aluminium", "20", TempUnit::Celsius));
    EXPECT_EQ(r.Kilo_mtr, kCopper18At20.Kilo_mtr);
    EXPECT_EQ(r.Kilo_Km, kCopper18At20.Kilo_Km);
    EXPECT_EQ(r.Pounds_f, kCopper18At20.Pounds_f);
    EXPECT_NE(r.Ohms_mtr, kCopper18At20.Ohms_mtr);
}

TEST(Resistance, ThickWireDerivesFromRoundedTexts) {
    const auto r = resultOf(
        CalcResistance(filledTables(), "6/0", "Copper (Annealed)", "20", TempUnit::Celsius));
    EXPECT_EQ(r.Pounds_f, "1017.7289098");
    EXPECT_EQ(r.Kilo_Km, "1514.563009");
    EXPECT_EQ(r.Kilo_mtr, "1.514563");
    EXPECT_EQ(r.Ohms_mtr, "0.0001011");
    EXPECT_EQ(r.Ohms_km, "0.1011");  // four digits: formed from the rounded metre text
}

TEST(Resistance, SixtyEightFahrenheitIsExactlyTwentyCelsius) {
    EXPECT_EQ(resultOf(CalcResistance(filledTables(), "18", "Copper (Annealed)", "68",
                                      TempUnit::Fahrenheit)),
              kCopper18At20);
}

TEST(Resistance, ProportionalTemperatureCorrection) {
    // rho(T) = rho20 x (1 + alpha x (T - 20)); copper alpha 0.00393, so +100 C gives x1.393.
    const struct {
        const char* text;
        TempUnit unit;
    } hot[] = {
        {"120", TempUnit::Celsius}, {"248", TempUnit::Fahrenheit}, {"393.15", TempUnit::Kelvin}};
    for (const auto& h : hot) {
        const auto r =
            resultOf(CalcResistance(filledTables(), "18", "Copper (Annealed)", h.text, h.unit));
        EXPECT_NEAR(readBackDouble(r.Ohms_mtr) / 0.0209474, 1.393, 2e-5) << h.text;
        EXPECT_EQ(r.Pounds_f, kCopper18At20.Pounds_f);
    }
    const auto cold = resultOf(
        CalcResistance(filledTables(), "18", "Copper (Annealed)", "-40", TempUnit::Celsius));
    EXPECT_NEAR(readBackDouble(cold.Ohms_mtr) / 0.0209474, 1 - 0.00393 * 60, 2e-5);
}

TEST(Resistance, EveryRowOfTheTableIsLookedUp) {
    // Tin is in the table though no list offers it: the calculation itself accepts it.
    const auto r = resultOf(CalcResistance(filledTables(), "18", "Tin", "20", TempUnit::Celsius));
    EXPECT_NEAR(readBackDouble(r.Ohms_mtr), 0.1149 / 0.823061, 1e-6);
}

TEST(Resistance, RefusalsInOrder) {
    struct Case {
        const char* gauge;
        const char* material;
        const char* temperature;
        TempUnit unit;
        const char* field;
    };
    const Case cases[] = {
        {"18 ", "Copper (Annealed)", "20", TempUnit::Celsius, "gauge"},
        {"0", "nothing", "x", TempUnit::Celsius, "gauge"},
        {"18", "copper (annealed)", "20", TempUnit::Celsius, "material"},
        {"18", "Copper", "x", TempUnit::Celsius, "material"},
        {"18", "Copper (Annealed)", "", TempUnit::Celsius, "temperature"},
        {"18", "Copper (Annealed)", "1.2.3", TempUnit::Celsius, "temperature"},
        {"18", "Copper (Annealed)", "2e1", TempUnit::Celsius, "temperature"},
        {"18", "Copper (Annealed)", "-273.16", TempUnit::Celsius, "temperature"},
        {"18", "Copper (Annealed)", "-459.68", TempUnit::Fahrenheit, "temperature"},
        {"18", "Copper (Annealed)", "-0.01", TempUnit::Kelvin, "temperature"},
        {"18", "Copper (Annealed)", "-5", TempUnit::Kelvin, "temperature"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusedField(
                      CalcResistance(filledTables(), c.gauge, c.material, c.temperature, c.unit)),
                  c.field)
            << c.gauge << " / " << c.material << " / " << c.temperature;
    EXPECT_EQ(refusedField(CalcResistance(filledTables(), "18", "Copper (Annealed)",
                                          std::string(40, '9'), TempUnit::Celsius)),
              "temperature");
    // Absolute zero itself is taken where the material keeps a resistance there.
    EXPECT_EQ(refusedField(
                  CalcResistance(filledTables(), "18", "Manganin", "-273.15", TempUnit::Celsius)),
              "(answered)");
    EXPECT_EQ(refusedField(CalcResistance(filledTables(), "18", "Manganin", "0", TempUnit::Kelvin)),
              "(answered)");
}

}  // namespace
}  // namespace ferrovolt
