// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit check's quick number text against the general one: the result rows must read
// exactly as formatRoundedDouble writes them, ties and large numbers included.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "nec2023/nec2023_fields.h"
#include "numtext/number_text.h"
#include "numtext/rounded_number.h"

namespace ferrovolt {
namespace {

struct Draw {
    const char* name;
    double (*value)(std::mt19937_64&);
};

// Any magnitude from 1e-9 to 1e13, either sign.
double anyMagnitude(std::mt19937_64& random) {
    const double exponent = std::uniform_real_distribution<double>(-9, 13)(random);
    return (random() % 2 == 0 ? 1 : -1) * std::pow(10.0, exponent);
}

// A short decimal, a tie at some number of places, or within a hair of one.
double nearTie(std::mt19937_64& random) {
    const int places = static_cast<int>(random() % 8);
    const double whole = static_cast<double>(random() % 2000000) + 0.5;
    const double hair = std::ldexp(static_cast<double>(static_cast<int>(random() % 9) - 4), -40);
    return whole / std::pow(10.0, places) + hair * static_cast<double>(random() % 2);
}

// Large numbers (1e8 to 1e14 units of the last place) within a tenth of a unit of a tie,
// where the scaling's own rounding is coarse enough to cross it.
double largeNearTie(std::mt19937_64& random) {
    const int places = static_cast<int>(random() % 7);
    const double units = std::pow(10.0, std::uniform_real_distribution<double>(8, 14)(random));
    const double offset = std::uniform_real_distribution<double>(-0.1, 0.1)(random);
    return (std::floor(units) + 0.5 + offset) / std::pow(10.0, places);
}

class CircuitNumber : public testing::TestWithParam<Draw> {};

TEST_P(CircuitNumber, ReadsAsTheGeneralNumberText) {
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 100000; ++i) {
        const double value = GetParam().value(random);
        for (const int decimals : {0, 1, 2, 3, 4, 5, 6}) {
            ASSERT_EQ(roundedNumberText(value, decimals), formatRoundedDouble(value, decimals))
                << std::hexfloat << value << " to " << decimals;
        }
    }
    for (const double value : {0.0, -0.0, 5e-324, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN(), 1e300, -0.0004})
        EXPECT_EQ(roundedNumberText(value, 3), formatRoundedDouble(value, 3)) << value;
}

INSTANTIATE_TEST_SUITE_P(Circuit, CircuitNumber,
                         testing::Values(Draw{"any_magnitude", anyMagnitude},
                                         Draw{"near_tie", nearTie},
                                         Draw{"large_near_tie", largeNearTie}),
                         [](const auto& draw) { return std::string(draw.param.name); });

}  // namespace
}  // namespace ferrovolt
