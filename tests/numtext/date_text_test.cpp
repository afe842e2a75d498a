// SPDX-License-Identifier: GPL-3.0-or-later
#include "numtext/date_text.h"

#include <gtest/gtest.h>

namespace ferrovolt {
namespace {

struct DateCase {
    const char* name;
    int year, month, day;
    const char* text;
};

TEST(IsoDateText, PadsMonthDayAndYear) {
    const DateCase cases[] = {
        {"single-digit month and day are padded", 2026, 3, 9, "2026-03-09"},
        {"two-digit month and day stay", 2026, 12, 31, "2026-12-31"},
        {"a year below 1000 keeps four digits", 987, 1, 1, "0987-01-01"},
        {"a year of five digits is not cut", 10000, 10, 10, "10000-10-10"},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(isoDateText(c.year, c.month, c.day), c.text) << c.name;
}

}  // namespace
}  // namespace ferrovolt
