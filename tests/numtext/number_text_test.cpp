// SPDX-License-Identifier: GPL-3.0-or-later
#include "numtext/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace ferrovolt {
namespace {

struct SingleCase {
    float value;
    const char* text;
};

TEST(FormatSingle, PlainExponentAndRounding) {
    const SingleCase cases[] = {
        {0.0F, "0"},
        {-0.0F, "0"},
        {0.58F, "0.58"},
        {-0.58F, "-0.58"},
        {100.0F, "100"},
        {1234567.0F, "1234567"},
        {9999999.0F, "9999999"},
        {12345678.0F, "1.234568E+07"},  // eight digits before the point
        {10000000.0F, "1E+07"},
        {9999999.5F, "1E+07"},  // rounds up to a new digit
        {9.9999996F, "10"},     // the float lies at 9.99999952: rounds to a new digit
        {9.999999F, "9.999999"},
        {0.0000078F, "0.0000078"},  // five zeros and two digits fit seven places
        {0.00000078F, "7.8E-07"},
        {0.0000001F, "0.0000001"},
        {0.00000001F, "1E-08"},
        {0.1234567F, "0.1234567"},
        {0.01234567F, "1.234567E-02"},  // one zero and seven digits do not fit
        {1.5e-30F, "1.5E-30"},
        {-3.4e38F, "-3.4E+38"},
        {1234568.5F, "1234568"},  // exact tie: half to even
        {1234567.5F, "1234568"},
        {0.040303F, "0.040303"},
        {335544.07F, "335544.1"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatSingle(c.value), c.text) << c.text;
}

struct DoubleCase {
    double value;
    const char* text;
};

TEST(FormatDouble, PlainExponentAndRounding) {
    const DoubleCase cases[] = {
        {0.0, "0"},
        {1.0 / 30, "3.33333333333333E-02"},
        {1.0 / 3, "0.333333333333333"},
        {-2.0 / 3, "-0.666666666666667"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {0.000000000000001, "0.000000000000001"},
        {0.0000000000000012, "1.2E-15"},
        {112589990684262.5, "112589990684262"},  // exact tie at the 16th digit: to even
        {112589990684263.5, "112589990684264"},
        {1e-300, "1E-300"},
        {1e300, "1E+300"},
        {2.5, "2.5"},
        {335544.0703000426, "335544.070300043"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatDouble(c.value), c.text) << c.text;
}

TEST(Round, HalvesToEvenOnTheExactValue) {
    EXPECT_EQ(roundDouble(2.5, 0), 2.0);
    EXPECT_EQ(roundDouble(3.5, 0), 4.0);
    EXPECT_EQ(roundDouble(-2.5, 0), -2.0);
    EXPECT_EQ(roundDouble(0.125, 2), 0.12);
    EXPECT_EQ(roundDouble(0.375, 2), 0.38);
    // 2.675 is stored just below the tie, so it rounds down.
    EXPECT_EQ(roundDouble(2.675, 2), 2.67);
    EXPECT_EQ(roundDouble(1e300, 15), 1e300);
    EXPECT_EQ(formatDouble(roundDouble(1.0 / 3, 7)), "0.3333333");
    EXPECT_EQ(formatSingle(roundSingle(0.00000784f, 7)), "0.0000078");
    EXPECT_EQ(formatSingle(roundSingle(0.00000786f, 7)), "0.0000079");
    EXPECT_EQ(roundSingle(1.5F, 0), 2.0F);
    EXPECT_EQ(roundSingle(0.5F, 0), 0.0F);
}

TEST(Cut, KeepsTheFirstCharacters) {
    EXPECT_EQ(cut("335544.070300043", 12), "335544.07030");
    EXPECT_EQ(cut("123456.7", 7), "123456.");
    EXPECT_EQ(cut("42", 7), "42");
    EXPECT_EQ(cut("", 3), "");
}

struct CutCase {
    double value;
    bool single;  // written with 7 digits; the value is a float
    std::size_t width;
    const char* text;
};

void PrintTo(const CutCase& c, std::ostream* out) {
    *out << c.text << " at " << c.width;
}

class CutNumber : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutNumber, NeverChangesTheMagnitude) {
    const CutCase& c = GetParam();
    EXPECT_EQ(
        c.single ? cutSingle(static_cast<float>(c.value), c.width) : cutDouble(c.value, c.width),
        c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CutNumber,
    ::testing::Values(
        // Texts that fit, or lose only digits after the point, stay as cut() gives them.
        CutCase{2.4, false, 7, "2.4"}, CutCase{123456.7, false, 7, "123456."},
        CutCase{1234567.8, false, 7, "1234567"}, CutCase{-12345.67, false, 7, "-12345."},
        CutCase{335544.070300043, false, 12, "335544.07030"},
        CutCase{0.0000123456789, false, 7, "0.00001"}, CutCase{11784.94, true, 8, "11784.94"},
        CutCase{1e20, false, 7, "1E+20"},
        // Digits before the point or the exponent would go: exponent form, as many
        // significant digits as fit.
        CutCase{278675100, false, 8, "2.79E+08"}, CutCase{278675100, false, 7, "2.8E+08"},
        CutCase{12345678, false, 7, "1.2E+07"}, CutCase{12345678, true, 8, "1.23E+07"},
        CutCase{278675100, true, 8, "2.79E+08"}, CutCase{-1234567, false, 7, "-1E+06"},
        CutCase{1.0763e19, false, 7, "1.1E+19"},
        CutCase{7.85398163397448e37, false, 12, "7.853982E+37"},
        CutCase{0.0009854, true, 8, "9.85E-04"}, CutCase{99999999, false, 7, "1E+08"},
        CutCase{1e300, false, 7, "1E+300"},
        CutCase{1.7976931348623157e308, false, 7, "2E+308"},  // 1.8E+308 is 8 characters
        CutCase{-1.5e-300, false, 7, "-2E-300"},              // wider than 7: one digit at least
        // Halves to even on the exact binary value: 125000000 is exact, 1.35E+08 also.
        CutCase{125000000, false, 7, "1.2E+08"}, CutCase{135000000, false, 7, "1.4E+08"}));

struct ReadCase {
    const char* text;
    bool number;
    double value;
};

TEST(ReadNumber, OnlySignDigitsAndOnePoint) {
    const ReadCase cases[] = {
        {"12", true, 12},   {"12.", true, 12},   {".5", true, 0.5}, {"-40", true, -40},
        {"+7", true, 7},    {"0", true, 0},      {"", false, 0},    {".", false, 0},
        {"-", false, 0},    {"1.2.3", false, 0}, {"1e5", false, 0}, {"1E5", false, 0},
        {" 12", false, 0},  {"12 ", false, 0},   {"1,5", false, 0}, {"--1", false, 0},
        {"0x10", false, 0}, {"inf", false, 0},   {"nan", false, 0}, {"-.", false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isNumber(c.text), c.number) << '"' << c.text << '"';
        const auto value = readDouble(c.text);
        EXPECT_EQ(value.has_value(), c.number) << '"' << c.text << '"';
        if (value) {
            EXPECT_EQ(*value, c.value) << c.text;
        }
    }
}

TEST(ReadNumber, CorrectlyRoundedStraightToEachPrecision) {
    EXPECT_EQ(readSingle("0.58"), 0.58F);
    EXPECT_EQ(readDouble("0.58"), 0.58);
    EXPECT_EQ(readSingle("16777217"), 16777216.0F);  // tie between two floats: to even
    EXPECT_EQ(readSingle("16777219"), 16777220.0F);
    // A detour through double would round this twice and land one float higher.
    EXPECT_EQ(readSingle("1.00000005960464477539062500001"), 1.00000011920928955078125F);
    EXPECT_EQ(readSingle("1.000000059604644775390625"), 1.0F);
}

TEST(ReadNumber, BeyondTheRangeIsNoValueAndTinyIsZero) {
    EXPECT_FALSE(readSingle("400000000000000000000000000000000000000").has_value());
    EXPECT_TRUE(readDouble("400000000000000000000000000000000000000").has_value());
    EXPECT_EQ(readSingle("0.000000000000000000000000000000000000000000000001"), 0.0F);
    EXPECT_EQ(readSingle("-0.000000000000000000000000000000000000000000000001"), 0.0F);
}

TEST(ReadBack, TakesTheLeadingNumberOfAShownText) {
    EXPECT_EQ(readBackDouble("1.234568E+07"), 12345680.0);
    EXPECT_EQ(readBackDouble("3.33333333333333E-02"), 3.33333333333333E-02);
    EXPECT_EQ(readBackDouble("1.25E+2"), 125.0);  // a cut exponent text
    EXPECT_EQ(readBackDouble("1.2345E"), 1.2345);
    EXPECT_EQ(readBackDouble("1.234E+"), 1.234);
    // Exponents at the edge of the integer range: too large is no value (read as +0), too
    // small is a zero of the sign. The sum with the leading digit's position overflowed.
    EXPECT_FALSE(std::signbit(readBackDouble("-10E+9223372036854775807")));
    EXPECT_TRUE(std::signbit(readBackDouble("-10E-9223372036854775807")));
    EXPECT_EQ(readBackSingle("10E+9223372036854775807"), 0.0F);
    EXPECT_EQ(readBackDouble("1E+99999999999999999999"), 0.0);
    EXPECT_EQ(readBackDouble("123456."), 123456.0);
    EXPECT_EQ(readBackDouble("-1.2345"), -1.2345);
    EXPECT_EQ(readBackDouble("N/A"), 0.0);
    EXPECT_EQ(readBackDouble(""), 0.0);
    EXPECT_EQ(readBackSingle("0.0209474"), 0.0209474F);
}

TEST(Locale, TextsIgnoreTheProcessLocale) {
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (german == nullptr) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    EXPECT_EQ(formatSingle(0.58F), "0.58");
    EXPECT_EQ(formatDouble(1234.5), "1234.5");
    EXPECT_EQ(formatDouble(1.0 / 30), "3.33333333333333E-02");
    EXPECT_EQ(readDouble("2.5"), 2.5);
    EXPECT_FALSE(readDouble("2,5").has_value());
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace ferrovolt
