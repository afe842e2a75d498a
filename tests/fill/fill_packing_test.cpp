// SPDX-License-Identifier: GPL-3.0-or-later
// The cross-section drawing's layout: every conductor inside the raceway, none overlapping.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "fill/fill_packing.h"

namespace ferrovolt {
namespace {

struct PackingCase {
    const char* name;
    const char* raceway;
    std::vector<const char*> wires;
    int laid;
};

void PrintTo(const PackingCase& c, std::ostream* out) {
    *out << c.name;
}

const PackingCase kPackings[] = {
    {"OneConductor", "emt", {"1x500:THHN"}, 1},
    {"TwelveOfOneSize", "emt", {"12x14:THHN"}, 12},
    {"Mixed", "rmc", {"3x4/0:THHN", "1x4:bare", "6x12:THHN", "2x10:XHHW"}, 12},
    {"ManySmall", "pvc-40", {"300x14:THHN"}, 200},  // beyond the limit: 100 not laid
};

class FillPackingTest : public ::testing::TestWithParam<PackingCase> {};

TEST_P(FillPackingTest, InsideTheWallAndApart) {
    FillInputs in;
    in.raceway = fillRacewayOf(GetParam().raceway).value();
    for (const char* wire : GetParam().wires)
        in.rows.push_back(std::get<FillRow>(fillWireText(wire)));
    const auto answer = std::get<FillAnswer>(checkFill(in));
    const FillPacking packing = packFill(answer, 200);
    ASSERT_EQ(static_cast<int>(packing.circles.size()), GetParam().laid);
    EXPECT_EQ(packing.notLaid, answer.count - GetParam().laid);
    for (std::size_t i = 0; i < packing.circles.size(); ++i) {
        const PackedCircle& a = packing.circles[i];
        EXPECT_LE(std::hypot(a.x, a.y) + a.r, packing.radius + 1e-6);
        for (std::size_t j = i + 1; j < packing.circles.size(); ++j) {
            const PackedCircle& b = packing.circles[j];
            EXPECT_GE(std::hypot(a.x - b.x, a.y - b.y), a.r + b.r - 1e-6);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CrossSection, FillPackingTest, ::testing::ValuesIn(kPackings),
                         [](const auto& test) { return std::string(test.param.name); });

// Equal circles at the densest packing's bore, and just inside it: five need a bore of
// 1 + √(2(1 + 1/√5)) = 2.7013 radii (a ring against the wall), six and seven 3 radii (a ring of
// six, about one for seven), so just inside 3 only five lie.
struct RingCase {
    const char* name;
    int count;
    double bore;  // the bore's radius, in circle radii
    int notLaid;
};

void PrintTo(const RingCase& c, std::ostream* out) {
    *out << c.name;
}

const RingCase kRings[] = {
    {"FiveAtTheirBore", 5, 2.7014, 0},
    {"FiveInsideTheirBore", 5, 2.70, 1},
    {"SevenAtTheirBore", 7, 3.0, 0},
    {"SevenInsideTheirBore", 7, 2.99, 2},
};

class FillRingTest : public ::testing::TestWithParam<RingCase> {};

TEST_P(FillRingTest, EqualCirclesAtTheDensestBore) {
    const RingCase& c = GetParam();
    const FillPacking packing = packCircles(
        c.bore,
        std::vector<PackedCircle>(static_cast<std::size_t>(c.count), PackedCircle{0, 0, 1, 0}));
    EXPECT_EQ(packing.notLaid, c.notLaid);
}

INSTANTIATE_TEST_SUITE_P(DensestPackings, FillRingTest, ::testing::ValuesIn(kRings),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace ferrovolt
