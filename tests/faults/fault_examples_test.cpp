// SPDX-License-Identifier: GPL-3.0-or-later
// The published worked examples of the fault-current methods, recomputed from their inputs.
// Where a published number is wrong, the right one is asserted and the comment says why.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "faults/fault_current.h"
#include "faults/fault_tables.h"

namespace ferrovolt::faults {
namespace {

struct Example {
    std::string name;
    std::function<double()> compute;
    double expected;
    double tolerance;  // relative
};

// Point-to-point results are rounded through M to three places in the handbook: ±0.5 %.
// The ohmic sum: ±0.2 %. IEC 60909 values reproduced to 1e-6 kA: ±2e-7.
constexpr double kPoint = 5e-3;
constexpr double kOhmic = 2e-3;
constexpr double kIec = 2e-7;

// E1: 300 kVA, 2 %Z, 208 V, infinite bus, %Z × 0.9; the published 46,273 A starts from a full-load
// current rounded to 833 A. F1: 20 ft of two sets of 500 kcmil Cu in steel (C 22,185); F2: then
// 20 ft of 2 AWG Cu in steel (C 5,907).
double e1Secondary() {
    return letThrough(300, 208, 2, 3, 0.9);
}
double e1F1() {
    return pointToPoint(e1Secondary(), 20, 22185, 2, 208).current;
}
double e1F2() {
    return pointToPoint(e1F1(), 20, 5907, 1, 208).current;
}

// E8: 10 kV grid of 100 MVA, R/X 0.1, c 1.1; 400 kVA 10/0.4 kV, u_k 6 %, u_R 0.5 %; c_max 1.05.
Impedance e8Impedance() {
    const double cMax = kVoltageFactors[kLowVoltage6].cMax;
    const Impedance feeder = networkFeeder(1.1, 10, 100, 0.1, 10.0 / 0.4);
    return feeder + iecTransformer({400, 6, 0.5, 400}, cMax).z;
}

// E9: the sheet's main board, 24.93 kA at 420 V, is |Z| = 420/(√3·24.93 kA) = 9.727 mΩ, of
// which its busbar's 0.86 mΩ is R and the rest X. The distribution board's own sheet starts
// from zero upstream: 13.51 kA, |Z| = 17.949 mΩ, its 70 m of 95 mm² (23 mΩ·mm²/m × 70/95 =
// 16.947 mΩ) as R and the rest (5.911 mΩ) as X. Carried through, the two add up.
double e9Carried() {
    const double main = 420 / (std::sqrt(3.0) * 24930);
    const Impedance board{0.86e-3, std::sqrt(main * main - 0.86e-3 * 0.86e-3)};
    const double own = 420 / (std::sqrt(3.0) * 13510);
    const double cable = 23e-3 * 70 / 95;
    return threePhaseCurrent(420, board + Impedance{cable, std::sqrt(own * own - cable * cable)});
}

const std::vector<Example>& examples() {
    static const std::vector<Example> cases = {
        {"E1_SecondaryWithHandbookTolerance", e1Secondary, 46262, kPoint},
        {"E1_FirstFaultTwoSets500kcmil", e1F1, 39425, kPoint},
        // F2 is not printed in the stored copies: f = √3·20·39,417/(5,907·208) = 1.1113,
        // M = 0.4736, 39,417·0.4736 = 18,669 A.
        {"E1_SecondFault2Awg", e1F2, 18669, kPoint},
        {"E2_ThreeSetsNonmagnetic903ft",
         [] { return pointToPoint(letThrough(3000, 600, 7.5, 3), 903, 26706, 3, 600).current; },
         17089.56, kPoint},
        {"E2_FactorF",
         [] { return pointToPoint(letThrough(3000, 600, 7.5, 3), 903, 26706, 3, 600).f; }, 1.2523,
         kPoint},
        // Published as "about 10,460 A full-load and roughly 18,200 A of fault current": 10,459 A
        // is the fault current (601.4 A × 100/5.75); 18.1 kA is 500 kVA/(480 V·0.0575), the √3
        // left out.
        {"E3_LetThroughHasTheRootOfThree", [] { return letThrough(500, 480, 5.75, 3); }, 10459,
         kOhmic},
        {"E3_FullLoad", [] { return fullLoadCurrent(500, 480, 3); }, 601.4, kOhmic},
        {"E3_Then100ft4_0CuSteel",
         [] { return pointToPoint(letThrough(500, 480, 5.75, 3), 100, 15082, 1, 480).current; },
         8366, kPoint},
        {"E3_Then100ft4_0CuNonmagnetic",
         [] { return pointToPoint(letThrough(500, 480, 5.75, 3), 100, 16673, 1, 480).current; },
         8529, kPoint},
        // Published with C = 22,500 for 250 kcmil Cu (13,875 A), which is no table value: the
        // table's 16,483 (steel) and 18,594 (nonmagnetic) give 11,935 and 12,688 A.
        {"E4_250kcmilSteelFromTheTable",
         [] { return pointToPoint(25000, 200, 16483, 1, 480).current; }, 11935, kPoint},
        {"E4_250kcmilNonmagneticFromTheTable",
         [] { return pointToPoint(25000, 200, 18594, 1, 480).current; }, 12688, kPoint},
        // 13.8 kV × 15 kA × √3 = 358.5 MVA; 1000 kVA at 5 % = 20 MVA; in series 18.94 MVA; at
        // 208 V. (The text's "15 kVA" is a typo for 15 kA.)
        {"E5_MvaMethod",
         [] {
             const std::array mvas = {utilityMva(13.8, 15), transformerMva(1000, 5)};
             return mvaMethodCurrent(mvas, 208);
         },
         52583, kOhmic},
        {"E6_1000kva5_75", [] { return letThrough(1000, 480, 5.75, 3); }, 20918, kOhmic},
        {"E6_500kva5", [] { return letThrough(500, 480, 5, 3); }, 12028, kOhmic},
        // 100 MVA X/R 10 at 13.2 kV, three 225 kVA units at 5 % X/R 2.8, referred to 230 V.
        // Published: 51,877 A, which is V_LL/|Z| without √3; the right value is 29,951 A. (The
        // board values downstream need the sheet's cable R and X, not held here.)
        {"E7_SecondaryHasTheRootOfThree",
         [] {
             return threePhaseCurrent(
                 230, sourceFromMva(230, 100, 10) + transformerImpedance(675, 230, 5, 2.8));
         },
         29951, kOhmic},
        // Z_T = 0.06·400²/400 kVA = 24 mΩ, R_T 2 mΩ, X_T 23.917 mΩ, x_T 0.0598:
        // K_T = 0.95·1.05/(1 + 0.6·0.0598) = 0.962954.
        {"E8_CorrectionFactor",
         [] {
             return iecTransformer({400, 6, 0.5, 400}, 1.05).kT;
         },
         0.962954, 1e-6},
        {"E8_LowVoltageIk3", [] { return initialThreePhase(1.05, 400, e8Impedance()); }, 9749.917,
         kIec},
        {"E8_HighVoltageIk3",
         [] { return initialThreePhase(1.1, 10e3, networkFeeder(1.1, 10, 100, 0.1, 1)); }, 5773.503,
         kIec},
        {"E8_PeakFactor", [] { return peakFactor(e8Impedance()); }, 1.780, 5e-4},
        {"E8_Peak",
         [] { return peakCurrent(e8Impedance(), initialThreePhase(1.05, 400, e8Impedance())); },
         24540, kOhmic},
        // Published 13.51 kA at the distribution board, because its sheet restarts at zero
        // upstream impedance; carried through from the main board it is about 10.2 kA.
        {"E9_CarriedThroughTheMainBoard", e9Carried, 10243, kOhmic},
        // Two loads on one run: 1 % to the first, 0.8 % more on the second segment.
        {"E10_SecondLoad",
         [] {
             const std::array segments = {1.0, 0.8};
             return cumulativeDrop(segments);
         },
         1.8, 1e-12},
        {"E11_BudgetLeft", [] { return remainingBudget(6, 4.95); }, 1.05, 1e-12},
        {"E11_TotalWithNo8",
         [] {
             const std::array segments = {4.95, 0.7};
             return cumulativeDrop(segments);
         },
         5.65, 1e-12},
        // 230 V/13,990 A = 16.44 mΩ at the transformer; magnitudes added on U0 = 230 V.
        {"E12_MainSwitchboard",
         [] {
             return loopCurrent(230, Impedance{230.0 / 13990 + 0.0040, 0});
         },
         11252, kOhmic},
        {"E12_DistributionBoard",
         [] {
             return loopCurrent(230, Impedance{230.0 / 13990 + 0.0040 + 0.025, 0});
         },
         5062, kOhmic},
        // 500 kVA 480 V 5.75 %, X/R 5: Z_T 26.496 mΩ (R 5.196, X 25.981). Then 100 ft 4/0 Cu
        // in steel (Table 9: R 0.063, X 0.051 Ω/kft), then 60 ft 10 AWG Cu (R 1.2, X 0.063).
        {"Ohmic_Then4_0",
         [] {
             return threePhaseCurrent(
                 480, transformerImpedance(500, 480, 5.75, 5) + runImpedance(0.063, 0.051, 100, 1));
         },
         8362, kOhmic},
        {"Ohmic_Then10Awg",
         [] {
             return threePhaseCurrent(480, transformerImpedance(500, 480, 5.75, 5) +
                                               runImpedance(0.063, 0.051, 100, 1) +
                                               runImpedance(1.2, 0.063, 60, 1));
         },
         3063, kOhmic},
        {"PointToPoint_Then10Awg",
         [] {
             const double board =
                 pointToPoint(letThrough(500, 480, 5.75, 3), 100, 15082, 1, 480).current;
             return pointToPoint(board, 60, 981, 1, 480).current;
         },
         2939, kPoint},
        // Feeder 100 ft 4/0 Cu in steel, 150 A, pf 0.85, 480 V three-phase: Ze = 0.063·0.85 +
        // 0.051·0.527 = 0.0804 Ω/kft → 2.089 V = 0.435 %. Branch 150 ft 12 AWG Cu (R 2.0,
        // X 0.068), 16 A, 277 V: 8.332 V = 3.007 %. At the outlet 3.44 %: over the 3 % branch
        // note, within the 5 % total.
        {"Drop_SinglePhaseBranchUnderThreePhaseFeeder",
         [] {
             const std::array segments = {
                 segmentDropVolts(0.063, 0.051, 0.85, 100, 150, 3) / 480 * 100,
                 segmentDropVolts(2.0, 0.068, 0.85, 150, 16, 1) / 277 * 100};
             return cumulativeDrop(segments);
         },
         3.443, 5e-4},
    };
    return cases;
}

class WorkedExample : public testing::TestWithParam<std::size_t> {};

TEST_P(WorkedExample, GivesTheRightValue) {
    const Example& example = examples()[GetParam()];
    const double got = example.compute();
    EXPECT_NEAR(got, example.expected, example.tolerance * std::abs(example.expected))
        << example.name;
}

INSTANTIATE_TEST_SUITE_P(Reference, WorkedExample,
                         testing::Range<std::size_t>(0, examples().size()),
                         [](const auto& param) { return examples()[param.param].name; });

// The table's small sizes are 1/R at 25 °C: ρ20 10.371 Ω·cmil/ft × (1 + 0.00393·5) over the
// area (4110, 6530, 10380, 16510 cmil) gives 388.7, 617.5, 981.6, 1561 for copper; the
// published cells in steel agree within 0.3 %. One cell per column is read back, and a cell held
// in one reproduction only is refused on the side where the other is missing.
TEST(ConductorConstants, AgreeWithResistanceAndRefuseSingleSourcedCells) {
    const std::array<std::pair<std::string_view, double>, 4> small = {
        {{"14 AWG", 4110}, {"12 AWG", 6530}, {"10 AWG", 10380}, {"8 AWG", 16510}}};
    for (const auto& [size, cmil] : small) {
        const double fromResistance = cmil / (10.371 * (1 + 0.00393 * 5));
        EXPECT_NEAR(*conductorConstant(size, false, true), fromResistance, 3e-3 * fromResistance)
            << size;
    }
    EXPECT_EQ(conductorConstant("4/0 AWG", false, true), 15082);
    EXPECT_EQ(conductorConstant("4/0 AWG", false, false), 16673);
    EXPECT_EQ(conductorConstant("500 kcmil", true, true), 18756);
    EXPECT_EQ(conductorConstant("500 kcmil", true, false), 21391);
    EXPECT_EQ(conductorConstant("600 kcmil", true, false), std::nullopt);
    EXPECT_EQ(conductorConstant("8 AWG", true, true), std::nullopt);
    EXPECT_EQ(conductorConstant("6 AWG", true, true), 1481);
    EXPECT_EQ(conductorConstant("2000 kcmil", false, true), std::nullopt);
}

// For a Dyn transformer (its zero sequence Z_TK, the feeder's blocked by the delta) and a
// return by the protective conductor (Z_(0) of a cable = Z_L + 3·Z_PE), the sequence form
// √3·c·Un/|2·Z_(1) + Z_(0)| and the loop form c·U0/|(2/3)·Z_Q + Z_TK + Σ(Z_L + Z_PE)| are the
// same current. E8's network with 50 m of 16 mm² Cu line and PE at 160 °C (R20 1.15 Ω/km).
TEST(LineToEarth, LoopFormEqualsSequenceForm) {
    const Impedance feeder = networkFeeder(1.1, 10, 100, 0.1, 10.0 / 0.4);
    const Impedance transformer = iecTransformer({400, 6, 0.5, 400}, 1.05).z;
    const Impedance line{resistanceAtEnd(1.15e-3, 160) * 50, 0.08e-3 * 50};
    const Impedance pe = line;
    const double loop =
        initialLineToEarth(0.95, 400 / std::sqrt(3.0), feeder, transformer, line + pe);
    const double sequence = initialLineToEarthSequence(0.95, 400, feeder + transformer + line,
                                                       transformer + line + pe * 3.0);
    EXPECT_NEAR(loop, sequence, 1e-9 * sequence);
    // R at 160 °C is 1.56 × R20: 1.15 × 1.56 = 1.794 Ω/km; 50 m line + PE: 179.4 mΩ of R.
    EXPECT_NEAR((line + pe).r, 0.1794, 1e-9);
    // (2/3)·Z_Q = 0.078 + j0.778 mΩ, Z_TK = 1.926 + j23.031 mΩ, the cables 179.4 + j8 mΩ:
    // |181.44 + j32.20 mΩ| = 184.28 mΩ, and 0.95·230.94 V/184.28 mΩ = 1,190.6 A.
    EXPECT_NEAR(loop, 1190.6, 0.1);
}

}  // namespace
}  // namespace ferrovolt::faults
