// SPDX-License-Identifier: GPL-3.0-or-later
// What an NEC 2023 answer hands on: its conductors as the conduit fill's field texts, and the
// warning held against a size another calculator gave.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "check/common_fields.h"
#include "check/set_case.h"
#include "fill/fill_case.h"
#include "nec2023/nec2023_code.h"
#include "nec2023/nec2023_hand_on.h"

namespace ferrovolt {
namespace {

struct HandOnCase {
    const char* name;
    Raceway raceway;
    int insulation;
    bool threePhase;
    int sets;
    const char* size;
    const char* egc;  // none where Table 250.122 gives the device no value
    const char* racewayText;
    std::vector<std::string> wires;
    const char* note;
};

class FillHandOn : public ::testing::TestWithParam<HandOnCase> {};

TEST_P(FillHandOn, GivesTheFillItsRacewayAndWires) {
    const HandOnCase& c = GetParam();
    CircuitAnswer answer;
    answer.code = "NEC 2023";
    answer.trail.inputs.raceway = c.raceway;
    answer.trail.inputs.insulation = c.insulation;
    answer.trail.inputs.threePhase = c.threePhase;
    answer.sets = c.sets;
    answer.sizeLabel = c.size;
    if (c.egc != nullptr) answer.egc = circuitSizeOf(c.egc);
    const HandOn handOn = necFillHandOn(answer);
    const std::vector<std::string>* raceway = handedTexts(handOn, keys::kRaceway);
    ASSERT_NE(raceway, nullptr);
    EXPECT_EQ(*raceway, std::vector<std::string>{c.racewayText});
    const std::vector<std::string>* wires = handedTexts(handOn, keys::kWire);
    ASSERT_NE(wires, nullptr);
    EXPECT_EQ(*wires, c.wires);
    EXPECT_EQ(handOn.note, c.note);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FillHandOn,
    ::testing::Values(
        // Single phase: two phase conductors and the grounding conductor; 75 °C is THW.
        HandOnCase{"PvcSinglePhaseAt75",
                   Raceway::Pvc,
                   75,
                   false,
                   1,
                   "1 AWG",
                   "8 AWG",
                   "pvc-40",
                   {"2x1 AWG:THW", "1x8 AWG:THW"},
                   "From the circuit check: 2 × 1 AWG THW and 1 × 8 AWG grounding conductor, one "
                   "per set, by NEC 2023 250.122. The raceway type follows the raceway material; "
                   "choose yours."},
        // Three phase in two sets: 3 × 2 = 6 phase conductors and a grounding conductor per set.
        HandOnCase{"AluminiumThreePhaseTwoSetsAt90",
                   Raceway::Aluminium,
                   90,
                   true,
                   2,
                   "250 kcmil",
                   "2 AWG",
                   "rmc",
                   {"6x250 kcmil:THHN", "2x2 AWG:THHN"},
                   "From the circuit check: 6 × 250 kcmil THHN and 2 × 2 AWG grounding conductor, "
                   "one per set, by NEC 2023 250.122. The raceway type follows the raceway "
                   "material; choose yours."},
        // No value in Table 250.122: the phase size stands in, and the note asks for the real one.
        HandOnCase{"SteelWithoutTableValueAt60",
                   Raceway::Steel,
                   60,
                   false,
                   1,
                   "4/0 AWG",
                   nullptr,
                   "emt",
                   {"2x4/0 AWG:TW", "1x4/0 AWG:TW"},
                   "From the circuit check: 2 × 4/0 AWG TW and a grounding conductor per set at "
                   "the same size, as NEC 2023 Table 250.122 gives no value for this device "
                   "here; enter its actual size. The raceway type follows the raceway material; "
                   "choose yours."}),
    [](const auto& param) { return std::string(param.param.name); });

// What a checked case hands on sets a case of the fill as any front end would, and is what
// the Conduit Fill window is opened with. 100 A at 240 V single phase: 60 °C terminals by
// 110.14(C)(1) (100 A or less) make it 1 AWG (110 A; 2 AWG carries 95 A), and Table 250.122
// gives the 100 A device an 8 AWG grounding conductor; PVC is the default raceway.
TEST(FillHandOn, SetsAFillCaseFromACheckedCase) {
    const std::unique_ptr<CircuitCase> circuit = nec2023Code().newCase();
    const std::pair<std::string_view, std::string_view> given[] = {
        {keys::kCurrent, "100"}, {keys::kLength, "1"}, {keys::kVolts, "240"}};
    for (const auto& [key, text] : given)
        ASSERT_FALSE(circuit->set(*nec2023Code().fieldIndex(key), text)) << key;
    ASSERT_FALSE(circuit->check());
    const std::optional<HandOn> handOn = circuit->fillHandOn();
    ASSERT_TRUE(handOn);

    const std::unique_ptr<CheckCase> fill = fillCheck().newCheckCase();
    auto source = sourceOf(
        [&](const CheckField& field, std::size_t, const auto& put) -> std::optional<CheckRefusal> {
            if (const std::vector<std::string>* texts = handedTexts(*handOn, field.key))
                for (const std::string& text : *texts)
                    if (std::optional<CheckRefusal> refusal = put(text)) return refusal;
            return std::nullopt;
        },
        [](const CheckField& field) {
            return CheckRefusal{field.key, "not a fill field"};
        });
    ASSERT_FALSE(setCase(*fill, fillCheck().fields(), source));
    ASSERT_FALSE(fill->check());
    // Table 5, THW: 2 × 0.1901 in² (1 AWG) + 0.0437 in² (8 AWG) = 0.4239 in²; Table 4, PVC
    // Schedule 40 at 40 %: 1 holds 0.333 in², 1-1/4 holds 0.581 in².
    const auto rowText = [&](std::string_view key) {
        return fill->rowText(*fillCheck().rowIndex(key));
    };
    EXPECT_EQ(rowText("count"), "3");
    EXPECT_EQ(rowText("total_area_in2"), "0.4239");
    EXPECT_EQ(rowText("trade_size"), "1-1/4");

    const FillInputs inputs = fillInputsHandedOn(*handOn);
    EXPECT_EQ(fillRacewayName(inputs.raceway), "PVC Schedule 40 and HDPE");
    ASSERT_EQ(inputs.rows.size(), 2U);
    EXPECT_EQ(fillRowText(inputs.rows[0]), "2 × 1 AWG THW");
    EXPECT_EQ(fillRowText(inputs.rows[1]), "1 × 8 AWG THW");
}

// Under a code whose answer the fill does not take, a case hands it nothing; so does a case
// not yet answered.
TEST(FillHandOn, NothingWithoutAnAnswer) {
    EXPECT_FALSE(nec2023Code().newCase()->fillHandOn());
}

struct WarningCase {
    const char* name;
    const char* current;
    const char* length;
    Material material;
    double sizeCmil;
    std::optional<std::string> warning;
};

class AmpacityWarning : public ::testing::TestWithParam<WarningCase> {};

TEST_P(AmpacityWarning, NamesTheMinimumByAmpacity) {
    const WarningCase& c = GetParam();
    EXPECT_EQ(necAmpacityWarning({c.current, c.length, false, c.material, 240, false, c.sizeCmil}),
              c.warning);
}

// 100 A copper with 60 °C terminals (110.14(C)(1), 100 A or less) needs 1 AWG, 83 690 cmil
// (Table 310.16: 110 A; 2 AWG, 66 360 cmil, carries 95 A). Aluminium at 60 °C needs 1/0 AWG
// (100 A; 1 AWG carries 85 A). Over 100 A the terminals are 75 °C, where 2000 kcmil, the
// largest size, carries 665 A.
INSTANTIATE_TEST_SUITE_P(
    Sizes, AmpacityWarning,
    ::testing::Values(
        WarningCase{"OneCircularMilBelowTheMinimum", "100", "1", Material::Copper, 83689,
                    "Too small for 100 A: at least 1 AWG by ampacity"},
        WarningCase{"TheMinimumItself", "100", "1", Material::Copper, 83690, std::nullopt},
        WarningCase{"AluminiumNeedsALargerSize", "100", "1", Material::Aluminium, 83690,
                    "Too small for 100 A: at least 1/0 AWG by ampacity"},
        WarningCase{"TheLargestSizeCarriesIt", "665", "1", Material::Copper, 2000000, std::nullopt},
        WarningCase{"NoSizeCarriesIt", "666", "1", Material::Copper, 2000000,
                    "Too small for 666 A: more than 2000 kcmil by ampacity"},
        WarningCase{"CurrentRefused", "many", "1", Material::Copper, 0, std::nullopt},
        WarningCase{"LengthRefused", "100", "far", Material::Copper, 0, std::nullopt}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace ferrovolt
