// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauge_comparison.h"

#include "calc_fixture.h"

namespace ferrovolt {
namespace {

struct CompareCase {
    const char* name;
    int position;
    int unitMode;
    const char* gauge;
    std::array<const char*, 5> boxes;  // each shown with one trailing blank
};

class Comparison : public ::testing::TestWithParam<CompareCase> {};

TEST_P(Comparison, ShowsTheGaugeUnderAllStandards) {
    const CompareCase& c = GetParam();
    const ComparisonResult r = CalcComparison(filledTables(), c.position, c.unitMode);
    EXPECT_EQ(r.lblGauge, c.gauge);
    for (std::size_t s = 0; s < 5; ++s)
        EXPECT_EQ(r.lblGaugeArray[s], std::string(c.boxes[s]) + " ") << s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Comparison,
    ::testing::Values(
        CompareCase{
            "g18_mm", 24, 0, "18", {"0.823061", "1.216605", "1.167454", "1.266769", "1.143259"}},
        CompareCase{"g18_sqin",
                    24,
                    1,
                    "18",
                    {"0.0012757", "0.0018857", "0.0018096", "0.0019635", "0.0017721"}},
        CompareCase{
            "g18_cmil", 24, 2, "18", {"1620.199", "2394.891", "2298.138", "2493.639", "2250.509"}},
        CompareCase{
            "g6_0_mm", 1, 0, "6/0", {"170.4564", "N/A", "109.0921", "111.3133", "107.9197"}},
        CompareCase{
            "g5_0_mm", 2, 0, "5/0", {"135.1755", "N/A", "94.56378", "96.98698", "93.90823"}},
        CompareCase{"g40_cmil", 46, 2, "40", {"9.859586", "N/A", "22.98138", "N/A", "48.87533"}},
        CompareCase{"g40_sqin", 46, 1, "40", {"0.0000078", "N/A", "0.0000181", "N/A", "0.0000385"}},
        CompareCase{
            "g37_mm", 43, 0, "37", {"0.0100476", "N/A", "0.0234302", "0.0220722", "0.0366096"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace ferrovolt
