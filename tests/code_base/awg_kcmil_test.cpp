// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_base/awg_kcmil.h"

#include <gtest/gtest.h>

#include <string>

namespace ferrovolt {
namespace {

struct SizeCase {
    const char* name;
    std::string_view text;
    std::string_view size;  // the size read, "" when refused
};

std::string caseName(const testing::TestParamInfo<SizeCase>& info) {
    return info.param.name;
}

// A size as the NEC check and the fill were typed until now: either one's texts are still read,
// and what both refused is still refused.
constexpr SizeCase kTexts[] = {
    {"BareGauge", "12", "12 AWG"},
    {"BareAught", "1/0", "1/0 AWG"},
    {"BareKcmil", "350", "350 kcmil"},
    {"GaugeWithUnit", "12 AWG", "12 AWG"},
    {"UnitInAnyCase", "12 awg", "12 AWG"},
    {"UnitUnspaced", "12AWG", "12 AWG"},
    {"UnitAfterATab", "12\tAWG", "12 AWG"},
    {"BlanksAround", "  4/0  AWG  ", "4/0 AWG"},
    {"Hash", "#12", "12 AWG"},
    {"HashWithUnit", "#12 AWG", "12 AWG"},
    {"HashBeforeKcmil", "#350 kcmil", "350 kcmil"},
    {"BlankAfterHashRefused", "# 12", ""},
    {"HashAloneRefused", "#", ""},
    {"UnitAloneRefused", "AWG", ""},
    {"EmptyRefused", "", ""},
    {"Kcmil", "350 kcmil", "350 kcmil"},
    {"KcmilUnspacedUpperCase", "350KCMIL", "350 kcmil"},
    {"Mcm", "350 MCM", "350 kcmil"},
    {"McmUnspaced", "350mcm", "350 kcmil"},
    {"KcmilOnAGaugeRefused", "3 kcmil", ""},
    {"McmOnAGaugeRefused", "3 MCM", ""},
    {"AwgOnKcmilRefused", "250 AWG", ""},
    {"TwoUnitsRefused", "12 AWG kcmil", ""},
    {"WordsAfterRefused", "12 AWG copper", ""},
    {"LetterBeforeRefused", "x12", ""},
    {"SmallestOfTheLadder", "18 AWG", "18 AWG"},
    {"BelowTheLadderRefused", "20 AWG", ""},
    {"LargestOfTheLadder", "2000 kcmil", "2000 kcmil"},
    {"AboveTheLadderRefused", "2250 kcmil", ""},
    {"NotASizeBetweenRefused", "5 AWG", ""},
    {"AughtSpeltWithZerosRefused", "00", ""},
};

class AwgSizeText : public testing::TestWithParam<SizeCase> {};

TEST_P(AwgSizeText, ReadsTheSizeOrRefuses) {
    const SizeCase& c = GetParam();
    const std::optional<int> size = awgSizeOf(c.text);
    if (c.size.empty()) {
        EXPECT_FALSE(size.has_value()) << kAwgSizes[static_cast<std::size_t>(*size)].label;
        return;
    }
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(kAwgSizes[static_cast<std::size_t>(*size)].label, c.size);
}

INSTANTIATE_TEST_SUITE_P(Texts, AwgSizeText, testing::ValuesIn(kTexts), caseName);

// A code's run of the ladder indexes its own tables: the run from 14 AWG (the NEC check's)
// starts at 14 AWG and refuses the 16 AWG below it, which the ladder has.
TEST(AwgSizeIn, IndexesTheCodesOwnRun) {
    constexpr auto run = awgSizesFrom<28>("14 AWG");
    EXPECT_EQ(awgSizeIn(run, "14"), 0);
    EXPECT_EQ(awgSizeIn(run, "16"), std::nullopt);
    EXPECT_EQ(awgSizeIn(run, "2000 MCM"), 27);
    EXPECT_EQ(awgSizeIn(run, "1/0"), 9);
}

}  // namespace
}  // namespace ferrovolt
