// SPDX-License-Identifier: GPL-3.0-or-later
// What a circuit takes from the point its cable leaves, and what it hands on at its far end,
// through the case of each code.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "check/circuit_code.h"
#include "check/origin.h"
#include "codes/code_registry.h"
#include "faults/fault_current.h"

namespace ferrovolt {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

std::unique_ptr<CircuitCase> caseOf(std::string_view code, const Fields& fields) {
    auto checked = circuitCode(code)->newCase();
    for (const auto& [key, text] : fields) {
        const auto error = checked->set(*checked->code().fieldIndex(key), text);
        EXPECT_FALSE(error) << key << ": " << error.value_or("");
    }
    return checked;
}

// 500 kVA, 480 V, 5.75 %, X/R 5 on an infinite bus: Z_T = 26.496 mΩ (5.196 + j25.981),
// 10,459 A at the terminals both three-phase and line to neutral.
Origin necTerminals(FaultMethod method) {
    Origin origin;
    origin.volts = 480;
    origin.u0 = 480 / std::sqrt(3.0);
    const faults::Impedance zt = faults::transformerImpedance(500, 480, 5.75, 5);
    origin.iscMax = faults::threePhaseCurrent(480, zt);
    origin.xOverR = 5;
    origin.loopMin = zt;
    origin.iscMin = origin.u0 / zt.magnitude();
    origin.method = method;
    return origin;
}

const Fields kFeeder = {{"current", "150"}, {"length", "100"}, {"feet", "true"},
                        {"phase", "three"}, {"volts", "480"},  {"raceway", "steel"},
                        {"size", "4/0"},    {"pf", "0.85"}};

struct NecEnd {
    std::string name;
    FaultMethod method;
    double iscMax;  // A, at the far end
    double tolerance;
};

class NecFeederEnd : public testing::TestWithParam<NecEnd> {};

// 100 ft of 4/0 Cu in steel (Table 9: 0.063 + j0.051 Ω/kft). Ohmic: |5.196 + 6.3 +
// j(25.981 + 5.1)| mΩ = 33.14 mΩ → 8,362 A. Point-to-point: f = √3·100·10,459/(15,082·480)
// = 0.2502 → 8,366 A. The minimum is always the ohmic loop with a neutral of the line's size:
// 277.13 V/|17.796 + j36.181 mΩ| = 6,873 A.
TEST_P(NecFeederEnd, CarriesTheTransformerDownTheFeeder) {
    const NecEnd& c = GetParam();
    auto feeder = caseOf("nec2023", kFeeder);
    feeder->setOrigin(necTerminals(c.method));
    ASSERT_FALSE(feeder->check());
    const auto end = feeder->atEnd();
    ASSERT_TRUE(end);
    EXPECT_NEAR(end->end.iscMax, c.iscMax, c.tolerance);
    EXPECT_NEAR(end->end.iscMin, 6873, 1);
    EXPECT_EQ(end->end.method, c.method);
    // 150 A·√3·0.1 kft·(0.063·0.85 + 0.051·0.527) = 2.089 V = 0.435 % of 480 V.
    EXPECT_NEAR(end->end.dropPercent, 0.435, 5e-4);
}

INSTANTIATE_TEST_SUITE_P(Methods, NecFeederEnd,
                         testing::Values(NecEnd{"Impedance", FaultMethod::Impedance, 8362, 2},
                                         NecEnd{"PointToPoint", FaultMethod::PointToPoint, 8366,
                                                2}),
                         [](const auto& param) { return param.param.name; });

struct DropCase {
    std::string name;
    double upstream;  // % used above the board
    std::string size;
};

class NecBranchDrop : public testing::TestWithParam<DropCase> {};

// 16 A over 150 ft at 277 V, pf 0.85, Cu in steel: 12 AWG drops 3.007 %, 10 AWG 1.825 %,
// 8 AWG 1.208 %, 6 AWG 0.780 %. The branch has min(3 %, 5 % − upstream): 10 AWG holds while
// 5 − upstream ≥ 1.825, i.e. upstream ≤ 3.175 %.
TEST_P(NecBranchDrop, TakesWhatIsLeftOfTheFivePercent) {
    const DropCase& c = GetParam();
    auto branch = caseOf("nec2023", {{"current", "16"},
                                     {"length", "150"},
                                     {"feet", "true"},
                                     {"phase", "single"},
                                     {"volts", "277"},
                                     {"raceway", "steel"},
                                     {"pf", "0.85"}});
    Origin origin = necTerminals(FaultMethod::Impedance);
    origin.dropPercent = c.upstream;
    branch->setOrigin(origin);
    ASSERT_FALSE(branch->check());
    EXPECT_EQ(branch->sizeLabel(), c.size);
}

INSTANTIATE_TEST_SUITE_P(Upstream, NecBranchDrop,
                         testing::Values(DropCase{"NothingAbove", 0, "10 AWG"},
                                         DropCase{"JustWithinForTen", 3.17, "10 AWG"},
                                         DropCase{"JustBeyondForTen", 3.18, "8 AWG"},
                                         DropCase{"AlmostSpent", 4.1, "6 AWG"}),
                         [](const auto& param) { return param.param.name; });

// E8's network at the LV terminals (I″k3 9,749.9 A), then 50 m of 16 mm² Cu PVC, three-phase,
// its protective conductor 16 mm² (Table 54.2). Maximum: R20 1.15 Ω/km, X 0.08 Ω/km:
// |59.60 + j28.78 mΩ| → 1.05·400/(√3·66.19 mΩ) = 3,663.7 A. I″k1,max by the loop with line
// and PE at 20 °C: 1,997.6 A. Minimum at 160 °C (× 1.56), c_min 0.95: 1,190.6 A.
TEST(IecCableEnd, CarriesTheNetworkDownTheCable) {
    const faults::Impedance feeder = faults::networkFeeder(1.1, 10, 100, 0.1, 10.0 / 0.4);
    const faults::Impedance transformer = faults::iecTransformer({400, 6, 0.5, 400}, 1.05).z;
    Origin origin;
    origin.volts = 400;
    origin.u0 = 400 / std::sqrt(3.0);
    origin.cMax = 1.05;
    origin.cMin = 0.95;
    origin.method = FaultMethod::Iec60909;
    origin.iscMax = faults::initialThreePhase(1.05, 400, feeder + transformer);
    origin.xOverR = (feeder + transformer).xOverR();
    origin.loopMax = origin.loopMin = feeder * (2.0 / 3.0) + transformer;
    origin.ik1Max = 1.05 * origin.u0 / origin.loopMax.magnitude();
    origin.iscMin = 0.95 * origin.u0 / origin.loopMin.magnitude();
    auto cable = caseOf("iec60364", {{"current", "40"},
                                     {"length", "50"},
                                     {"phase", "three"},
                                     {"volts", "400"},
                                     {"size", "16"}});
    cable->setOrigin(origin);
    ASSERT_FALSE(cable->check());
    const auto end = cable->atEnd();
    ASSERT_TRUE(end);
    EXPECT_NEAR(end->end.iscMax, 3663.7, 0.1);
    EXPECT_NEAR(end->end.ik1Max, 1997.6, 0.1);
    EXPECT_NEAR(end->end.iscMin, 1190.6, 0.1);
}

// A circuit at the origin of the installation (nothing used above it) is checked as alone.
TEST(CircuitAtTheOrigin, AnswersAsAlone) {
    for (const CircuitCode* code : circuitCodes()) {
        const Fields fields = {{"current", "30"}, {"length", "40"}};
        auto alone = caseOf(code->key(), fields);
        auto rooted = caseOf(code->key(), fields);
        Origin origin;
        origin.volts = 230;
        rooted->setOrigin(origin);
        ASSERT_FALSE(alone->check());
        ASSERT_FALSE(rooted->check());
        for (std::size_t row = 0; row < code->rows().size(); ++row)
            EXPECT_EQ(rooted->rowText(row), alone->rowText(row)) << code->rows()[row].key;
        EXPECT_FALSE(alone->atEnd());
    }
}

}  // namespace
}  // namespace ferrovolt
