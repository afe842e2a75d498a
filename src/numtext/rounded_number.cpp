// SPDX-License-Identifier: GPL-3.0-or-later
#include "numtext/rounded_number.h"

#include <cmath>
#include <cstddef>

#include "numtext/number_text.h"

namespace ferrovolt {

void appendRoundedNumber(std::string& out, double value, int decimals) {
    constexpr double limit = 1e9;
    static constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    if (decimals < 0 || decimals > 6) {
        out += formatRoundedDouble(value, decimals);
        return;
    }
    const double scaled = value * kScale[decimals];
    if (!(std::abs(scaled) < limit)) {
        out += formatRoundedDouble(value, decimals);
        return;
    }
    const auto truncated = static_cast<long long>(scaled);
    const double fraction = std::abs(scaled - static_cast<double>(truncated));
    if (std::abs(fraction - 0.5) < 1e-6) {
        out += formatRoundedDouble(value, decimals);
        return;
    }
    // Away from a tie, to the nearest whole number.
    const long long whole = fraction < 0.5 ? truncated : truncated + (scaled < 0 ? -1 : 1);
    // Written from the last digit back: the places (those after the last nonzero one left
    // out), the point when any place is written, then the whole part.
    auto rest = static_cast<unsigned long long>(whole < 0 ? -whole : whole);
    char text[32];
    char* const end = text + sizeof text;
    char* first = end;
    for (int place = 0; place < decimals; ++place) {
        const auto digit = static_cast<char>(rest % 10);
        rest /= 10;
        if (digit != 0 || first != end) *--first = static_cast<char>('0' + digit);
    }
    if (first != end) *--first = '.';
    do {
        *--first = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (whole < 0) *--first = '-';
    out.append(first, static_cast<std::size_t>(end - first));
}

std::string roundedNumberText(double value, int decimals) {
    std::string text;
    appendRoundedNumber(text, value, decimals);
    return text;
}

}  // namespace ferrovolt
