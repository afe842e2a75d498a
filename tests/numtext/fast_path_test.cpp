// SPDX-License-Identifier: GPL-3.0-or-later
// The fast rounding and formatting must agree with the plain exact forms for every value.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "numtext/number_text.h"
#include "numtext/number_text_reference.h"

namespace ferrovolt {
namespace {

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}
bool sameBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// Under AddressSanitizer these loops run ten times slower than in the plain build, where they
// prove the agreement over every draw; there they look for memory errors, which the same paths
// show over a tenth of the draws.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDrawShare = 10;
#else
constexpr int kDrawShare = 1;
#endif

// Values the calculators meet: decimal-looking numbers, products of them, and ties.
std::vector<double> interestingDoubles(std::mt19937_64& rng, int count) {
    std::vector<double> values;
    std::uniform_int_distribution<int> exponent(-20, 20);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_int_distribution<int> digits(1, 17);
    for (int i = 0; i < count; ++i) {
        switch (i % 4) {
            case 0:  // any finite bit pattern
                values.push_back(std::bit_cast<double>(
                    (bits(rng) & ~(std::uint64_t{0x7FF} << 52)) |
                    (static_cast<std::uint64_t>(1023 + 3 * exponent(rng)) << 52)));
                break;
            case 1: {  // a short decimal, often an exact tie once rounded
                const int n = digits(rng);
                std::uint64_t mantissa = bits(rng) % static_cast<std::uint64_t>(std::pow(10.0, n));
                mantissa = mantissa - mantissa % 10 + 5;
                values.push_back(static_cast<double>(mantissa) * std::pow(10.0, exponent(rng) / 2));
                break;
            }
            case 2:  // halves and quarters: exact binary ties
                values.push_back(static_cast<double>(bits(rng) % 100000000) / 8.0);
                break;
            default:  // arithmetic like the calculators'
                values.push_back(static_cast<double>(bits(rng) % 100000) / 997.0 *
                                 3.14159265358979);
        }
    }
    return values;
}

TEST(FastPath, DoubleFormatAndRoundAgreeWithExact) {
    std::mt19937_64 rng(20261208);
    for (double v : interestingDoubles(rng, 200000 / kDrawShare)) {
        for (double x : {v, -v}) {
            ASSERT_EQ(formatDouble(x), reference::formatDouble(x)) << std::hexfloat << x;
            for (int decimals : {0, 1, 6, 7, 15}) {
                const double rounded = reference::roundDouble(x, decimals);
                ASSERT_TRUE(sameBits(roundDouble(x, decimals), rounded))
                    << std::hexfloat << x << " to " << decimals;
                ASSERT_EQ(formatRoundedDouble(x, decimals), reference::formatDouble(rounded))
                    << std::hexfloat << x << " to " << decimals;
                for (std::size_t width : {7, 12})
                    ASSERT_EQ(cutRoundedDouble(x, decimals, width), cutDouble(rounded, width))
                        << std::hexfloat << x << " to " << decimals << " cut to " << width;
            }
        }
    }
}

// The shown texts are the texts of the two-step functions and their values those texts read
// back, whether the value is a decimal of the places tried, rounds to one, or neither.
TEST(FastPath, ShownNumbersAgreeWithTextsReadBack) {
    std::mt19937_64 rng(9122026);
    const auto check = [](const ShownNumber& shown, const std::string& text, double x) {
        ASSERT_EQ(shown.text, text) << std::hexfloat << x;
        ASSERT_TRUE(sameBits(shown.value, readBackDouble(text))) << std::hexfloat << x;
    };
    for (double v : interestingDoubles(rng, 8000 / kDrawShare)) {
        for (double x : {v, -v, std::nearbyint(v * 10) / 10}) {
            for (std::size_t width : {std::size_t{7}, std::size_t{12}, std::string::npos}) {
                for (int places : {0, 1, 3})
                    check(showDouble(x, width, places), cutDouble(x, width), x);
                for (int decimals : {0, 1, 7, 15}) {
                    const ShownNumber shown = showRoundedDouble(x, decimals, width);
                    check(shown, cutRoundedDouble(x, decimals, width), x);
                    // Scaled as the calculators scale shown values.
                    const double y = shown.value * 5280;
                    check(showRoundedDouble(y, 7, width), cutRoundedDouble(y, 7, width), y);
                }
            }
        }
    }
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int i = 0; i < 100000; ++i) {
        float x = std::bit_cast<float>(bits(rng));
        if (i % 2 == 1) x = static_cast<float>(bits(rng) % 100000000) / 1e9F;
        for (int decimals : {0, 1, 7})
            check(showRoundedSingle(x, decimals), formatSingle(roundSingle(x, decimals)), x);
    }
}

// The general reading of a number text: the digits correctly rounded by std::from_chars.
template <typename T>
T generalRead(std::string text) {
    const bool negative = text[0] == '-';
    if (text[0] == '-' || text[0] == '+') text.erase(0, 1);
    T value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return negative ? -value : value;
}

// Short plain decimals are read in one step; they must read as the general reading reads them,
// at and past the limits of that step (2^24 and 2^53, 10 and 22 places, 19 digits, zeros).
TEST(FastPath, ShortDecimalsReadAsTheGeneralReading) {
    std::vector<std::string> texts{
        "75",
        "-0",
        "+0.000",
        "5.",
        ".5",
        "-40.25",
        "16777215",
        "16777216",
        "16777217",
        "1.6777217",
        "0.1",
        "0.123456789",
        "0.0000000001",
        "0.00000000001",
        "9007199254740991",
        "9007199254740993",
        "0.9007199254740993",
        "0.0000000000000000000001",
        "0.00000000000000000000001",
        "1234567890123456789",
        "12345678901234567890",
        "-0.999999999999999999",
    };
    std::mt19937_64 rng(9122026);
    std::uniform_int_distribution<int> length(1, 21);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 100000; ++i) {
        std::string text = i % 3 == 0 ? "-" : "";
        const int n = length(rng);
        const int point = length(rng) - 1;  // none where past the digits
        for (int j = 0; j < n; ++j) {
            if (j == point) text += '.';
            text += static_cast<char>('0' + digit(rng));
        }
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const std::optional<float> single = readSingle(text);
        const std::optional<double> wide = readDouble(text);
        ASSERT_TRUE(single && wide) << text;
        ASSERT_TRUE(sameBits(*single, generalRead<float>(text))) << text;
        ASSERT_TRUE(sameBits(*wide, generalRead<double>(text))) << text;
    }
}

TEST(FastPath, SingleFormatAndRoundAgreeWithExact) {
    std::mt19937_64 rng(8122026);
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int i = 0; i < 300000; ++i) {
        float x = std::bit_cast<float>(bits(rng));
        if (!std::isfinite(x)) continue;
        if (i % 3 == 1) x = static_cast<float>(bits(rng) % 10000000) / 16.0F;  // binary ties
        if (i % 3 == 2) x = static_cast<float>(bits(rng) % 100000) / 1000.0F + 0.0000005F;
        ASSERT_EQ(formatSingle(x), reference::formatSingle(x)) << std::hexfloat << x;
        for (int decimals : {0, 1, 6, 7}) {
            ASSERT_TRUE(sameBits(roundSingle(x, decimals), reference::roundSingle(x, decimals)))
                << std::hexfloat << x << " to " << decimals;
        }
    }
}

TEST(FastPath, EverySingleNearOneAgrees) {
    // Every float in [1, 2) once more densely: ties at the 8th digit are common here.
    for (std::uint32_t b = std::bit_cast<std::uint32_t>(1.0F);
         b < std::bit_cast<std::uint32_t>(2.0F); b += 97) {
        const float x = std::bit_cast<float>(b);
        ASSERT_EQ(formatSingle(x), reference::formatSingle(x)) << std::hexfloat << x;
        ASSERT_TRUE(sameBits(roundSingle(x, 7), reference::roundSingle(x, 7)))
            << std::hexfloat << x;
    }
}

TEST(FastPath, SinglesAroundEveryPowerOfTenAgree) {
    // Shortest digits "1" can stand for a float just below the power of ten, where the 7th
    // digit is a decade finer: the float nearest 1E+28 is 9.999999E+27 (found by fuzzing).
    for (int e = -37; e <= 38; ++e) {
        const auto centre = std::bit_cast<std::int32_t>(static_cast<float>(std::pow(10.0L, e)));
        for (std::int32_t b = centre - 64; b <= centre + 64; ++b) {
            const float x = std::bit_cast<float>(b);
            ASSERT_EQ(formatSingle(x), reference::formatSingle(x)) << std::hexfloat << x;
            ASSERT_EQ(formatSingle(-x), reference::formatSingle(-x)) << std::hexfloat << x;
        }
    }
    EXPECT_EQ(formatSingle(1e28F), "9.999999E+27");
}

}  // namespace
}  // namespace ferrovolt
