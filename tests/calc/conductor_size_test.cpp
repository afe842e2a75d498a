// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conductor_size.h"

#include "calc_fixture.h"
#include "numtext/number_text.h"

namespace ferrovolt {
namespace {

struct SizeCase {
    const char* name;
    const char* length;
    bool metres;
    const char* current;
    const char* material;
    bool singlePhase;
    const char* volts;
    ConductorSizeResult expected;
};

class ConductorSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ConductorSize, Answers) {
    const SizeCase& c = GetParam();
    EXPECT_EQ(resultOf(CalcConductorSize(filledTables(), c.length, c.metres, c.current, c.material,
                                         c.singlePhase, c.volts)),
              c.expected);
}

// CMmin = rho x 6.0153 x f x L(ft) x I / Va.
INSTANTIATE_TEST_SUITE_P(
    Cases, ConductorSize,
    ::testing::Values(
        SizeCase{"copper",
                 "100",
                 true,
                 "10",
                 "Copper (Annealed)",
                 true,
                 "240",
                 {"7088.996", "# 11", "4.172285", "6.0"}},
        SizeCase{"aluminium_initial",
                 "100",
                 true,
                 "10",
                 "Aluminium",
                 true,
                 "240",
                 {"11611.46", "# 9", "6.63413", "10.0"}},
        SizeCase{"zero_current",
                 "100",
                 true,
                 "0",
                 "Copper (Annealed)",
                 true,
                 "240",
                 {"0", "# 40", "0.0050087", "1.0"}},
        // Above 6/0 (335544.1) the kcmil sizes take over; 250 and 300 kcmil are never chosen.
        SizeCase{"kcmil",
                 "1000",
                 false,
                 "157.4",
                 "Copper (Annealed)",
                 true,
                 "240",
                 {"340081.7", "350 Kcmils", "172.4 sq mm", "Out of range."}},
        SizeCase{"out_of_range",
                 "1000",
                 true,
                 "400",
                 "Copper (Annealed)",
                 true,
                 "240",
                 {"2835598", "Out of range.", "1437.6 sq mm", "Out of range."}},
        // A requirement of more than eight digits is shown in exponent form, not cut short.
        SizeCase{"requirement_past_eight_digits",
                 "3000",
                 true,
                 "4000",
                 "Aluminium",
                 true,
                 "120",
                 {"2.79E+08", "Out of range.", "141288.3 sq mm", "Out of range."}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ConductorSizeFactors, ThreePhaseScalesByTheRatioOfFactors) {
    const Tables& t = filledTables();
    const auto one =
        resultOf(CalcConductorSize(t, "100", true, "10", "Copper (Annealed)", true, "240"));
    const auto three =
        resultOf(CalcConductorSize(t, "100", true, "10", "Copper (Annealed)", false, "240"));
    EXPECT_NEAR(readBackDouble(three.lblCmils) / readBackDouble(one.lblCmils), 1.732 / 2, 1e-6);
}

TEST(ConductorSizeFactors, DropLimitsPerVoltage) {
    // Ratios of the permitted drops: 415 V allows 14 V and 480 V 16 V, not 4 %.
    const Tables& t = filledTables();
    const double at240 = readBackDouble(
        resultOf(CalcConductorSize(t, "100", true, "10", "Copper (Annealed)", true, "240"))
            .lblCmils);
    const struct {
        const char* tag;
        double limit;
    } limits[] = {{"120", 4.8}, {"208", 8.32}, {"277", 11.0}, {"415", 14.0}, {"480", 16.0}};
    for (const auto& l : limits) {
        const double cm = readBackDouble(
            resultOf(CalcConductorSize(t, "100", true, "10", "Copper (Annealed)", true, l.tag))
                .lblCmils);
        EXPECT_NEAR(cm / at240, 9.6 / l.limit, 1e-5) << l.tag;
    }
}

TEST(ConductorSizeFactors, AnAreaEqualToTheRequirementIsPassedOver) {
    // 18 AWG has 1620.199 circular mils; requiring exactly that must give 17 AWG.
    // rho 100 (Ni-Chrome), f 2, Va 4.8: CMmin = 100 x 6.0153 x 2 x L x I / 4.8 = 250.6375 x L x I.
    const auto below =
        resultOf(CalcConductorSize(filledTables(), "6.46", false, "1", "Ni-Chrome", true, "120"));
    EXPECT_EQ(below.lblMinAWG, "# 18");
    const auto above =
        resultOf(CalcConductorSize(filledTables(), "6.47", false, "1", "Ni-Chrome", true, "120"));
    EXPECT_EQ(above.lblMinAWG, "# 17");
}

TEST(ConductorSizeRefusals, InOrderLengthCurrentMaterialVolts) {
    struct Case {
        const char* length;
        const char* current;
        const char* material;
        const char* volts;
        const char* field;
    };
    const Case cases[] = {
        {"", "", "x", "x", "length"},
        {"1.2.3", "10", "Aluminium", "240", "length"},
        {"100", "", "x", "x", "current"},
        {"100", "1.2.3", "Aluminium", "240", "current"},
        {"100", "10", "aluminium", "x", "material"},
        {"100", "10", "Aluminium", "230", "volts"},
        {"100", "10", "Aluminium", "", "volts"},
        // A requirement beyond the single range is refused, not shown as infinity.
        {"9999999999999999999", "9999999999999999999", "Aluminium", "120", "current"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusedField(CalcConductorSize(filledTables(), c.length, true, c.current,
                                                 c.material, true, c.volts)),
                  c.field)
            << c.length << " / " << c.current << " / " << c.material << " / " << c.volts;
}

}  // namespace
}  // namespace ferrovolt
