// SPDX-License-Identifier: GPL-3.0-or-later
#include "numtext/date_text.h"

namespace ferrovolt {

namespace {

// `value` in decimal, zeros in front up to `width` digits.
void appendPadded(std::string& out, int value, std::size_t width) {
    const std::string digits = std::to_string(value);
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out += digits;
}

}  // namespace

std::string isoDateText(int year, int month, int day) {
    std::string text;
    text.reserve(10);
    appendPadded(text, year, 4);
    text += '-';
    appendPadded(text, month, 2);
    text += '-';
    appendPadded(text, day, 2);
    return text;
}

}  // namespace ferrovolt
