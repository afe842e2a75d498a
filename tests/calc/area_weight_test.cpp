// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/area_weight.h"

#include "calc_fixture.h"

namespace ferrovolt {
namespace {

TEST(AreaWeight, SixOughtAwg) {
    const auto r = resultOf(CalcAreaWeight(filledTables(), "6/0", "AWG (B&S)"));
    EXPECT_EQ(r.Dia_mm, "14.732");
    EXPECT_EQ(r.Dia_inch, "0.58");
    EXPECT_EQ(r.Area_mm, "170.4564");
    EXPECT_EQ(r.Area_inches, "0.2642079");
    EXPECT_EQ(r.Area_mils, "335544.07030");  // twelve characters; the cut keeps the last zero
    EXPECT_EQ(r.Pounds, "1017.7289439");
    EXPECT_EQ(r.Kilos, "151.45630597");
}

TEST(AreaWeight, EighteenAwgInitialState) {
    const auto r = resultOf(CalcAreaWeight(filledTables(), "18", "AWG (B&S)"));
    EXPECT_EQ(r, (AreaWeightResult{"1.023696", "0.040303", "0.823061", "0.0012757", "1620.1989434",
                                   "4.9141782126", "0.7313177869"}));
}

TEST(AreaWeight, EighteenBwg) {
    const auto r = resultOf(CalcAreaWeight(filledTables(), "18", "BWG (Stubs Iron Wire)"));
    EXPECT_EQ(r.Dia_mm, "1.2446");
    EXPECT_EQ(r.Dia_inch, "0.049");
    EXPECT_EQ(r.Area_mm, "1.216605");
    EXPECT_EQ(r.Area_inches, "0.0018857");
}

TEST(AreaWeight, MissingGaugeShowsNotApplicableEverywhere) {
    struct Case {
        const char* gauge;
        const char* standard;
    };
    for (const Case c : {Case{"6/0", "BWG (Stubs Iron Wire)"}, Case{"5/0", "BWG (Stubs Iron Wire)"},
                         Case{"37", "BWG (Stubs Iron Wire)"}, Case{"40", "BWG (Stubs Iron Wire)"},
                         Case{"39", "US Standard (old)"}, Case{"40", "US Standard (old)"}}) {
        const auto r = resultOf(CalcAreaWeight(filledTables(), c.gauge, c.standard));
        EXPECT_EQ(r, (AreaWeightResult{"N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A"}))
            << c.gauge;
    }
}

TEST(AreaWeight, RefusalsGaugeBeforeStandard) {
    struct Case {
        const char* gauge;
        const char* standard;
        const char* field;
    };
    const Case cases[] = {
        {"18 ", "AWG (B&S)", "gauge"},
        {"", "AWG (B&S)", "gauge"},
        {"18 AWG", "AWG (B&S)", "gauge"},
        {"18", "AWG", "standard"},
        {"18", "awg (b&s)", "standard"},
        {"18", "", "standard"},
        {"x", "AWG", "gauge"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusedField(CalcAreaWeight(filledTables(), c.gauge, c.standard)), c.field)
            << '"' << c.gauge << "\" / \"" << c.standard << '"';
}

}  // namespace
}  // namespace ferrovolt
