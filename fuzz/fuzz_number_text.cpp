// SPDX-License-Identifier: GPL-3.0-or-later
// Number text: reading texts back and writing values, judged against the C library's
// correctly rounded conversions (strtod, strtof, printf) in the C locale, while the process
// runs under a German locale to show that nothing here follows it.

#include <locale.h>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "numtext/number_text.h"
#include "result_forms.h"

namespace {

using namespace ferrovolt;
using fuzz::require;

locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

// printf in the C locale, whatever the process's locale is.
template <typename... Args>
void printC(char* buffer, std::size_t size, const char* format, Args... args) {
    const locale_t previous = uselocale(cLocale());
    std::snprintf(buffer, size, format, args...);
    uselocale(previous);
}

template <typename T>
bool sameValue(T a, T b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

// strtod or strtof in the C locale; nothing when the value is beyond the type's range.
template <typename T>
std::optional<T> libraryRead(const std::string& text) {
    errno = 0;
    T value;
    if constexpr (sizeof(T) == sizeof(float))
        value = strtof_l(text.c_str(), nullptr, cLocale());
    else
        value = strtod_l(text.c_str(), nullptr, cLocale());
    if (errno == ERANGE && std::isinf(value)) return std::nullopt;
    return value;
}

// True when the C library would read text from a decimal digit or point on, as ours does:
// no leading blanks, no "inf" or "nan", no hexadecimal "0x".
bool libraryReadsLikeUs(std::string_view text) {
    std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (i >= text.size()) return false;
    const char c = text[i];
    if (c == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X')) return false;
    return c == '.' || (c >= '0' && c <= '9');
}

template <typename T>
void checkReading(std::string_view text, std::optional<T> strict, T back) {
    const std::string copy(text);
    // Strict reading accepts exactly the number texts (within range).
    if (strict) require(isNumber(text), "strict reading took a text that is not a number", copy);
    if (isNumber(text)) {
        const std::optional<T> expected = libraryRead<T>(copy);
        require(strict.has_value() == expected.has_value(), "strict reading range differs", copy);
        if (strict)
            require(sameValue(*strict, *expected), "strict reading is not correctly rounded", copy);
    }
    // Reading back takes the longest leading number, exponent included; 0 when none.
    const std::size_t embeddedNul = copy.find('\0');
    const std::string upToNul = copy.substr(0, embeddedNul);
    if (libraryReadsLikeUs(upToNul)) {
        const std::optional<T> expected = libraryRead<T>(upToNul);
        require(sameValue(back, expected.value_or(T{0})), "reading back differs from strtod", copy);
    } else if (!libraryReadsLikeUs(copy)) {
        require(back == 0, "reading back found a number where none starts", copy);
    }
}

// The digits and decimal exponent printf gives at `digits` significant digits, trailing
// zeros removed: the independent reference for our writing.
std::string printfDigits(double value, int digits, int& exponent) {
    char buffer[64];
    printC(buffer, sizeof buffer, "%.*e", digits - 1, std::fabs(value));
    std::string out;
    const char* p = buffer;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') out.push_back(*p);
    exponent = std::atoi(p + 1);
    while (out.size() > 1 && out.back() == '0') out.pop_back();
    return out;
}

// Significant digits and exponent of one of our number texts.
std::string ourDigits(std::string_view text, int& exponent) {
    if (!text.empty() && text[0] == '-') text.remove_prefix(1);
    const std::size_t e = text.find('E');
    std::string all;
    int pointAt = -1;
    for (char c : text.substr(0, e)) {
        if (c == '.')
            pointAt = static_cast<int>(all.size());
        else
            all.push_back(c);
    }
    if (pointAt < 0) pointAt = static_cast<int>(all.size());
    const std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos) return "0";
    exponent = pointAt - static_cast<int>(first) - 1;
    if (e != std::string_view::npos) exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    std::string digits = all.substr(first);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return digits;
}

template <typename T>
void checkWriting(T value) {
    if (!std::isfinite(value)) return;
    constexpr bool single = sizeof(T) == sizeof(float);
    constexpr int digits = single ? testing::kSingleDigits : testing::kDoubleDigits;
    const std::string text = single ? formatSingle(value) : formatDouble(value);
    require(testing::isNumberText(text, digits), "written text is out of form", text);
    int ours = 0;
    int theirs = 0;
    if (value != 0) {
        const std::string d = ourDigits(text, ours);
        const std::string reference = printfDigits(static_cast<double>(value), digits, theirs);
        require(d == reference && ours == theirs, "written digits differ from printf",
                text + " against " + reference + "E" + std::to_string(theirs));
    }
    // Above 1.797693134862315E+308 the 15-digit text rounds past the largest double and
    // reads back as no value; no result comes near (the large ones are cut or bounded).
    if (!single && std::fabs(static_cast<double>(value)) > 1.797693134862315e308) return;
    // Read back at the same precision and written again, a text stays the same.
    const T again =
        single ? static_cast<T>(readBackSingle(text)) : static_cast<T>(readBackDouble(text));
    const std::string twice =
        single ? formatSingle(static_cast<float>(again)) : formatDouble(static_cast<double>(again));
    // A single written as a power of ten reads back as the float nearest it, which may lie
    // below, in the decade whose 7th digit is finer: 1E+28 reads back as 9.999999E+27.
    const bool decadeBelow = single && value != 0 && ourDigits(text, ours) == "1" &&
                             ourDigits(twice, theirs) == "9999999" && theirs == ours - 1;
    require(twice == text || decadeBelow, "round trip changed the text", text + " -> " + twice);
    if (text.find('E') == std::string::npos) {
        const auto strict = single ? std::optional<double>(readSingle(text)) : readDouble(text);
        require(strict && *strict == static_cast<double>(again), "plain text not read strictly",
                text);
    }
}

template <typename T>
void checkRounding(T value, int decimals) {
    if (!std::isfinite(value)) return;
    constexpr bool single = sizeof(T) == sizeof(float);
    const T rounded = single ? static_cast<T>(roundSingle(static_cast<float>(value), decimals))
                             : static_cast<T>(roundDouble(static_cast<double>(value), decimals));
    // printf rounds the exact binary value half to even; the reading is correctly rounded.
    char buffer[400];
    printC(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
    const std::optional<T> expected = libraryRead<T>(buffer);
    require(expected && (sameValue(rounded, *expected) || (rounded == 0 && *expected == 0)),
            "rounding differs from printf", buffer);
    const T again = single ? static_cast<T>(roundSingle(static_cast<float>(rounded), decimals))
                           : static_cast<T>(roundDouble(static_cast<double>(rounded), decimals));
    require(sameValue(again, rounded), "rounding twice moved the value", buffer);
    // The shown forms give the same texts, with the values those texts read back as.
    const auto shows = [](const ShownNumber& shown, const std::string& text) {
        return shown.text == text && sameValue(shown.value, readBackDouble(text));
    };
    if constexpr (single) {
        require(shows(showRoundedSingle(value, decimals), formatSingle(rounded)),
                "shown rounded single differs from its text read back", buffer);
    } else {
        require(formatRoundedDouble(value, decimals) == formatDouble(rounded),
                "rounded text differs from the text of the rounded value", buffer);
        for (std::size_t width : {std::size_t{7}, std::size_t{12}, std::string::npos}) {
            if (width != std::string::npos)
                require(cutRoundedDouble(value, decimals, width) == cutDouble(rounded, width),
                        "cut rounded text differs from the cut of the rounded value", buffer);
            require(shows(showRoundedDouble(value, decimals, width),
                          cutRoundedDouble(value, decimals, width)),
                    "shown rounded double differs from its text read back", buffer);
            require(shows(showDouble(value, width, decimals), cutDouble(value, width)),
                    "shown double differs from its text read back", buffer);
        }
    }
}

// Length of our exponent text of these digits: sign, mantissa (a point after the first of
// several), "E", sign and at least two exponent digits.
std::size_t exponentTextLength(bool negative, const std::string& digits, int exponent) {
    const std::size_t mantissa = digits.size() > 1 ? digits.size() + 1 : 1;
    return (negative ? 1 : 0) + mantissa + 2 + (std::abs(exponent) >= 100 ? 3 : 2);
}

// A cut never changes the magnitude: a text that keeps its exponent and its digits before
// the point is cut as it stands; any other is written in exponent form with printf's digits
// at the most significant digits that fit the width (one at least).
template <typename T>
void checkCut(T value, std::size_t width) {
    if (!std::isfinite(value)) return;
    constexpr bool single = sizeof(T) == sizeof(float);
    constexpr int precision = single ? testing::kSingleDigits : testing::kDoubleDigits;
    const std::string text = single ? formatSingle(value) : formatDouble(value);
    const std::string shown = single ? cutSingle(value, width) : cutDouble(value, width);
    const std::size_t point = text.find('.');
    if (text.size() <= width ||
        (text.find('E') == std::string::npos && point != std::string::npos && point <= width)) {
        require(shown == cut(text, width),
                "a cut keeping the magnitude is not the first characters", text + " -> " + shown);
        return;
    }
    require(shown.find('E') != std::string::npos,
            "a cut dropped the exponent or digits before the point", text + " -> " + shown);
    int reference = 0;
    std::string digits;
    for (int used = precision; used >= 1; --used) {
        digits = printfDigits(static_cast<double>(value), used, reference);
        if (exponentTextLength(value < 0, digits, reference) <= width) break;
    }
    int ours = 0;
    require(ourDigits(shown, ours) == digits && ours == reference,
            "a cut exponent text differs from printf at the digits that fit",
            text + " -> " + shown + " against " + digits + "E" + std::to_string(reference));
    require(shown.size() <= width || digits.size() == 1, "a cut exponent text is too wide", shown);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> d = readDouble(text);
    const std::optional<float> f = readSingle(text);
    const double backD = readBackDouble(text);
    const float backF = readBackSingle(text);
    checkReading(text, d, backD);
    checkReading(text, f, backF);
    require(sameValue(readBackDouble(text), backD), "reading twice differs", std::string(text));

    checkWriting(backD);
    checkWriting(backF);
    // The raw bits of the input as values reach what no decimal text of ours spells out.
    double bitsD = 0;
    float bitsF = 0;
    if (size >= sizeof bitsD) std::memcpy(&bitsD, data, sizeof bitsD);
    if (size >= sizeof bitsF) std::memcpy(&bitsF, data + size - sizeof bitsF, sizeof bitsF);
    checkWriting(bitsD);
    checkWriting(bitsF);

    // The widths results are cut to.
    for (const std::size_t width : {7, 8, 12}) {
        checkCut(backD, width);
        checkCut(backF, width);
        checkCut(bitsD, width);
        checkCut(bitsF, width);
    }

    const int decimals = size > 0 ? data[0] % 16 : 0;
    checkRounding(backD, decimals);
    checkRounding(backF, decimals);
    checkRounding(bitsD, decimals);
    checkRounding(bitsF, decimals);
    return 0;
}
