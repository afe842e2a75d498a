// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_forms.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ferrovolt::testing {
namespace {

struct NumberRow {
    const char* text;
    int digits;
    bool whole;   // a complete number text
    bool prefix;  // the start of one
};

// Rows print as their text, so a failing row names itself in the test list.
void PrintTo(const NumberRow& row, std::ostream* out) {
    *out << '"' << row.text << "\" " << row.digits;
}

class NumberTextShape : public ::testing::TestWithParam<NumberRow> {};

TEST_P(NumberTextShape, WholeAndPrefix) {
    const NumberRow& row = GetParam();
    EXPECT_EQ(isNumberText(row.text, row.digits), row.whole) << row.text;
    EXPECT_EQ(isNumberTextPrefix(row.text, row.digits), row.prefix) << row.text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberTextShape,
    ::testing::Values(
        NumberRow{"0", 7, true, true}, NumberRow{"0.58", 7, true, true},
        NumberRow{"-0.58", 7, true, true}, NumberRow{"1234567", 7, true, true},
        NumberRow{"1.234568E+07", 7, true, true}, NumberRow{"0.0000078", 7, true, true},
        NumberRow{"3.33333333333333E-02", 15, true, true}, NumberRow{"7.8E-08", 7, true, true},
        NumberRow{"1.401298E-45", 7, true, true},
        NumberRow{"1.79769313486232E+308", 15, true, true},
        // Never written: a negative zero, leading zeros, a bare point, trailing zeros.
        NumberRow{"-0", 7, false, true}, NumberRow{"01", 7, false, false},
        NumberRow{"1.", 7, false, true}, NumberRow{".5", 7, false, false},
        NumberRow{"1.50", 7, false, true}, NumberRow{"1.000000", 7, false, false},
        // Exponent form only where the plain form does not fit, always "E", sign, 2 digits.
        NumberRow{"12345678", 7, false, false}, NumberRow{"1E+06", 7, false, false},
        NumberRow{"1E+07", 7, true, true}, NumberRow{"1E+7", 7, false, false},
        NumberRow{"1E+3", 7, false, true}, NumberRow{"1e+07", 7, false, false},
        NumberRow{"1E07", 7, false, false}, NumberRow{"1.0E+07", 7, false, false},
        NumberRow{"0.00000012", 7, false, false}, NumberRow{"1.2E-07", 7, true, true},
        NumberRow{"1.2E-06", 7, false, false}, NumberRow{"1E+39", 7, false, false},
        NumberRow{"1E+39", 15, true, true},
        // Cut texts: the start of an exponent form is a prefix but not a number text.
        NumberRow{"1.255E+0", 7, false, true}, NumberRow{"1.255E+3", 7, false, true},
        NumberRow{"1.255E+4", 7, false, false}, NumberRow{"1.255E+4", 15, false, true},
        NumberRow{"1.255E-0", 7, false, true}, NumberRow{"-", 7, false, true},
        // Nothing else is a number text.
        NumberRow{"1,5", 7, false, false}, NumberRow{" 1", 7, false, false},
        NumberRow{"NaN", 7, false, false}, NumberRow{"Infinity", 15, false, false},
        NumberRow{"+1", 7, false, false}, NumberRow{"", 7, false, true}));

struct LabelRow {
    const char* name;
    const char* text;
    bool shown;
};

void PrintTo(const LabelRow& row, std::ostream* out) {
    *out << row.name << " \"" << row.text << '"';
}

class LabelText : public ::testing::TestWithParam<LabelRow> {};

TEST_P(LabelText, FaultOnlyForTextsTheCoreCannotWrite) {
    const LabelRow& row = GetParam();
    EXPECT_EQ(labelTextFault(row.name, row.text).empty(), row.shown)
        << row.name << " \"" << row.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LabelText,
    ::testing::Values(
        LabelRow{"Dia_mm", "14.732", true}, LabelRow{"Dia_mm", "N/A", true},
        LabelRow{"Dia_mm", "", false}, LabelRow{"Area_mils", "335544.07030", true},
        LabelRow{"Area_mils", "335544.070301", false}, LabelRow{"Kilos", "151.45630597", true},
        LabelRow{"Area_inches", "0.0012757", true}, LabelRow{"Area_inches", "1.2757E-03", false},
        LabelRow{"Ohms_mtr", "0.0209474", true}, LabelRow{"Ohms_mtr", "0.02094741", false},
        // The float nearest 0.0009854 has 7 digits 9.854001; a value not rounded has others.
        LabelRow{"Ohms_mtr", "9.854001E-04", true}, LabelRow{"Ohms_mtr", "9.854321E-04", false},
        LabelRow{"Ohms_km", "9.854001E-04", false}, LabelRow{"Ohms_km", "20.9474", true},
        LabelRow{"Ohms_km", "20.94741234", false}, LabelRow{"lblGauge", "6/0", true},
        LabelRow{"lblGauge", "41", false}, LabelRow{"lblGaugeArray(1)", "N/A ", true},
        LabelRow{"lblGaugeArray(1)", "N/A", false}, LabelRow{"lblGaugeArray(0)", "0.823061 ", true},
        LabelRow{"lblGaugeArray(0)", "0.823061  ", false}, LabelRow{"CableQty", "6", true},
        LabelRow{"CableQty", "6.5", false}, LabelRow{"CableQty", "-1", false},
        LabelRow{"CondArea", "7853.9816339", true}, LabelRow{"lblCMA", "1620.199", true},
        LabelRow{"lblDrop", "42", true}, LabelRow{"lblDrop", "4.25", false},
        LabelRow{"lblDrop", "1.23456", true}, LabelRow{"lblDrop", "12.3456", false},
        LabelRow{"lblDrop", "-4.2", false}, LabelRow{"lblDrop", "123456.", true},
        LabelRow{"lblVoltsOut", "-12345.", true}, LabelRow{"lblPCdrop", "17.5", true},
        LabelRow{"lblCmils", "11784.94", true}, LabelRow{"lblCmils", "11784.945", false},
        LabelRow{"lblMinAWG", "# 9", true}, LabelRow{"lblMinAWG", "# 41", false},
        LabelRow{"lblMinAWG", "350 Kcmils", true}, LabelRow{"lblMinAWG", "300 Kcmils", false},
        LabelRow{"lblMinAWG", "Out of range.", true}, LabelRow{"lblMinMetric", "6.63413", true},
        LabelRow{"lblMinMetric", "1234.5 sq mm", true},
        LabelRow{"lblMinMetric", "1234.56 sq mm", false}, LabelRow{"lblNomMetric", "10.0", true},
        LabelRow{"lblNomMetric", "0.0", false}, LabelRow{"lblNomMetric", "8*150", true},
        LabelRow{"area", "", true}, LabelRow{"area", "170.4564", true},
        LabelRow{"lblDrops", "1", false},
        // Digits before the point that pass the cut go to exponent form, as many as fit.
        LabelRow{"lblDrop", "1.3E+07", true}, LabelRow{"lblDrop", "1.3E+06", false},
        LabelRow{"lblDrop", "1.30E+07", false}, LabelRow{"lblCmils", "2.79E+08", true},
        // 0.000986 in single precision, not on its decimal: more digits, then cut to eight.
        LabelRow{"lblCmils", "9.86E-04", true}, LabelRow{"lblCmils", "9.86E-01", false},
        LabelRow{"CableArea", "7.853982E+37", true}, LabelRow{"CableArea", "7.85398E+9", false},
        LabelRow{"lblVoltsOut", "Out of range.", true}, LabelRow{"lblPCdrop", "-1.1E+19", false}));

TEST(SizingGroup, MetricTextFollowsTheKindOfSize) {
    EXPECT_EQ(sizingGroupFault("# 9", "6.63413", "10.0"), "");
    EXPECT_EQ(sizingGroupFault("350 Kcmils", "88.7 sq mm", "Out of range."), "");
    EXPECT_EQ(sizingGroupFault("Out of range.", "1234.5 sq mm", "Out of range."), "");
    EXPECT_NE(sizingGroupFault("# 9", "6.6 sq mm", "10.0"), "");
    EXPECT_NE(sizingGroupFault("350 Kcmils", "88.7", "Out of range."), "");
    EXPECT_NE(sizingGroupFault("350 Kcmils", "88.7 sq mm", "95.0"), "");
}

}  // namespace
}  // namespace ferrovolt::testing
