// SPDX-License-Identifier: GPL-3.0-or-later
// The search every code's circuit check makes, apart from any code: the smallest size each
// criterion accepts, the largest of those governing (the first of equal ones), and a given
// size failing exactly the criteria that ask for more.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "check/criteria_search.h"

namespace ferrovolt {
namespace {

// A criterion met from size `threshold` up, searched from `first` below `count`.
struct SmallestCase {
    const char* name;
    int first, count, threshold;
    std::optional<int> expected;
};

void PrintTo(const SmallestCase& c, std::ostream* out) {
    *out << c.name;
}

class SmallestMeeting : public ::testing::TestWithParam<SmallestCase> {};

TEST_P(SmallestMeeting, IsTheFirstSizeFromTheStartThatMeets) {
    const SmallestCase& c = GetParam();
    std::vector<int> asked;
    const std::optional<int> found = smallestMeeting(c.first, c.count, [&](int size) {
        asked.push_back(size);
        return size >= c.threshold;
    });
    EXPECT_EQ(found, c.expected);
    // Sizes are asked in ascending order from `first`, and none after the one found.
    const int last = found.value_or(c.count - 1);
    ASSERT_EQ(asked.size(), static_cast<std::size_t>(std::max(0, last - c.first + 1)));
    for (std::size_t i = 0; i < asked.size(); ++i)
        EXPECT_EQ(asked[i], c.first + static_cast<int>(i));
}

INSTANTIATE_TEST_SUITE_P(
    Search, SmallestMeeting,
    ::testing::Values(SmallestCase{"met_midway", 0, 10, 4, 4},
                      SmallestCase{"met_at_the_start", 3, 10, 3, 3},
                      SmallestCase{"met_below_the_start_answers_the_start", 5, 10, 2, 5},
                      SmallestCase{"met_by_the_last_size", 0, 10, 9, 9},
                      // `count` is not a size: a criterion met only there is met by none.
                      SmallestCase{"met_only_beyond_the_last_size", 0, 10, 10, std::nullopt},
                      SmallestCase{"no_sizes", 4, 4, 0, std::nullopt}),
    [](const auto& param) { return std::string(param.param.name); });

constexpr std::optional<int> kNone = std::nullopt;

struct GoverningCase {
    const char* name;
    std::array<std::optional<int>, 4> minimums;
    std::size_t governing;
    int givenSize;
    std::vector<std::size_t> failed;  // of the given size, in order
};

void PrintTo(const GoverningCase& c, std::ostream* out) {
    *out << c.name;
}

class Governing : public ::testing::TestWithParam<GoverningCase> {};

TEST_P(Governing, IsTheLargestMinimumAndAGivenSizeFailsTheLargerOnes) {
    const GoverningCase& c = GetParam();
    EXPECT_EQ(governingCriterion(c.minimums), c.governing);
    EXPECT_EQ(failedCriteria(c.minimums, c.givenSize), c.failed);
}

INSTANTIATE_TEST_SUITE_P(
    Search, Governing,
    ::testing::Values(
        GoverningCase{"largest_last", {3, 5, kNone, 7}, 3, 6, {3}},
        GoverningCase{"largest_first", {9, 5, 2, 7}, 0, 4, {0, 1, 3}},
        // Equal minimums: the first in the code's order governs; a size equal to a minimum
        // meets it, one below fails every criterion asking for more.
        GoverningCase{"equal_minimums_first_governs", {2, 6, 6, 1}, 1, 6, {}},
        GoverningCase{"equal_minimums_one_below_fails_both", {2, 6, 6, 1}, 1, 5, {1, 2}},
        // A criterion not applied has no minimum: it neither governs nor fails, even when it
        // is the first and every other asks for size 0.
        GoverningCase{"criterion_not_applied_first", {kNone, 0, 0, kNone}, 1, 0, {}},
        GoverningCase{"criterion_not_applied_largest_after", {kNone, 1, kNone, 3}, 3, 2, {3}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace ferrovolt
