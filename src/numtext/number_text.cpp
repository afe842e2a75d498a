#include "numtext/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace ferrovolt {
namespace {

// Significant digits and decimal exponent of a value rounded to `precision` significant
// digits: value = 0.d1d2d3... x 10^(exponent + 1), trailing zeros removed.
struct Digits {
    std::string digits;
    int exponent = 0;  // of the first digit: 1234 -> 3, 0.012 -> -2
};

template <typename T>
Digits significantDigits(T magnitude, int precision) {
    // std::to_chars rounds the exact binary value correctly, ties to even.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, precision - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto e = text.find('e');
    Digits out;
    for (char c : text.substr(0, e)) {
        if (c != '.') out.digits.push_back(c);
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    out.exponent);
    while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
    return out;
}

template <typename T>
std::string format(T value, int precision) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0) return "0";
    std::string out = value < 0 ? "-" : "";
    const Digits d = significantDigits(std::fabs(value), precision);
    const int count = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    const bool plain = e >= 0 ? e + 1 <= precision : (-e - 1) + count <= precision;
    if (plain) {
        if (e >= 0) {
            if (count <= e + 1) {
                out += d.digits;
                out.append(static_cast<std::size_t>(e + 1 - count), '0');
            } else {
                out += d.digits.substr(0, static_cast<std::size_t>(e + 1));
                out += '.';
                out += d.digits.substr(static_cast<std::size_t>(e + 1));
            }
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-e - 1), '0');
            out += d.digits;
        }
        return out;
    }
    out += d.digits[0];
    if (count > 1) {
        out += '.';
        out += d.digits.substr(1);
    }
    out += 'E';
    out += e < 0 ? '-' : '+';
    const int magnitude = e < 0 ? -e : e;
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
}

template <typename T>
T roundTo(T value, int decimals) {
    if (!std::isfinite(value)) return value;
    // The decimal text rounded on the exact value, read back straight to the same precision.
    std::array<char, 400> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    if (written.ec != std::errc{}) return value;
    T out{};
    std::from_chars(buffer.data(), written.ptr, out, std::chars_format::fixed);
    return out;
}

// Length of the leading number in text: [sign] digits [. digits] with one digit at least,
// then, when allowExponent, an optional E or e, sign and digits. 0 when text starts with none.
std::size_t numberPrefix(std::string_view text, bool allowExponent) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (allowExponent && i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t start = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        if (j > start) i = j;
    }
    return i;
}

// Position of the leading digit of a number text without sign: 1234 -> 3, 0.05 -> -2;
// only its sign matters to the caller, so far beyond the exponent range is enough.
long leadingDigitPower(std::string_view text) {
    const std::size_t e = text.find_first_of("Ee");
    const std::string_view mantissa = text.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = text.substr(e + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc{})
            exponent = 100000;  // an exponent too long to hold is far out of range either way
        if (negative) exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return -100000;
    const long position = first < point ? static_cast<long>(point - first) - 1
                                        : -static_cast<long>(first - point);
    return position + exponent;
}

// Reads a syntactically valid number text; nothing when it is beyond the range of T.
template <typename T>
std::optional<T> parse(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    T value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for the type rounds to zero; too large is no value of the type.
        if (leadingDigitPower(text) < 0) return negative ? -T{0} : T{0};
        return std::nullopt;
    }
    if (result.ec != std::errc{}) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

std::string formatSingle(float value) { return format(value, 7); }
std::string formatDouble(double value) { return format(value, 15); }

float roundSingle(float value, int decimals) { return roundTo(value, decimals); }
double roundDouble(double value, int decimals) { return roundTo(value, decimals); }

std::string cut(std::string_view text, std::size_t n) { return std::string(text.substr(0, n)); }

bool isNumber(std::string_view text) {
    return !text.empty() && numberPrefix(text, false) == text.size();
}

std::optional<double> readDouble(std::string_view text) {
    if (!isNumber(text)) return std::nullopt;
    return parse<double>(text);
}

std::optional<float> readSingle(std::string_view text) {
    if (!isNumber(text)) return std::nullopt;
    return parse<float>(text);
}

double readBackDouble(std::string_view text) {
    const std::size_t n = numberPrefix(text, true);
    if (n == 0) return 0.0;
    return parse<double>(text.substr(0, n)).value_or(0.0);
}

float readBackSingle(std::string_view text) {
    const std::size_t n = numberPrefix(text, true);
    if (n == 0) return 0.0F;
    return parse<float>(text.substr(0, n)).value_or(0.0F);
}

}  // namespace ferrovolt
