// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit/circuit_number.h"

#include <charconv>
#include <cmath>
#include <cstddef>

#include "numtext/number_text.h"

namespace ferrovolt {

void appendRoundedNumber(std::string& out, double value, int decimals, double limit) {
    constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
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
    // The digits of |whole|, with leading zeros up to one before the point.
    const auto places = static_cast<std::ptrdiff_t>(decimals);
    char digits[32];
    char* const first = digits + 8;
    char* const end = std::to_chars(first, digits + sizeof digits, whole < 0 ? -whole : whole).ptr;
    char* begin = first;
    while (end - begin <= places) *--begin = '0';
    char* const point = end - places;
    char* last = end;
    while (last > point && last[-1] == '0') --last;
    char text[40];
    char* t = text;
    if (whole < 0) *t++ = '-';
    while (begin != point) *t++ = *begin++;  // a few characters: no call to memmove
    if (last != point) {
        *t++ = '.';
        for (const char* c = point; c != last; ++c) *t++ = *c;
    }
    out.append(text, t);
}

std::string roundedNumberText(double value, int decimals) {
    std::string text;
    appendRoundedNumber(text, value, decimals);
    return text;
}

}  // namespace ferrovolt
