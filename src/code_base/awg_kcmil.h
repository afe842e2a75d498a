// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The North American conductor sizes, AWG then kcmil, as every code that sizes in them
// writes and reads them. A code takes the run of the ladder its tables cover
// (awgSizesFrom) and indexes its tables by it.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace ferrovolt {

struct AwgSize {
    std::string_view label;  // "3 AWG", "2/0 AWG", "350 kcmil"
    double cmil;
};

// Smallest first, with the area in circular mils of NEC Chapter 9 Table 8 (read from
// sfasoft.com/look/35 "Conductor Properties", checked against
// voltdropcalc.com/nec-chapter-9-table-8). 18 and 16 AWG, which only the fill takes, are read
// from the 2011 page image of Table 8 and agree with the AWG series, d = 5 mil × 92^((36 − n)
// / 39), to its four figures: 40.30² = 1624 and 50.82² = 2583 cmil, printed 1620 and 2580.
inline constexpr std::array<AwgSize, 30> kAwgSizes = {{
    {"18 AWG", 1620},        {"16 AWG", 2580},        {"14 AWG", 4110},
    {"12 AWG", 6530},        {"10 AWG", 10380},       {"8 AWG", 16510},
    {"6 AWG", 26240},        {"4 AWG", 41740},        {"3 AWG", 52620},
    {"2 AWG", 66360},        {"1 AWG", 83690},        {"1/0 AWG", 105600},
    {"2/0 AWG", 133100},     {"3/0 AWG", 167800},     {"4/0 AWG", 211600},
    {"250 kcmil", 250000},   {"300 kcmil", 300000},   {"350 kcmil", 350000},
    {"400 kcmil", 400000},   {"500 kcmil", 500000},   {"600 kcmil", 600000},
    {"700 kcmil", 700000},   {"750 kcmil", 750000},   {"800 kcmil", 800000},
    {"900 kcmil", 900000},   {"1000 kcmil", 1000000}, {"1250 kcmil", 1250000},
    {"1500 kcmil", 1500000}, {"1750 kcmil", 1750000}, {"2000 kcmil", 2000000},
}};

// The N sizes of the ladder from `first` up: a code's own list, so that its indexes are its
// tables' rows.
template <std::size_t N>
constexpr std::array<AwgSize, N> awgSizesFrom(std::string_view first) {
    std::size_t start = 0;
    while (kAwgSizes[start].label != first) ++start;
    std::array<AwgSize, N> sizes{};
    for (std::size_t i = 0; i < N; ++i) sizes[i] = kAwgSizes.at(start + i);
    return sizes;
}

// The index in kAwgSizes of a size as a user writes it: its number ("12", "1/0", "350"),
// after a "#" or not, with its own unit after it or not, spaced or not, in any case ("12 AWG",
// "#12awg", "350 kcmil", "350MCM"). A unit that is not the size's own ("3 kcmil", "250 AWG")
// is refused, as are a blank after the "#" and anything else around the size.
std::optional<int> awgSizeOf(std::string_view text);

// The index in `sizes` (a code's run of the ladder) of a size text; nothing when the text is
// no size or the code has no such size.
template <std::size_t N>
std::optional<int> awgSizeIn(const std::array<AwgSize, N>& sizes, std::string_view text) {
    const std::optional<int> rung = awgSizeOf(text);
    if (!rung) return std::nullopt;
    const std::string_view label = kAwgSizes[static_cast<std::size_t>(*rung)].label;
    for (std::size_t i = 0; i < N; ++i)
        if (sizes[i].label == label) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace ferrovolt
