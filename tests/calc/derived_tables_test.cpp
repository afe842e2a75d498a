// SPDX-License-Identifier: GPL-3.0-or-later
// The derived values InitTables works out must give every answer the text tables give.

#include <array>
#include <string>

#include "calc/area_weight.h"
#include "calc/conductor_size.h"
#include "calc/conduit_capacity.h"
#include "calc/gauge_comparison.h"
#include "calc/resistance.h"
#include "calc/voltage_drop.h"
#include "calc_fixture.h"
#include "tables/gauge_area.h"
#include "tables/lists.h"

namespace ferrovolt {
namespace {

struct DropCircuit {
    const char* length;
    const char* current;
    const char* supply;
};
constexpr std::array<DropCircuit, 5> kDropCircuits{{
    {"100", "10", "240 Volts 1-phase"},
    {"0.5", "0.01", "24V DC or 1-phase AC"},
    {"750", "95.5", "208 Volts 3-phase 3-wire"},
    {"12345.6", "987.65", "277/480 3-phase 4-wire"},
    {"3000000", "4000", "480 Volts 3-phase"},
}};

const Tables& exactTables() {
    static const Tables plain = [] {
        Tables t = filledTables();
        t.Derived = false;
        return t;
    }();
    return plain;
}

TEST(DerivedTables, AnswerAsTheTextTables) {
    const Tables& derived = filledTables();
    const Tables& exact = exactTables();
    ASSERT_TRUE(derived.Derived);
    for (int position = kFirstGaugePosition; position <= kLastGaugePosition; ++position) {
        const std::string label = derived.GaugeTable[static_cast<std::size_t>(position)][kLabelRow];
        for (int unit = -1; unit <= kUnitModeCount; ++unit) {
            EXPECT_EQ(CalcComparison(derived, position, unit),
                      CalcComparison(exact, position, unit));
            for (int standard = 0; standard < kStandardCount; ++standard)
                EXPECT_EQ(GaugeArea(derived, label, standard, unit, false),
                          GaugeArea(exact, label, standard, unit, false));
        }
        for (std::string_view standard : kStandardNames)
            EXPECT_EQ(CalcAreaWeight(derived, label, standard),
                      CalcAreaWeight(exact, label, standard));
        for (int row = 0; row < kMaterialCount; ++row) {
            const std::string& material = derived.MaterialTable[static_cast<std::size_t>(row)][0];
            for (const char* temperature : {"-40", "20", "75", "3000"})
                EXPECT_EQ(CalcResistance(derived, label, material, temperature, TempUnit::Celsius),
                          CalcResistance(exact, label, material, temperature, TempUnit::Celsius));
        }
        // Drops of one place, cut ones, ones past the supply, and three-phase factors.
        for (const auto& [length, current, supply] : kDropCircuits)
            EXPECT_EQ(
                CalcVoltageDrop(derived, length, true, current, "Aluminium", supply,
                                label + " AWG"),
                CalcVoltageDrop(exact, length, true, current, "Aluminium", supply, label + " AWG"));
    }
    // Labels of one key that are not the table's, and sizes beyond the AWG gauges.
    for (const char* gauge : {"07", "7/0", "00", "0", "500 Kcmils", "4/0 AWG", "07 AWG"}) {
        EXPECT_EQ(CalcResistance(derived, gauge, "Silver", "75", TempUnit::Celsius),
                  CalcResistance(exact, gauge, "Silver", "75", TempUnit::Celsius));
        EXPECT_EQ(CalcVoltageDrop(derived, "100", true, "10", "Copper (Annealed)",
                                  "480 Volts 3-phase", gauge),
                  CalcVoltageDrop(exact, "100", true, "10", "Copper (Annealed)",
                                  "480 Volts 3-phase", gauge));
    }
    for (int row = 0; row < kConduitSizeCount; ++row) {
        for (const bool inches : {false, true}) {
            const std::string& size =
                derived.ConduitSizeTable[static_cast<std::size_t>(row)][inches ? 1 : 0];
            for (const bool fill40 : {false, true}) {
                for (const char* cable : {"25", "0.3", "7.25", "0", "0.00002", "3.3333",
                                          "123456789", "1.23456789012345678"})
                    EXPECT_EQ(CalcConduitCapacity(derived, inches, size, fill40, cable),
                              CalcConduitCapacity(exact, inches, size, fill40, cable));
            }
        }
    }
    // Requirements from a fraction of the thinnest gauge to beyond the thickest.
    for (const char* current : {"0.001", "0.3", "2", "17", "60", "250", "900", "5000"}) {
        for (int row = 0; row < kOfferedMaterialCount; ++row) {
            const std::string& material = derived.MaterialTable[static_cast<std::size_t>(row)][0];
            EXPECT_EQ(CalcConductorSize(derived, "75", false, current, material, true, "240"),
                      CalcConductorSize(exact, "75", false, current, material, true, "240"));
        }
    }
}

}  // namespace
}  // namespace ferrovolt
