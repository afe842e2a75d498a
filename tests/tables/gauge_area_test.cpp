// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/gauge_area.h"

#include "numtext/number_text.h"

#include <gtest/gtest.h>

namespace ferrovolt {
namespace {

struct AreaCase {
    const char* name;
    const char* gauge;
    int standard;
    int unitMode;
    bool byPosition;
    std::optional<std::string> expected;
};

class GaugeAreaTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(GaugeAreaTest, Answers) {
    Tables tables;
    InitTables(tables);
    const AreaCase& c = GetParam();
    EXPECT_EQ(GaugeArea(tables, c.gauge, c.standard, c.unitMode, c.byPosition), c.expected);
}

const std::optional<std::string> none;

INSTANTIATE_TEST_SUITE_P(
    Cases, GaugeAreaTest,
    ::testing::Values(
        // The square-inch value keeps the single-precision diameter: 0.264208 in double.
        AreaCase{"awg6_0_mm", "6/0", 0, 0, false, "170.4564"},
        AreaCase{"awg6_0_sqin", "6/0", 0, 1, false, "0.2642079"},
        AreaCase{"awg6_0_cmil", "6/0", 0, 2, false, "335544.1"},
        AreaCase{"awg4_0_cmil", "4/0", 0, 2, false, "211061.6"},
        AreaCase{"awg1_mm", "1", 0, 0, false, "42.40775"},
        AreaCase{"usold18_mm", "18", 3, 0, false, "1.266769"},
        AreaCase{"pos46_mm", "46", 0, 0, true, "0.0050087"},
        AreaCase{"pos46_cmil", "46", 0, 2, true, "9.859586"},
        AreaCase{"pos46_sqin", "46", 0, 1, true, "0.0000078"},
        AreaCase{"unit3_zero", "18", 0, 3, false, "0"},
        AreaCase{"unit3_pos1", "1", 2, 3, true, "0"},
        AreaCase{"bwg6_0_na", "6/0", 1, 0, false, "N/A"},
        AreaCase{"bwg5_0_na_cmil", "5/0", 1, 2, false, "N/A"},
        AreaCase{"bwg39_na", "39", 1, 1, false, "N/A"},
        AreaCase{"usold40_na", "40", 3, 0, false, "N/A"},
        AreaCase{"usold40_na_unit3", "40", 3, 3, false, "N/A"},
        AreaCase{"trailing_blank", "18 ", 0, 0, false, none},
        AreaCase{"suffix", "18 AWG", 0, 0, false, none},
        AreaCase{"empty_label", "", 0, 0, false, none},
        AreaCase{"label_by_position", "6/0", 0, 0, true, none},
        AreaCase{"position_zero", "0", 0, 0, true, none},
        AreaCase{"position_47", "47", 0, 0, true, none},
        AreaCase{"position_not_number", "x", 0, 0, true, none},
        AreaCase{"position_rounds_half_even", "23.5", 0, 0, true, "0.823061"},
        AreaCase{"standard_out_of_range", "18", 5, 0, false, none}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace ferrovolt

namespace ferrovolt {
namespace {

// The conductor sizing search relies on AWG areas growing strictly towards position 1.
TEST(GaugeAreaOrder, AwgAreasGrowStrictlyTowardsSixOught) {
    Tables tables;
    InitTables(tables);
    for (int unit : {0, 2}) {
        float thinner = 0;
        for (int p = kLastGaugePosition; p >= kFirstGaugePosition; --p) {
            const float area = readBackSingle(*GaugeArea(tables, std::to_string(p), 0, unit, true));
            EXPECT_GT(area, thinner) << "position " << p;
            thinner = area;
        }
    }
}

}  // namespace
}  // namespace ferrovolt
