// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fixed texts that the window's drop-down lists offer and its checks accept.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tables/tables.h"

namespace ferrovolt {

// Gauge standard names; the index is the standard index.
inline constexpr std::array<std::string_view, kStandardCount> kStandardNames{
    "AWG (B&S)", "BWG (Stubs Iron Wire)", "SWG", "US Standard (old)", "US Steel Wire"};

// Kcmil conductor texts with their circular mils, largest first as the list shows them.
struct KcmilText {
    std::string_view text;
    double circularMils;
};
// clang-format off
inline constexpr std::array<KcmilText, 15> kKcmilTexts{{
    {"2000 Kcmil", 2000000}, {"1750 Kcmil", 1750000}, {"1500 Kcmil", 1500000},
    {"1250 Kcmil", 1250000}, {"1000 Kcmil", 1000000}, {"900 Kcmil", 900000},
    {"800 Kcmil", 800000},   {"750 Kcmil", 750000},   {"700 Kcmil", 700000},
    {"600 Kcmil", 600000},   {"500 Kcmil", 500000},   {"400 Kcmil", 400000},
    {"350 Kcmil", 350000},   {"300 Kcmil", 300000},   {"250 Kcmil", 250000},
}};
// clang-format on

// The six large AWG conductor texts, standing for gauge positions 1 to 6 in this order.
inline constexpr std::array<std::string_view, 6> kLargeAwgTexts{"6/0 AWG", "5/0 AWG", "4/0 AWG",
                                                                "3/0 AWG", "2/0 AWG", "1/0 AWG"};

// The 46 gauge labels: "6/0" to "1/0", then "1" to "40".
std::vector<std::string> gaugeListTexts();

// The material names offered and accepted: rows 0 to 10 of MaterialTable.
std::vector<std::string> materialListTexts(const Tables& tables);

// The 61 conductor sizes of the voltage drop tab: kcmil largest first, large AWG, 1 to 40 AWG.
std::vector<std::string> conductorSizeListTexts();

// The conductor size check: the kcmil and large AWG texts, or 0 to 46 followed by " AWG".
bool isPermittedConductorSize(std::string_view text);

// The material check: one of the offered names.
bool isPermittedMaterial(const Tables& tables, std::string_view text);

// The standard check: one of the five standard names.
bool isPermittedStandard(std::string_view text);

}  // namespace ferrovolt
