// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Number text: how the system writes numbers and reads them back. Nothing here reads the
// C or Qt locale; the decimal separator is always "." and there is no grouping.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ferrovolt {

// A single-precision value as text: at most 7 significant digits, plain or exponent form.
std::string formatSingle(float value);

// A double-precision value as text: at most 15 significant digits, plain or exponent form.
std::string formatDouble(double value);

// Rounds to `decimals` places, halves to even on the exact binary value; stays single.
float roundSingle(float value, int decimals);

// Rounds to `decimals` places, halves to even on the exact binary value; stays double.
double roundDouble(double value, int decimals);

// formatDouble(roundDouble(value, decimals)), without reading the rounded value back.
std::string formatRoundedDouble(double value, int decimals);

// cutDouble(roundDouble(value, decimals), n), without reading the rounded value back where
// its text keeps its magnitude.
std::string cutRoundedDouble(double value, int decimals, std::size_t n);

// The first n characters of text, whatever they are.
std::string cut(std::string_view text, std::size_t n);

// The text of a single or double value cut to n characters without changing its magnitude:
// a text that keeps its exponent and every digit before the point loses only its last
// characters ("123456.7" at 7 is "123456."); any other is written in exponent form, rounded
// half to even to as many significant digits as fit ("278675100" at 8 is "2.79E+08", at 7
// "2.8E+08").
std::string cutSingle(float value, std::size_t n);
std::string cutDouble(double value, std::size_t n);

// True when text is a number: optional sign, digits with at most one point, one digit at least.
bool isNumber(std::string_view text);

// Reads a number text (see isNumber) correctly rounded to double; nothing for a non-number
// or a value beyond the double range.
std::optional<double> readDouble(std::string_view text);

// Reads a number text (see isNumber) correctly rounded straight to single; nothing for a
// non-number or a value beyond the single range.
std::optional<float> readSingle(std::string_view text);

// Reads back a text that this system wrote and may have cut: the longest leading part that
// is a number, exponent form included ("1.25E+2" is 125, "1.2345E" is 1.2345); 0 when none.
double readBackDouble(std::string_view text);

// As readBackDouble, correctly rounded straight to single.
float readBackSingle(std::string_view text);

// A result text with the value it reads back as, readBackDouble(text).
struct ShownNumber {
    std::string text;
    double value = 0.0;
};

// The following give the texts of the functions they name with their values, found without
// reading the texts back and, where the result is a decimal of few digits, without finding
// shortest digits.

// cutRoundedDouble(value, decimals, width).
ShownNumber showRoundedDouble(double value, int decimals, std::size_t width);

// cutDouble(value, width), for a value that likely has no more than `places` decimals.
ShownNumber showDouble(double value, std::size_t width, int places);

// formatSingle(roundSingle(value, decimals)), its value read back as a double.
ShownNumber showRoundedSingle(float value, int decimals);

// The same, writing the text into `text` (no text made on the way) and returning its value.
double showRoundedDouble(std::string& text, double value, int decimals, std::size_t width);
double showDouble(std::string& text, double value, std::size_t width, int places);
double showRoundedSingle(std::string& text, float value, int decimals);

}  // namespace ferrovolt
