// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/voltage_drop.h"

#include <string>

#include "calc/conductor_size.h"
#include "calc_fixture.h"
#include "numtext/number_text.h"

namespace ferrovolt {
namespace {

struct DropCase {
    const char* name;
    const char* length;
    bool metres;
    const char* current;
    const char* material;
    const char* supply;
    const char* gauge;
    VoltageDropResult expected;
};

class VoltageDrop : public ::testing::TestWithParam<DropCase> {};

TEST_P(VoltageDrop, Answers) {
    const DropCase& c = GetParam();
    EXPECT_EQ(resultOf(CalcVoltageDrop(filledTables(), c.length, c.metres, c.current, c.material,
                                       c.supply, c.gauge)),
              c.expected);
}

// Drop = 2 x (rho x 6.0153) x L(ft) x I / CM x k, to one decimal.
INSTANTIATE_TEST_SUITE_P(Cases, VoltageDrop,
                         ::testing::Values(DropCase{"kcmil_three_phase",
                                                    "100",
                                                    true,
                                                    "200",
                                                    "Copper (Annealed)",
                                                    "480 Volts 3-phase",
                                                    "500 Kcmil",
                                                    {"500000", "2.4", "0.5", "477.6"}},
                                           DropCase{"awg18_single_phase",
                                                    "100",
                                                    true,
                                                    "10",
                                                    "Copper (Annealed)",
                                                    "240 Volts 1-phase",
                                                    "18 AWG",
                                                    {"1620.199", "42", "17.5", "198"}},
                                           DropCase{"zero_current",
                                                    "100",
                                                    true,
                                                    "0",
                                                    "Aluminium",
                                                    "240 Volts 1-phase",
                                                    "18 AWG",
                                                    {"1620.199", "0", "0", "240"}},
                                           DropCase{"large_awg_cut_area",
                                                    "100",
                                                    true,
                                                    "10",
                                                    "Copper (Annealed)",
                                                    "240 Volts 1-phase",
                                                    "6/0 AWG",
                                                    {"335544.0703", "0.2", "0.1", "239.8"}}),
                         [](const auto& row) { return std::string(row.param.name); });

// Past what a working circuit gives: a drop whose digits before the point pass seven
// characters is written in exponent form and the rest follows from that text; a drop that
// takes the whole supply leaves "Out of range." at the load, the drop and percent show why.
INSTANTIATE_TEST_SUITE_P(
    Extreme, VoltageDrop,
    ::testing::Values(DropCase{"cut_drop",
                               "1000000",
                               false,
                               "1000",
                               "Copper (Annealed)",
                               "240 Volts 1-phase",
                               "18 AWG",
                               {"1620.199", "1.3E+07", "5416666", "Out of range."}},
                      DropCase{"drop_beyond_supply",
                               "100",
                               true,
                               "40",
                               "Aluminium",
                               "240 Volts 1-phase",
                               "18 AWG",
                               {"1620.199", "275.2", "114.7", "Out of range."}},
                      DropCase{"drop_equal_to_supply",
                               "187.5",
                               false,
                               "10",
                               "Copper (Annealed)",
                               "24V DC or 1-phase AC",
                               "18 AWG",
                               {"1620.199", "24", "100", "Out of range."}},
                      DropCase{"huge_current",
                               "100",
                               true,
                               "9999999999999999999",
                               "Aluminium",
                               "240 Volts 1-phase",
                               "10 AWG",
                               {"10356.58", "1.1E+19", "4.6E+18", "Out of range."}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(VoltageDropUnits, FeetDivideTheDropByAbout3281) {
    const Tables& t = filledTables();
    const auto metres = resultOf(
        CalcVoltageDrop(t, "100", true, "10", "Copper (Annealed)", "240 Volts 1-phase", "18 AWG"));
    const auto feet = resultOf(
        CalcVoltageDrop(t, "100", false, "10", "Copper (Annealed)", "240 Volts 1-phase", "18 AWG"));
    EXPECT_EQ(feet.lblDrop, "12.8");
    EXPECT_NEAR(readBackDouble(metres.lblDrop) / readBackDouble(feet.lblDrop), 3.281, 0.01);
}

TEST(VoltageDropUnits, FourWireSuppliesUseTheLowerVoltage) {
    const auto r = resultOf(CalcVoltageDrop(filledTables(), "100", true, "10", "Copper (Annealed)",
                                            "277/480 3-phase 4-wire", "18 AWG"));
    EXPECT_EQ(r.lblDrop, "21");     // half the single-phase drop
    EXPECT_EQ(r.lblPCdrop, "7.6");  // 21 / 277
    EXPECT_EQ(r.lblVoltsOut, "256");
}

TEST(VoltageDropRefusals, InOrderLengthCurrentMaterialSupplyGauge) {
    struct Case {
        const char* length;
        const char* current;
        const char* material;
        const char* supply;
        const char* gauge;
        const char* field;
    };
    const char* cu = "Copper (Annealed)";
    const char* v240 = "240 Volts 1-phase";
    const Case cases[] = {
        {"", "", cu, v240, "18 AWG", "length"},
        {"1.2.3", "10", cu, v240, "18 AWG", "length"},
        {"-100", "10", cu, v240, "18 AWG", "length"},
        {"100", "", cu, v240, "18 AWG", "current"},
        {"100", "1.2.3", "x", "x", "x", "current"},
        {"100", "-1", cu, v240, "18 AWG", "current"},
        {"100", "10", "copper (annealed)", v240, "18 AWG", "material"},
        {"100", "10", cu, "240 volts 1-phase", "18 AWG", "supply"},
        {"100", "10", cu, "240 Volts 1-phase ", "x", "supply"},
        {"100", "10", cu, v240, "18 awg", "gauge"},
        {"100", "10", cu, v240, "18  AWG", "gauge"},
        {"100", "10", cu, v240, "45 AWG", "gauge"},
        {"100", "10", cu, v240, "0 AWG", "gauge"},
        {"100", "10", cu, v240, "AWG", "gauge"},
        {"100", "10", cu, v240, " AWG", "gauge"},
        {"100", "10", cu, v240, "12/0 AWG", "gauge"},
        {"100", "10", cu, v240, "6/0AWG", "gauge"},
        {"100", "10", cu, v240, "2000 kcmil", "gauge"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusedField(CalcVoltageDrop(filledTables(), c.length, true, c.current,
                                               c.material, c.supply, c.gauge)),
                  c.field)
            << c.length << " / " << c.current << " / " << c.material << " / " << c.supply << " / "
            << c.gauge;
}

// A negative text too small for its precision reads as -0 but is still negative as typed;
// "-0" itself is zero. Both circuit tabs share the check (found by fuzzing).
TEST(VoltageDropRefusals, NegativeBelowThePrecisionIsStillNegative) {
    const std::string tinyLength = "-0." + std::string(50, '0') + "1";    // below single range
    const std::string tinyCurrent = "-0." + std::string(400, '0') + "1";  // below double range
    const char* cu = "Copper (Annealed)";
    EXPECT_EQ(refusedField(CalcVoltageDrop(filledTables(), tinyLength, true, "10", cu,
                                           "240 Volts 1-phase", "18 AWG")),
              "length");
    EXPECT_EQ(refusedField(CalcVoltageDrop(filledTables(), "100", true, tinyCurrent, cu,
                                           "240 Volts 1-phase", "18 AWG")),
              "current");
    EXPECT_EQ(
        refusedField(CalcConductorSize(filledTables(), tinyLength, true, "10", cu, true, "240")),
        "length");
    EXPECT_EQ(
        refusedField(CalcConductorSize(filledTables(), "100", true, tinyCurrent, cu, true, "240")),
        "current");
    EXPECT_EQ(resultOf(CalcVoltageDrop(filledTables(), "-0", true, "-0.0", cu, "240 Volts 1-phase",
                                       "18 AWG"))
                  .lblDrop,
              "0");
}

}  // namespace
}  // namespace ferrovolt
