// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/lists.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ferrovolt {
namespace {

TEST(Lists, GaugeList) {
    const auto texts = gaugeListTexts();
    ASSERT_EQ(texts.size(), 46U);
    EXPECT_EQ(texts.front(), "6/0");
    EXPECT_EQ(texts[5], "1/0");
    EXPECT_EQ(texts[6], "1");
    EXPECT_EQ(texts[23], "18");  // the default text is the 24th item
    EXPECT_EQ(texts.back(), "40");
}

TEST(Lists, ConductorSizeList) {
    const auto texts = conductorSizeListTexts();
    ASSERT_EQ(texts.size(), 61U);
    EXPECT_EQ(texts.front(), "2000 Kcmil");
    EXPECT_EQ(texts[14], "250 Kcmil");
    EXPECT_EQ(texts[15], "6/0 AWG");
    EXPECT_EQ(texts[20], "1/0 AWG");
    EXPECT_EQ(texts[38], "18 AWG");  // the 39th item
    EXPECT_EQ(texts.back(), "40 AWG");
    for (const auto& t : texts) EXPECT_TRUE(isPermittedConductorSize(t)) << t;
}

TEST(Lists, MaterialListOffersElevenRows) {
    Tables tables;
    InitTables(tables);
    const auto names = materialListTexts(tables);
    ASSERT_EQ(names.size(), 11U);
    EXPECT_EQ(names.front(), "Aluminium");
    EXPECT_EQ(names.back(), "Platinum");
    for (const char* hidden : {"Silver", "Tin", "Tungsten"}) {
        EXPECT_EQ(std::count(names.begin(), names.end(), hidden), 0);
        EXPECT_FALSE(isPermittedMaterial(tables, hidden));
    }
    EXPECT_TRUE(isPermittedMaterial(tables, "Ni-Chrome"));
    EXPECT_FALSE(isPermittedMaterial(tables, "ni-chrome"));
}

TEST(Lists, ConductorSizeCheckIsWiderThanTheList) {
    for (const char* ok : {"0 AWG", "41 AWG", "45 AWG", "46 AWG", "2000 Kcmil", "1/0 AWG"})
        EXPECT_TRUE(isPermittedConductorSize(ok)) << ok;
    for (const char* bad : {"47 AWG", "18 AWG ", "18 awg", "18AWG", "00 AWG", "-1 AWG",
                            "2000 kcmil", "0/0 AWG", "", "AWG"})
        EXPECT_FALSE(isPermittedConductorSize(bad)) << '"' << bad << '"';
}

TEST(Lists, StandardCheck) {
    for (auto name : kStandardNames) EXPECT_TRUE(isPermittedStandard(name));
    for (const char* bad : {"AWG", "awg (b&s)", "SWG ", ""}) EXPECT_FALSE(isPermittedStandard(bad));
}

}  // namespace
}  // namespace ferrovolt
