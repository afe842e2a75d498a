// SPDX-License-Identifier: GPL-3.0-or-later
// The descriptions' own rules, which every front end relies on: keys that scripts can use
// as names, captions as the window shows them, choices that agree with the tables.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "describe/calculators.h"
#include "tables/supply_tables.h"

namespace ferrovolt {
namespace {

bool isSnakeCase(std::string_view key) {
    if (key.empty() || key.front() == '_' || key.back() == '_') return false;
    for (const char c : key)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

TEST(Description, RowKeysAreUniqueSnakeCaseNamesAndLabelsAreUnique) {
    for (const CalculatorDescription* calculator : kCalculators) {
        std::set<std::string_view> keys;
        std::set<std::string_view> labels;
        for (const RowDescription& row : calculator->rows) {
            EXPECT_TRUE(isSnakeCase(row.key)) << row.key;
            EXPECT_TRUE(keys.insert(row.key).second) << calculator->command << " " << row.key;
            EXPECT_TRUE(labels.insert(row.label).second) << calculator->command << " " << row.label;
            EXPECT_FALSE(row.caption.empty()) << row.key;
        }
        for (const InputDescription& input : calculator->inputs)
            EXPECT_EQ(input.option, "--" + std::string(input.key)) << input.key;
    }
}

TEST(Description, PlainCaptionDropsOnlyTheWindowsColon) {
    const struct {
        RowDescription row;
        std::string_view plain;
    } cases[] = {
        {{"drop_volts", "Voltage Drop across Cable :", "", "lblDrop"}, "Voltage Drop across Cable"},
        {{"area_awg", "AWG (B&S)", "", "lblGaugeArray(0)"}, "AWG (B&S)"},
        {{"x", "Ratio:", "", "x"}, "Ratio:"},
    };
    for (const auto& c : cases) EXPECT_EQ(plainCaption(c.row), c.plain);
}

TEST(Description, SizingVoltsAreTheDropLimitTags) {
    std::string tags;
    for (const DropLimit& limit : DropLimitTable)
        tags.append(tags.empty() ? "" : "|").append(limit.tag);
    EXPECT_EQ(kConductorSize.inputs.back().choices, tags);
    EXPECT_EQ(kConductorSize.inputs.back().key, "volts");
}

TEST(SupplyTables, FindsExactTextsOnly) {
    EXPECT_EQ(findSupply("480 Volts 3-phase"), &SupplyTable[5]);
    EXPECT_EQ(findSupply("480 volts 3-phase"), nullptr);
    EXPECT_EQ(findSupply("480 Volts 3-phase "), nullptr);
    EXPECT_EQ(findDropLimit("415"), &DropLimitTable[4]);
    EXPECT_EQ(findDropLimit("415 Volts"), nullptr);
}

}  // namespace
}  // namespace ferrovolt
