// SPDX-License-Identifier: GPL-3.0-or-later
#include "numtext/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>

namespace ferrovolt {
namespace {

// Significant digits and decimal exponent of a positive value: value = d1.d2d3... x 10^exponent,
// no trailing zeros.
// A short run of decimal digits kept on the stack: formatting runs for every result shown.
class DigitRun {
public:
    std::size_t size() const { return m_size; }
    char& operator[](std::size_t i) { return m_buffer[i]; }
    char operator[](std::size_t i) const { return m_buffer[i]; }
    char back() const { return m_buffer[m_size - 1]; }
    void push_back(char c) {
        if (m_size < m_buffer.size()) m_buffer[m_size++] = c;
    }
    void append(std::string_view text) {
        const std::size_t n = std::min(text.size(), m_buffer.size() - m_size);
        std::copy_n(text.begin(), n, m_buffer.begin() + static_cast<std::ptrdiff_t>(m_size));
        m_size += n;
    }
    void pop_back() { --m_size; }
    void resize(std::size_t n) { m_size = std::min(n, m_buffer.size()); }
    void prepend(char c) {
        if (m_size == m_buffer.size()) --m_size;
        std::copy_backward(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(m_size),
                           m_buffer.begin() + static_cast<std::ptrdiff_t>(m_size) + 1);
        m_buffer[0] = c;
        ++m_size;
    }
    std::string_view view(std::size_t from = 0, std::size_t count = std::string_view::npos) const {
        return std::string_view(m_buffer.data(), m_size).substr(from, count);
    }

private:
    std::array<char, 48> m_buffer;  // only the first m_size are written
    std::size_t m_size = 0;
};

// A number text being written, kept on the stack: the longest (a negative double in exponent
// form) has 22 characters. Results are made strings once, at their final length.
class NumberText {
public:
    NumberText() = default;
    explicit NumberText(std::string_view text) { *this += text; }
    NumberText& operator+=(char c) {
        if (m_size < m_buffer.size()) m_buffer[m_size++] = c;
        return *this;
    }
    NumberText& operator+=(std::string_view text) {
        const std::size_t n = std::min(text.size(), m_buffer.size() - m_size);
        std::copy_n(text.begin(), n, m_buffer.begin() + static_cast<std::ptrdiff_t>(m_size));
        m_size += n;
        return *this;
    }
    void clear() { m_size = 0; }
    void append(std::size_t count, char c) {
        for (std::size_t i = 0; i < count; ++i) *this += c;
    }
    std::size_t size() const { return m_size; }
    std::string_view view() const { return {m_buffer.data(), m_size}; }
    // For writing in place: the buffer, and the count of its characters written.
    char* data() { return m_buffer.data(); }
    void resize(std::size_t n) { m_size = std::min(n, m_buffer.size()); }
    // The first n characters as a string.
    std::string str(std::size_t n = std::string_view::npos) const {
        return std::string(view().substr(0, n));
    }

private:
    std::array<char, 48> m_buffer;  // only the first m_size are written
    std::size_t m_size = 0;
};

struct Digits {
    DigitRun digits;
    int exponent = 0;  // of the first digit: 1234 -> 3, 0.012 -> -2
};

// Reads std::to_chars' scientific form: a digit, optionally a point and more digits, then "e",
// a sign and the exponent digits.
Digits parseScientific(std::string_view text) {
    Digits out;
    const std::size_t e = std::min(text.find('e'), text.size());
    out.digits.append(text.substr(0, 1));
    if (e > 2) out.digits.append(text.substr(2, e - 2));
    const bool negative = e + 1 < text.size() && text[e + 1] == '-';
    int exponent = 0;
    for (std::size_t i = e + 2; i < text.size(); ++i) exponent = exponent * 10 + (text[i] - '0');
    out.exponent = negative ? -exponent : exponent;
    while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
    return out;
}

// The exact binary value rounded to `precision` significant digits, ties to even; the slow
// but plainly right way (std::to_chars rounds the exact value correctly).
template <typename T>
Digits exactDigits(T magnitude, int precision) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, precision - 1);
    return parseScientific({buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())});
}

// The shortest digits that read back as the same value.
template <typename T>
Digits shortestDigits(T magnitude) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific);
    return parseScientific({buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())});
}

// A decimal, significand x 10^exponent.
struct Decimal {
    std::uint64_t significand = 0;
    int exponent = 0;
};

constexpr std::array<double, 23> kPowersOfTen{
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

constexpr std::array<std::uint64_t, 16> kWholePowersOfTen = [] {
    std::array<std::uint64_t, 16> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) p = std::exchange(power, power * 10);
    return powers;
}();

// The double nearest to a decimal other than 0 whose significand and power of ten are both
// doubles exactly (below 2^53, at most 10^22): one correctly rounded multiplication or
// division gives it. Nothing for any other decimal.
std::optional<double> exactValue(Decimal d) {
    if (d.significand == 0 || d.significand >= (std::uint64_t{1} << 53) || d.exponent < -22 ||
        d.exponent > 22)
        return std::nullopt;
    const auto m = static_cast<double>(d.significand);
    const auto e = static_cast<std::size_t>(d.exponent < 0 ? -d.exponent : d.exponent);
    return d.exponent >= 0 ? m * kPowersOfTen[e] : m / kPowersOfTen[e];
}

// As exactValue in single precision: a significand below 2^24, a power up to 10^10.
std::optional<float> exactSingleValue(Decimal d) {
    if (d.significand == 0 || d.significand >= (std::uint64_t{1} << 24) || d.exponent < -10 ||
        d.exponent > 10)
        return std::nullopt;
    const auto m = static_cast<float>(d.significand);
    const auto p = static_cast<float>(kPowersOfTen[static_cast<std::size_t>(std::abs(d.exponent))]);
    return d.exponent >= 0 ? m * p : m / p;
}

// The decimal of digits; none for more than 19.
Decimal decimalOfDigits(const Digits& d) {
    if (d.digits.size() == 0 || d.digits.size() > 19) return {};
    std::uint64_t m = 0;
    for (std::size_t i = 0; i < d.digits.size(); ++i)
        m = m * 10 + static_cast<std::uint64_t>(d.digits[i] - '0');
    return {m, d.exponent - static_cast<int>(d.digits.size()) + 1};
}

// The decimal of a plain number text as layout writes it, cut or not ("-12.50" is 1250 x
// 10^-2); none for more than 19 digits.
Decimal decimalOfPlainText(std::string_view text) {
    if (!text.empty() && text[0] == '-') text.remove_prefix(1);
    std::uint64_t m = 0;
    int digits = 0;
    int exponent = 0;
    bool point = false;
    for (const char c : text) {
        if (c == '.') {
            point = true;
            continue;
        }
        if (m != 0) ++digits;
        if (digits == 19) return {};
        m = m * 10 + static_cast<std::uint64_t>(c - '0');
        if (point) --exponent;
    }
    return {m, exponent};
}

// "00" to "99", two characters each.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Sets out to the digits of a decimal other than 0, written in place: a copy of digits just
// written a character at a time waits for the characters to be stored.
void digitsOfDecimal(Decimal d, Digits& out) {
    std::array<char, 20> text;  // filled from the end
    std::size_t first = text.size();
    std::uint64_t m = d.significand;
    for (; m >= 100; m /= 100) {
        const auto pair = static_cast<std::size_t>(m % 100) * 2;
        text[--first] = kDigitPairs[pair + 1];
        text[--first] = kDigitPairs[pair];
    }
    if (m >= 10) {
        text[--first] = kDigitPairs[static_cast<std::size_t>(m) * 2 + 1];
        text[--first] = kDigitPairs[static_cast<std::size_t>(m) * 2];
    } else {
        text[--first] = static_cast<char>('0' + m);
    }
    std::size_t end = text.size();
    int exponent = d.exponent;
    while (text[end - 1] == '0') --end, ++exponent;
    out.digits.resize(0);
    out.digits.append({text.data() + first, end - first});
    out.exponent = exponent + static_cast<int>(out.digits.size()) - 1;
}

// The decimal of `places` decimal places (0 to 22) nearest to a magnitude, or near it, where it
// is not 0 and has at most 15 digits: the one the magnitude rounds to, when roundsTo says so.
std::optional<Decimal> onGrid(double magnitude, int places) {
    if (places < 0 || places > 22) return std::nullopt;
    const double scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(places)];
    if (!(scaled >= 1 && scaled < 1e15)) return std::nullopt;
    // Adding 2^52 and taking it away again rounds a value below 2^52 to a whole number.
    return Decimal{static_cast<std::uint64_t>((scaled + 0x1p52) - 0x1p52), -places};
}

// True when a magnitude x rounds to the decimal D of `places` places whose double is r:
// |x - D| <= |x - r| + |r - D|, and |r - D| is at most half of r's spacing, below r 2^-52; the
// sum, computed with a margin for its own rounding, below half the last place leaves D the
// nearest decimal of that many places, and no tie.
bool roundsTo(double magnitude, double r, int places) {
    static constexpr std::array<double, 23> kHalfPlaces{
        5e-1,  5e-2,  5e-3,  5e-4,  5e-5,  5e-6,  5e-7,  5e-8,  5e-9,  5e-10, 5e-11, 5e-12,
        5e-13, 5e-14, 5e-15, 5e-16, 5e-17, 5e-18, 5e-19, 5e-20, 5e-21, 5e-22, 5e-23,
    };
    return std::fabs(magnitude - r) + r * 0x1p-52 <
           kHalfPlaces[static_cast<std::size_t>(places)] * (1 - 0x1p-50);
}

// Writes the digits of m, which has `count` of them, ending just before end.
void writeDigitsBefore(char* end, std::uint64_t m, int count) {
    for (; count >= 2; count -= 2, m /= 100) {
        const auto pair = static_cast<std::size_t>(m % 100) * 2;
        *--end = kDigitPairs[pair + 1];
        *--end = kDigitPairs[pair];
    }
    if (count == 1) *--end = static_cast<char>('0' + m);
}

// The count of digits of m, at least 1.
int digitCount(std::uint64_t m) {
    int count = 1;
    for (; m >= 100; m /= 100) count += 2;
    return m >= 10 ? count + 1 : count;
}

// The eight decimal digits of n below 10^8, leading zeros included, one a byte as numbers 0 to
// 9, the first in the lowest byte: the halves, their pairs and the pairs' digits are split in
// parallel by multiplications that divide exactly in their range.
std::uint64_t eightDigits(std::uint64_t n) {
    const std::uint64_t halves = (n / 10000) | ((n % 10000) << 32);
    const std::uint64_t high = ((halves * 10486) >> 20) & ((0x7FULL << 32) | 0x7FULL);  // / 100
    const std::uint64_t pairs = ((halves - 100 * high) << 16) + high;
    std::uint64_t tens = (pairs * 103) >> 10;  // / 10
    tens &= (0xFULL << 48) | (0xFULL << 32) | (0xFULL << 16) | 0xFULL;
    return tens + ((pairs - 10 * tens) << 8);
}

constexpr std::uint64_t kZeroBytes = 0x3030303030303030;  // "00000000"

// Stores the eight characters of digits, as eightDigits gives them, at p.
void storeDigits(char* p, std::uint64_t digits) {
    const std::uint64_t text = digits + kZeroBytes;
    std::memcpy(p, &text, sizeof text);
}

// Writes a decimal of `places` places (d.exponent is -places), not 0, as layoutInto writes its
// digits at `precision` where that is plain form: the whole part, then, where the places are
// not all 0, the point and the places without their trailing zeros. The decimal's digits are
// not needed. False, with nothing written, where the text would be in exponent form: more
// places than the precision, or a whole part of more digits.
bool layoutDecimal(NumberText& out, bool negative, Decimal d, int precision) {
    const int places = -d.exponent;
    if (places < 0 || places > precision || places > 15) return false;
    const std::uint64_t scale = kWholePowersOfTen[static_cast<std::size_t>(places)];
    const std::uint64_t whole = d.significand / scale;
    const std::uint64_t fraction = d.significand % scale;
    // Eight digits at a time where they fit; the characters are those of a little-endian word.
    constexpr bool kWords = std::endian::native == std::endian::little;
    constexpr std::uint64_t kEightDigits = 100000000;
    char* p = out.data();
    if (negative) *p++ = '-';
    if (whole < 10) {
        *p++ = static_cast<char>('0' + whole);
    } else if (kWords && whole < kEightDigits) {
        const std::uint64_t digits = eightDigits(whole);
        const int leadingZeros = std::min(std::countr_zero(digits) / 8, 7);
        if (8 - leadingZeros > precision) return false;
        storeDigits(p, digits >> (8 * leadingZeros));
        p += 8 - leadingZeros;
    } else {
        const int wholeDigits = digitCount(whole);
        if (wholeDigits > precision) return false;
        p += wholeDigits;
        writeDigitsBefore(p, whole, wholeDigits);
    }
    if (fraction != 0) {
        *p++ = '.';
        if (places == 1) {
            *p++ = static_cast<char>('0' + fraction);
        } else if (kWords && places <= 8) {
            // The places are the last of the eight digits; the trailing zeros of the text are
            // the highest bytes of 0 left.
            const std::uint64_t digits = eightDigits(fraction) >> (8 * (8 - places));
            storeDigits(p, digits);
            p += 8 - std::countl_zero(digits) / 8;
        } else {
            p += places;
            writeDigitsBefore(p, fraction, places);
            while (p[-1] == '0') --p;
        }
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
    return true;
}

// Keeps the first `keep` digits (keep >= 1), rounding half up on the remaining ones; the caller
// has ruled out an exact tie.
void roundDigits(Digits& d, std::size_t keep, bool roundUp) {
    d.digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
        if (i == 0) {
            d.digits.prepend('1');
            ++d.exponent;
        } else {
            ++d.digits[i - 1];
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
}

// The value rounded to `precision` significant digits, ties to even on the exact value.
// Fast path: the shortest round-trip digits round the same way as the exact value unless they
// end exactly on a tie one digit past the precision. When the shortest text is longer than
// that, no decimal of precision + 1 digits lies in the value's rounding interval, so the value
// and its shortest digits sit on the same side of every rounding midpoint; when it is exactly
// precision + 1 digits long, it is the nearest of its length, which again keeps both on one side
// unless it is the midpoint itself.
template <typename T>
Digits significantDigitsOf(T magnitude, Digits d, int precision);

// std::ilogb of a normal value, read from its bits.
template <typename T>
int binaryExponent(T normal) {
    if constexpr (sizeof(T) == sizeof(float))
        return static_cast<int>((std::bit_cast<std::uint32_t>(normal) >> 23) & 0xFF) - 127;
    else
        return static_cast<int>((std::bit_cast<std::uint64_t>(normal) >> 52) & 0x7FF) - 1023;
}

// True when shortest digits d of a normal magnitude, at most `precision` of them, are also the
// magnitude rounded to that precision. Short digits are the rounded value only where the
// value's spacing is finer than the last kept digit; a float near the top of a decade can be
// coarser (8.811381E+37). Shortest digits "1" may stand for a value just below that power of
// ten, whose last kept digit is one decade finer (the float nearest 1E+28 is 9.999999E+27).
// `exponent` is that of the first digit; `powerOfTen`, the digits are "1".
template <typename T>
bool shortDigitsStandAt(T magnitude, int exponent, bool powerOfTen, int precision) {
    const int lastKept = exponent - precision + 1 - (powerOfTen ? 1 : 0);
    // Compared as powers of two: spacing 2^s against 10^lastKept; the two never meet.
    const int spacingPower = binaryExponent(magnitude) - std::numeric_limits<T>::digits + 1;
    constexpr double kLog2Of10 = 3.321928094887362;
    return spacingPower <= lastKept * kLog2Of10;
}

template <typename T>
bool shortDigitsStand(T magnitude, const Digits& d, int precision) {
    return shortDigitsStandAt(magnitude, d.exponent, d.digits.size() == 1 && d.digits[0] == '1',
                              precision);
}

template <typename T>
Digits significantDigits(T magnitude, int precision) {
    // Subnormals carry fewer bits than the precision asks for: the reasoning does not hold.
    if (magnitude < std::numeric_limits<T>::min()) return exactDigits(magnitude, precision);
    return significantDigitsOf(magnitude, shortestDigits(magnitude), precision);
}

// As significantDigits, with the shortest digits d of a normal magnitude already at hand.
template <typename T>
Digits significantDigitsOf(T magnitude, Digits d, int precision) {
    const auto p = static_cast<std::size_t>(precision);
    if (d.digits.size() <= p) {
        if (!shortDigitsStand(magnitude, d, precision)) return exactDigits(magnitude, precision);
        return d;
    }
    if (d.digits.size() == p + 1 && d.digits[p] == '5') return exactDigits(magnitude, precision);
    roundDigits(d, p, d.digits[p] >= '5');
    return d;
}

// Appends digits in exponent form: the first digit, a point and the others when there are
// any, "E", a sign and at least two exponent digits.
void appendExponentForm(NumberText& out, const Digits& d) {
    out += d.digits[0];
    if (d.digits.size() > 1) {
        out += '.';
        out += d.digits.view(1);
    }
    const int e = d.exponent;
    out += 'E';
    out += e < 0 ? '-' : '+';
    const int magnitude = e < 0 ? -e : e;
    if (magnitude < 10) out += '0';
    std::array<char, 8> exponentDigits{};
    const auto written = std::to_chars(exponentDigits.data(),
                                       exponentDigits.data() + exponentDigits.size(), magnitude);
    out += std::string_view(exponentDigits.data(),
                            static_cast<std::size_t>(written.ptr - exponentDigits.data()));
}

// Writes rounded digits in plain form when they fit `precision` places, else in exponent form.
void layoutInto(NumberText& out, bool negative, const Digits& d, int precision) {
    out.clear();
    if (negative) out += '-';
    const int count = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    const bool plain = e >= 0 ? e + 1 <= precision : (-e - 1) + count <= precision;
    if (plain) {
        if (e >= 0) {
            if (count <= e + 1) {
                out += d.digits.view();
                out.append(static_cast<std::size_t>(e + 1 - count), '0');
            } else {
                out += d.digits.view(0, static_cast<std::size_t>(e + 1));
                out += '.';
                out += d.digits.view(static_cast<std::size_t>(e + 1));
            }
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-e - 1), '0');
            out += d.digits.view();
        }
        return;
    }
    appendExponentForm(out, d);
}

NumberText layout(bool negative, const Digits& d, int precision) {
    NumberText out;
    layoutInto(out, negative, d, precision);
    return out;
}

template <typename T>
NumberText format(T value, int precision, bool exact) {
    if (std::isnan(value)) return NumberText("NaN");
    if (std::isinf(value)) return NumberText(value < 0 ? "-Infinity" : "Infinity");
    if (value == 0) return NumberText("0");
    const T magnitude = std::fabs(value);
    return layout(
        value < 0,
        exact ? exactDigits(magnitude, precision) : significantDigits(magnitude, precision),
        precision);
}

// The number text of value cut to n characters. A text that keeps its exponent and every
// digit before the point is cut as it stands; otherwise the first characters would show a
// number orders of magnitude off, so the value is written in exponent form, rounded to as
// many significant digits as fit n (one at least, even where that is longer).
// True when the number text of a finite value keeps its magnitude cut to n characters.
bool cutsAsWritten(std::string_view text, std::size_t n) {
    if (text.size() <= n) return true;
    const std::size_t point = text.find('.');
    return text.find('E') == std::string_view::npos && point != std::string_view::npos &&
           point <= n;
}

template <typename T>
std::string cutNumber(T value, int precision, std::size_t n) {
    const NumberText text = format(value, precision, false);
    if (!std::isfinite(value) || cutsAsWritten(text.view(), n)) return text.str(n);
    for (int digits = precision;; --digits) {
        NumberText out;
        if (value < 0) out += '-';
        appendExponentForm(out, exactDigits(std::fabs(value), digits));
        if (out.size() <= n || digits == 1) return out.str();
    }
}

template <typename T>
T exactRoundTo(T value, int decimals) {
    // The decimal text rounded on the exact value, read back straight to the same precision.
    std::array<char, 400> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    if (written.ec != std::errc{}) return value;
    T out{};
    std::from_chars(buffer.data(), written.ptr, out, std::chars_format::fixed);
    return out;
}

// Rounds to `decimals` places by the same reasoning as significantDigits: the shortest digits
// decide unless they end exactly on the tie.
template <typename T>
T roundTo(T value, int decimals) {
    if (!std::isfinite(value) || value == 0) return value;
    // To whole numbers the floating-point unit itself rounds the exact value, halves to even.
    if (decimals == 0) return std::nearbyint(value);
    if (std::fabs(value) < std::numeric_limits<T>::min()) return exactRoundTo(value, decimals);
    const bool negative = value < 0;
    Digits d = shortestDigits(negative ? -value : value);
    const long fraction = static_cast<long>(d.digits.size()) - 1 - d.exponent;
    if (fraction <= decimals) return value;
    const long keep = d.exponent + 1 + decimals;
    if (keep < 0) return negative ? -T{0} : T{0};
    const auto k = static_cast<std::size_t>(keep);
    if (d.digits.size() == k + 1 && d.digits[k] == '5') return exactRoundTo(value, decimals);
    const bool roundUp = d.digits[k] >= '5';
    if (k == 0) {
        if (!roundUp) return negative ? -T{0} : T{0};
        d.digits.resize(0);
        d.digits.push_back('1');
        d.exponent = -decimals;
    } else {
        roundDigits(d, k, roundUp);
    }
    std::array<char, 80> text{};
    char* end = text.data();
    if (negative) *end++ = '-';
    const std::string_view digits = d.digits.view();
    end = std::copy(digits.begin(), digits.end(), end);
    *end++ = 'e';
    end = std::to_chars(end, text.data() + text.size(),
                        d.exponent - static_cast<int>(digits.size()) + 1)
              .ptr;
    T out{};
    std::from_chars(text.data(), end, out, std::chars_format::scientific);
    return out;
}

// A number text with the digits it was laid out from.
struct Written {
    NumberText text;
    Digits digits;         // where laid out from digits
    bool laidOut = false;  // written from digits or a decimal, not another way
    bool own = false;      // the digits are the value's shortest: the text reads back as the value
    double read = 0;       // where not 0, the magnitude the digits read back as
};

bool sameDigits(const Digits& a, const Digits& b) {
    return a.exponent == b.exponent && a.digits.view() == b.digits.view();
}

// formatDouble(roundDouble(value, decimals)) from one set of shortest digits: when the rounded
// digits are at most 15, they are the shortest digits of the rounded double as well (two
// decimals of 15 significant digits never share a double) and at 15 digits a double's spacing
// is always finer than the last digit, so they are written as they stand. Ties, results of 0
// and longer digits take the two steps. `onGridFirst`: the decimal of that many places nearest
// to the value is tried first; where the value rounds to it, it is the result's digits, found
// without the value's shortest digits.
Written formatRounded(double value, int decimals, bool onGridFirst = false) {
    constexpr int kPrecision = 15;
    const double magnitude = std::fabs(value);
    Written w;  // every return returns w, so that it is made in place
    const auto twoSteps = [&] {
        w.laidOut = false;
        w.text = format(roundDouble(value, decimals), 15, false);
    };
    if (!std::isfinite(value) || magnitude < std::numeric_limits<double>::min()) {
        twoSteps();
        return w;
    }
    w.laidOut = true;
    if (onGridFirst) {
        const std::optional<Decimal> grid = onGrid(magnitude, decimals);
        const std::optional<double> r = grid ? exactValue(*grid) : std::nullopt;
        if (r && roundsTo(magnitude, *r, decimals)) {
            w.own = *r == magnitude;
            w.read = *r;
            if (!layoutDecimal(w.text, value < 0, *grid, kPrecision)) {
                digitsOfDecimal(*grid, w.digits);
                layoutInto(w.text, value < 0, w.digits, kPrecision);
            }
            return w;
        }
    }
    Digits d = shortestDigits(magnitude);
    const long fraction = static_cast<long>(d.digits.size()) - 1 - d.exponent;
    if (fraction <= decimals) {
        w.digits = significantDigitsOf(magnitude, d, kPrecision);
        w.own = sameDigits(w.digits, d);
    } else {
        const long keep = d.exponent + 1 + decimals;
        const auto k = static_cast<std::size_t>(keep);
        if (keep <= 0 || keep > kPrecision || (d.digits.size() == k + 1 && d.digits[k] == '5')) {
            twoSteps();
            return w;
        }
        roundDigits(d, k, d.digits[k] >= '5');
        if (d.digits.size() > static_cast<std::size_t>(kPrecision)) {
            twoSteps();
            return w;
        }
        w.digits = d;
    }
    layoutInto(w.text, value < 0, w.digits, kPrecision);
    return w;
}

// format(value, 15), with the digits written; the decimal of `places` places nearest to the
// value is tried first as its shortest digits, which it is where it is exactly the value (no
// two decimals of at most 15 digits are the same double).
Written formatWritten(double value, int places) {
    const double magnitude = std::fabs(value);
    Written w;
    if (!std::isfinite(value) || magnitude < std::numeric_limits<double>::min()) {
        w.text = format(value, 15, false);
        return w;
    }
    w.laidOut = true;
    const std::optional<Decimal> grid = onGrid(magnitude, places);
    const std::optional<double> r = grid ? exactValue(*grid) : std::nullopt;
    if (r && *r == magnitude) {
        // At most 15 digits: at 15, a double's spacing is finer than the last digit.
        w.own = true;
        if (layoutDecimal(w.text, value < 0, *grid, 15)) return w;
        digitsOfDecimal(*grid, w.digits);
    } else {
        const Digits d = shortestDigits(magnitude);
        w.digits = significantDigitsOf(magnitude, d, 15);
        w.own = sameDigits(w.digits, d);
    }
    layoutInto(w.text, value < 0, w.digits, 15);
    return w;
}

// The written text cut to width, with the value it reads back as: the value itself where the
// text holds all its shortest digits, else the decimal the text shows where that converts
// exactly, else the text read back.
double shownOf(double value, const Written& w, std::size_t width, std::string& text) {
    const std::string_view written = w.text.view();
    const bool cut = width < written.size();
    const std::string_view shown = cut ? written.substr(0, width) : written;
    text.assign(shown.data(), shown.size());
    if (w.laidOut) {
        if (w.own && !cut) return value;
        const std::optional<double> v =
            !cut && w.read != 0
                ? w.read
                : exactValue(cut ? decimalOfPlainText(shown) : decimalOfDigits(w.digits));
        if (v) return value < 0 ? -*v : *v;
    }
    return readBackDouble(shown);
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
        // Any exponent past this is far out of range either way; held below it, adding the
        // position of the leading digit cannot overflow (an exponent just under the largest
        // long did: 10E+9223372036854775807).
        constexpr long kFar = 1L << 60;
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec !=
                std::errc{} ||
            exponent > kFar)
            exponent = kFar;
        if (negative) exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return -100000;
    const long position =
        first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    return position + exponent;
}

// Reads a syntactically valid number text; nothing when it is beyond the range of T.
template <typename T>
std::optional<T> parse(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    T value{};
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for the type rounds to zero; too large is no value of the type.
        if (leadingDigitPower(text) < 0) return negative ? -T{0} : T{0};
        return std::nullopt;
    }
    if (result.ec != std::errc{}) return std::nullopt;
    return negative ? -value : value;
}

// A plain decimal text of few digits read in one step: an optional sign, digits and at most one
// point, with no more than 19 digit characters. Where the digits make a significand below 2^p
// (p the type's precision) and the places a power of ten that is a value of T exactly (10^22
// for double, 10^10 for single), one correctly rounded division or multiplication of the two
// gives the value nearest to the decimal, which is what the general reading gives. Nothing for
// any other text, which that reading takes.
template <typename T>
std::optional<T> readShortDecimal(std::string_view text) {
    constexpr std::uint64_t kLimit = std::uint64_t{1} << std::numeric_limits<T>::digits;
    constexpr int kMostPlaces = sizeof(T) == sizeof(float) ? 10 : 22;
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    if (text.size() - i > 19) return std::nullopt;
    std::uint64_t m = 0;
    int digits = 0;
    int places = -1;  // none until the point
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            m = m * 10 + static_cast<std::uint64_t>(c - '0');
            ++digits;
            if (places >= 0) ++places;
        } else if (c == '.' && places < 0) {
            places = 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || m >= kLimit || places > kMostPlaces) return std::nullopt;
    const auto significand = static_cast<T>(m);
    const T value =
        places > 0 ? significand / static_cast<T>(kPowersOfTen[static_cast<std::size_t>(places)])
                   : significand;
    return negative ? -value : value;
}

}  // namespace

std::string formatSingle(float value) {
    return format(value, 7, false).str();
}
std::string formatDouble(double value) {
    return format(value, 15, false).str();
}

float roundSingle(float value, int decimals) {
    return roundTo(value, decimals);
}
double roundDouble(double value, int decimals) {
    return roundTo(value, decimals);
}

std::string formatRoundedDouble(double value, int decimals) {
    return formatRounded(value, decimals).text.str();
}

std::string cutRoundedDouble(double value, int decimals, std::size_t n) {
    const NumberText text = formatRounded(value, decimals).text;
    if (std::isfinite(value) && !cutsAsWritten(text.view(), n))
        return cutDouble(roundDouble(value, decimals), n);
    return text.str(n);
}

std::string cut(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, n));
}

std::string cutSingle(float value, std::size_t n) {
    return cutNumber(value, 7, n);
}
std::string cutDouble(double value, std::size_t n) {
    return cutNumber(value, 15, n);
}

bool isNumber(std::string_view text) {
    return !text.empty() && numberPrefix(text, false) == text.size();
}

std::optional<double> readDouble(std::string_view text) {
    if (const std::optional<double> value = readShortDecimal<double>(text)) return value;
    if (!isNumber(text)) return std::nullopt;
    return parse<double>(text);
}

std::optional<float> readSingle(std::string_view text) {
    if (const std::optional<float> value = readShortDecimal<float>(text)) return value;
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

double showRoundedDouble(std::string& text, double value, int decimals, std::size_t width) {
    // Most often the value rounds to the decimal of that many places nearest to it, whose text
    // is its plain form, not cut: formatRounded's first path, without its other paths' fields.
    const double magnitude = std::fabs(value);
    if (magnitude >= std::numeric_limits<double>::min() && std::isfinite(value)) {
        const std::optional<Decimal> grid = onGrid(magnitude, decimals);
        const std::optional<double> r = grid ? exactValue(*grid) : std::nullopt;
        NumberText shown;
        if (r && roundsTo(magnitude, *r, decimals) && layoutDecimal(shown, value < 0, *grid, 15) &&
            shown.size() <= width) {
            text.assign(shown.data(), shown.size());
            return *r == magnitude ? value : std::copysign(*r, value);
        }
    }
    const Written w = formatRounded(value, decimals, true);
    if (std::isfinite(value) && !cutsAsWritten(w.text.view(), width)) {
        text = cutDouble(roundDouble(value, decimals), width);
        return readBackDouble(text);
    }
    return shownOf(value, w, width, text);
}

double showDouble(std::string& text, double value, std::size_t width, int places) {
    const Written w = formatWritten(value, places);
    if (std::isfinite(value) && !cutsAsWritten(w.text.view(), width)) {
        text = cutDouble(value, width);
        return readBackDouble(text);
    }
    return shownOf(value, w, width, text);
}

// Where the value rounds to the decimal D of that many places nearest to it, roundSingle gives
// D's nearest single, and D, of at most 6 digits, is its shortest (no two such decimals are the
// same single): neither the value's shortest digits nor the rounded single's are needed. Any
// other value takes the two steps.
double showRoundedSingle(std::string& text, float value, int decimals) {
    constexpr int kPrecision = 7;
    const float magnitude = std::fabs(value);
    if (std::isfinite(value) && magnitude >= std::numeric_limits<float>::min()) {
        const std::optional<Decimal> grid = onGrid(static_cast<double>(magnitude), decimals);
        const std::optional<double> r = grid ? exactValue(*grid) : std::nullopt;
        if (r && roundsTo(static_cast<double>(magnitude), *r, decimals)) {
            // D's digits: its significand without trailing zeros.
            Decimal digits = *grid;
            while (digits.significand % 10 == 0) digits.significand /= 10, ++digits.exponent;
            const int count = digitCount(digits.significand);
            const std::optional<float> rounded = exactSingleValue(digits);
            if (count <= 6 && rounded && *rounded >= std::numeric_limits<float>::min()) {
                Written w;
                w.laidOut = true;
                if (shortDigitsStandAt(*rounded, digits.exponent + count - 1,
                                       digits.significand == 1, kPrecision)) {
                    w.read = *r;
                    if (!layoutDecimal(w.text, value < 0, *grid, kPrecision)) {
                        digitsOfDecimal(*grid, w.digits);
                        layoutInto(w.text, value < 0, w.digits, kPrecision);
                    }
                } else {
                    w.digits = exactDigits(*rounded, kPrecision);
                    layoutInto(w.text, value < 0, w.digits, kPrecision);
                }
                // The text shows a single's digits: its value is theirs, not the single's.
                return shownOf(static_cast<double>(value), w, std::string_view::npos, text);
            }
        }
    }
    text = formatSingle(roundSingle(value, decimals));
    return readBackDouble(text);
}

ShownNumber showRoundedDouble(double value, int decimals, std::size_t width) {
    ShownNumber out;
    out.value = showRoundedDouble(out.text, value, decimals, width);
    return out;
}

ShownNumber showDouble(double value, std::size_t width, int places) {
    ShownNumber out;
    out.value = showDouble(out.text, value, width, places);
    return out;
}

ShownNumber showRoundedSingle(float value, int decimals) {
    ShownNumber out;
    out.value = showRoundedSingle(out.text, value, decimals);
    return out;
}

namespace reference {

std::string formatSingle(float value) {
    return format(value, 7, true).str();
}
std::string formatDouble(double value) {
    return format(value, 15, true).str();
}
float roundSingle(float value, int decimals) {
    return std::isfinite(value) ? exactRoundTo(value, decimals) : value;
}
double roundDouble(double value, int decimals) {
    return std::isfinite(value) ? exactRoundTo(value, decimals) : value;
}

}  // namespace reference
}  // namespace ferrovolt
