// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dates as the sheets write them: ISO 8601, year-month-day, whatever the locale.

#include <string>

namespace ferrovolt {

// "2026-03-09": the year in at least four digits, the month and day in two.
std::string isoDateText(int year, int month, int day);

}  // namespace ferrovolt
