// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/tables.h"

#include <gtest/gtest.h>

#include "numtext/number_text.h"

namespace ferrovolt {
namespace {

class TablesTest : public ::testing::Test {
protected:
    void SetUp() override { InitTables(tables); }
    Tables tables;
};

TEST(InitTablesStart, TablesStartEmpty) {
    const Tables empty;
    EXPECT_EQ(empty.GaugeTable[1][kLabelRow], "");
    EXPECT_EQ(empty.MaterialTable[0][0], "");
    EXPECT_FALSE(gaugePositionOfLabel(empty, "18").has_value());
}

// A Tables on the stack, every table checked: compiled by clang 14 (the fuzz build), a
// brace-initialised string table crashed the compiler on exactly this declaration.
TEST(InitTablesStart, EveryTableStartsEmptyOnTheStack) {
    Tables local;
    for (const auto& position : local.GaugeTable)
        for (const std::string& text : position) EXPECT_EQ(text, "");
    for (const auto& row : local.ConduitSizeTable) EXPECT_EQ(row[0] + row[1], "");
    for (const auto& row : local.MaterialTable) EXPECT_EQ(row[0] + row[1] + row[2], "");
    for (const auto& row : local.MetricSizeTable) EXPECT_EQ(row[0] + row[1], "");
    for (float kcmil : local.KcmilSizeTable) EXPECT_EQ(kcmil, 0.0F);
}

TEST_F(TablesTest, GaugeRowsHoldLabelsAndDiameters) {
    struct Row {
        int position;
        const char* label;
        std::array<const char*, 5> diameters;
    };
    const Row rows[] = {
        {1, "6/0", {"0.58", "0", "0.464", "0.4687", "0.4615"}},
        {6, "1/0", {"0.324861", "0.34", "0.324", "0.3125", "0.3065"}},
        {7, "1", {"0.289297", "0.3", "0.3", "0.2812", "0.283"}},
        {24, "18", {"0.040303", "0.049", "0.048", "0.05", "0.0475"}},
        {27, "21", {"0.028462", "0.032", "0.032", "0.0344", "0.03175"}},
        {45, "39", {"0.003531", "0", "0.0052", "0", "0.0075"}},
        {46, "40", {"0.003144", "0", "0.0048", "0", "0.007"}},
    };
    for (const Row& r : rows) {
        const auto& g = tables.GaugeTable[static_cast<std::size_t>(r.position)];
        EXPECT_EQ(g[kLabelRow], r.label);
        for (std::size_t s = 0; s < 5; ++s) EXPECT_EQ(g[s], r.diameters[s]) << r.label << " " << s;
        EXPECT_EQ(g[6], "");
    }
    for (const auto& cell : tables.GaugeTable[0]) EXPECT_EQ(cell, "");
}

TEST_F(TablesTest, EveryNumberTextPrintsBackAsItself) {
    for (int p = 1; p <= 46; ++p) {
        for (std::size_t s = 0; s < 5; ++s) {
            const std::string& text = tables.GaugeTable[static_cast<std::size_t>(p)][s];
            EXPECT_EQ(formatSingle(readBackSingle(text)), text) << p << " " << s;
        }
    }
}

TEST_F(TablesTest, LabelsFindTheirPositions) {
    EXPECT_EQ(gaugePositionOfLabel(tables, "6/0"), 1);
    EXPECT_EQ(gaugePositionOfLabel(tables, "4/0"), 3);
    EXPECT_EQ(gaugePositionOfLabel(tables, "1"), 7);
    EXPECT_EQ(gaugePositionOfLabel(tables, "40"), 46);
    for (const char* bad : {"", "0", "41", "18 ", " 18", "18 AWG", "6/0 AWG", "018"})
        EXPECT_FALSE(gaugePositionOfLabel(tables, bad).has_value()) << '"' << bad << '"';
}

TEST_F(TablesTest, MaterialsByExactName) {
    EXPECT_EQ(materialRowOfName(tables, "Aluminium"), 0);
    EXPECT_EQ(materialRowOfName(tables, "Copper (Annealed)"), 2);
    EXPECT_EQ(materialRowOfName(tables, "Tin"), 12);  // in the table, though no list offers it
    EXPECT_EQ(materialRowOfName(tables, "Tungsten"), 13);
    EXPECT_FALSE(materialRowOfName(tables, "copper (annealed)").has_value());
    EXPECT_FALSE(materialRowOfName(tables, "Copper").has_value());
    EXPECT_EQ(tables.MaterialTable[2][1], "1.7241");
    EXPECT_EQ(tables.MaterialTable[6][2], "0.000002");
    EXPECT_EQ(tables.MaterialTable[9][1], "100");
}

TEST_F(TablesTest, ConduitMetricAndKcmilRows) {
    EXPECT_EQ(tables.ConduitSizeTable[0][0], "16");
    EXPECT_EQ(tables.ConduitSizeTable[0][1], "1/2");
    EXPECT_EQ(tables.ConduitSizeTable[3][1], "1 1/4");
    EXPECT_EQ(tables.ConduitSizeTable[10][0], "150");
    EXPECT_EQ(tables.ConduitSizeTable[10][1], "6");
    EXPECT_EQ(tables.MetricSizeTable[7][1], "50.0");
    EXPECT_EQ(tables.MetricSizeTable[8][0], "0.0");
    EXPECT_EQ(tables.MetricSizeTable[15][1], "2*150.0");
    EXPECT_EQ(tables.MetricSizeTable[21][0], "1200");
    EXPECT_EQ(tables.MetricSizeTable[21][1], "8*150");
    EXPECT_EQ(tables.KcmilSizeTable[0], 250000.0F);
    EXPECT_EQ(tables.KcmilSizeTable[14], 2000000.0F);
    for (std::size_t i = 1; i < tables.KcmilSizeTable.size(); ++i)
        EXPECT_LT(tables.KcmilSizeTable[i - 1], tables.KcmilSizeTable[i]);
}

}  // namespace
}  // namespace ferrovolt
