// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_forms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "tables/lists.h"

namespace ferrovolt::testing {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A text split along the grammar sign, whole digits, point, fraction, E, sign, exponent.
struct Parts {
    bool negative = false;
    std::string_view whole, fraction, exponentDigits;
    bool point = false;
    bool exponent = false;
    char exponentSign = 0;
};

std::string_view digitsFrom(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    return text.substr(start, i - start);
}

// False when a character stands where the grammar has no place for it.
bool split(std::string_view text, Parts& p) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') p.negative = true, ++i;
    p.whole = digitsFrom(text, i);
    if (i < text.size() && text[i] == '.') {
        p.point = true;
        ++i;
        p.fraction = digitsFrom(text, i);
    }
    if (i < text.size() && text[i] == 'E') {
        p.exponent = true;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) p.exponentSign = text[i++];
        p.exponentDigits = digitsFrom(text, i);
        if (p.exponentSign == 0 && !p.exponentDigits.empty()) return false;
    }
    return i == text.size();
}

// The exponent as written: sign and at least two digits.
std::string exponentText(int e) {
    const int magnitude = std::abs(e);
    return std::string(1, e < 0 ? '-' : '+') + (magnitude < 10 ? "0" : "") +
           std::to_string(magnitude);
}

// The decimal exponents a value of the precision can have: denormals to the largest value.
int lowestExponent(int digits) {
    return digits == kSingleDigits ? -45 : -324;
}
int highestExponent(int digits) {
    return digits == kSingleDigits ? 38 : 308;
}

bool exponentFits(const Parts& p, int digits, bool complete) {
    const int count = 1 + static_cast<int>(p.fraction.size());
    std::string given;
    if (p.exponentSign != 0) given = std::string(1, p.exponentSign) + std::string(p.exponentDigits);
    for (int e = lowestExponent(digits); e <= highestExponent(digits); ++e) {
        // Exponent form only where the plain form would need more than `digits` places.
        const bool needed = e >= 0 ? e + 1 > digits : (-e - 1) + count > digits;
        if (!needed) continue;
        const std::string written = exponentText(e);
        if (complete ? written == given : written.compare(0, given.size(), given) == 0) return true;
    }
    return false;
}

bool numberText(std::string_view text, int digits, bool complete) {
    Parts p;
    if (!split(text, p)) return false;
    const auto k = static_cast<int>(p.whole.size());
    const auto f = static_cast<int>(p.fraction.size());
    const bool fractionEnds = f > 0 && p.fraction.back() != '0';
    if (k == 0) return !complete && !p.point && !p.exponent;  // "" or "-" so far
    if (p.exponent) {
        if (k != 1 || p.whole[0] == '0') return false;
        if (p.point && (!fractionEnds || 1 + f > digits)) return false;
        return exponentFits(p, digits, complete);
    }
    if (p.whole[0] == '0') {
        if (k != 1) return false;
        if (!p.point) return !complete || !p.negative;  // "0", never "-0"
        if (f > digits) return false;
        return complete ? fractionEnds : (f < digits || fractionEnds);
    }
    if (k > digits) return false;
    if (!p.point) return true;
    if (k + f > digits) return false;
    return complete ? fractionEnds : (k + f < digits || fractionEnds);
}

// The 46 gauge labels.
bool isGaugeLabel(std::string_view text) {
    static const std::vector<std::string> labels = gaugeListTexts();
    return std::find(labels.begin(), labels.end(), text) != labels.end();
}

// Kcmil sizes as the sizing tab names them. 250 and 300 kcmil are thinner than gauge 6/0
// and so are never the smallest conductor above a requirement that 6/0 cannot meet.
constexpr std::array<std::string_view, 13> kKcmilResults{
    "350 Kcmils",  "400 Kcmils",  "500 Kcmils", "600 Kcmils",  "700 Kcmils",
    "750 Kcmils",  "800 Kcmils",  "900 Kcmils", "1000 Kcmils", "1250 Kcmils",
    "1500 Kcmils", "1750 Kcmils", "2000 Kcmils"};

// Nominal metric sizes as shown. The "0.0" row lies between 50 and 70 and the search from
// the first row never reaches it, so it is missing here on purpose.
constexpr std::array<std::string_view, 21> kNominalMetric{
    "1.0",     "2.5",     "4.0",     "6.0",     "10.0",    "16.0",    "25.0",
    "50.0",    "70.0",    "95.0",    "120.0",   "150.0",   "185.0",   "240.0",
    "2*150.0", "2*185.0", "2*240.0", "2*300.0", "3*240.0", "4*240.0", "8*150"};

constexpr std::string_view kNotAvailable = "N/A";
constexpr std::string_view kOutOfRange = "Out of range.";
constexpr std::string_view kSqMm = " sq mm";

template <std::size_t N>
bool oneOf(const std::array<std::string_view, N>& texts, std::string_view text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

constexpr NumberForm kSingle{kSingleDigits};
constexpr NumberForm kSingleRounded7{kSingleDigits, 7};
constexpr NumberForm kDoubleRounded7{kDoubleDigits, 7};
constexpr NumberForm kDoubleRounded15Cut12{kDoubleDigits, 15, 12, true};
constexpr NumberForm kOneDecimalCut7{kDoubleDigits, 1, 7, true};
constexpr NumberForm kCircularMilsRequired{kSingleDigits, 6, 8, true};
constexpr NumberForm kMetricOfCircularMils{kDoubleDigits, 1, 8, true};

bool fitsWithBlank(std::string_view text, bool (*inner)(std::string_view)) {
    return !text.empty() && text.back() == ' ' && inner(text.substr(0, text.size() - 1));
}

bool naOr(std::string_view text, const NumberForm& form) {
    return text == kNotAvailable || fitsForm(text, form);
}

bool minimumSize(std::string_view text) {
    if (text == kOutOfRange || oneOf(kKcmilResults, text)) return true;
    return text.substr(0, 2) == "# " && isGaugeLabel(text.substr(2));
}

bool minimumMetric(std::string_view text) {
    if (fitsForm(text, {kSingleDigits, 7, 0, true})) return true;
    return text.size() > kSqMm.size() && text.substr(text.size() - kSqMm.size()) == kSqMm &&
           fitsForm(text.substr(0, text.size() - kSqMm.size()), kMetricOfCircularMils);
}

bool compareBox(std::string_view text) {
    return fitsWithBlank(text, [](std::string_view t) { return naOr(t, kSingleRounded7); });
}

using Check = bool (*)(std::string_view);

struct LabelCheck {
    std::string_view name;
    Check check;
};

constexpr std::array<LabelCheck, 34> kChecks{{
    {"Dia_mm", [](std::string_view t) { return naOr(t, kSingle); }},
    {"Dia_inch", [](std::string_view t) { return naOr(t, kSingle); }},
    {"Area_mm", [](std::string_view t) { return naOr(t, kSingleRounded7); }},
    {"Area_inches", [](std::string_view t) { return naOr(t, kSingleRounded7); }},
    {"Area_mils", [](std::string_view t) { return naOr(t, kDoubleRounded15Cut12); }},
    {"Pounds", [](std::string_view t) { return naOr(t, kDoubleRounded15Cut12); }},
    {"Kilos", [](std::string_view t) { return naOr(t, kDoubleRounded15Cut12); }},
    {"Kilo_mtr", [](std::string_view t) { return fitsForm(t, kDoubleRounded7); }},
    {"Kilo_Km", [](std::string_view t) { return fitsForm(t, kDoubleRounded7); }},
    {"Pounds_f", [](std::string_view t) { return fitsForm(t, kDoubleRounded7); }},
    {"Ohms_mtr", [](std::string_view t) { return fitsForm(t, kSingleRounded7); }},
    {"Ohms_km", [](std::string_view t) { return fitsForm(t, kDoubleRounded7); }},
    {"Ohms_mile", [](std::string_view t) { return fitsForm(t, kDoubleRounded7); }},
    {"Ohms_Kf", [](std::string_view t) { return fitsForm(t, kDoubleRounded7); }},
    {"Ohms_f", [](std::string_view t) { return fitsForm(t, kDoubleRounded7); }},
    {"lblGauge", isGaugeLabel},
    {"lblGaugeArray(0)", compareBox},
    {"lblGaugeArray(1)", compareBox},
    {"lblGaugeArray(2)", compareBox},
    {"lblGaugeArray(3)", compareBox},
    {"lblGaugeArray(4)", compareBox},
    {"CondArea", [](std::string_view t) { return fitsForm(t, kDoubleRounded15Cut12); }},
    {"UseableArea", [](std::string_view t) { return fitsForm(t, kDoubleRounded15Cut12); }},
    {"CableArea", [](std::string_view t) { return fitsForm(t, kDoubleRounded15Cut12); }},
    {"CableQty",
     [](std::string_view t) {
         return fitsForm(t, {kDoubleDigits, 0, 0, true, true});
     }},
    {"lblCMA",
     [](std::string_view t) {
         return fitsForm(t, {kDoubleDigits, -1, 0, true});
     }},
    {"lblDrop", [](std::string_view t) { return fitsForm(t, kOneDecimalCut7); }},
    {"lblPCdrop", [](std::string_view t) { return fitsForm(t, kOneDecimalCut7); }},
    {"lblVoltsOut",
     [](std::string_view t) {
         return t == kOutOfRange || fitsForm(t, {kDoubleDigits, -1, 7});
     }},
    {"lblCmils", [](std::string_view t) { return fitsForm(t, kCircularMilsRequired); }},
    {"lblMinAWG", minimumSize},
    {"lblMinMetric", minimumMetric},
    {"lblNomMetric",
     [](std::string_view t) { return t == kOutOfRange || oneOf(kNominalMetric, t); }},
    {"area", [](std::string_view t) { return t.empty() || naOr(t, kSingleRounded7); }},
}};

const LabelCheck* findCheck(std::string_view name) {
    for (const LabelCheck& c : kChecks)
        if (c.name == name) return &c;
    return nullptr;
}

// A text in exponent form with a negative exponent, of a value rounded to `decimals`: a
// double never needs that form, as its 15 digits reach past the decimals. A single does
// where it is small: the float nearest 0.0009854 shows its 7 digits as 9.854001E-04. Such a
// text lies within the float's spacing and its own last digit of a multiple of 10^-decimals.
bool nearlyRounded(std::string_view text, const Parts& p, const NumberForm& form) {
    if (form.digits != kSingleDigits) return false;
    if (p.exponentDigits.size() < 2) return true;  // cut inside the exponent: cannot tell
    const long double value = std::fabs(std::strtold(std::string(text).c_str(), nullptr));
    const long double unit = std::pow(10.0L, -form.decimals);
    const long double nearest = std::round(value / unit) * unit;
    return nearest > 0 && std::fabs(value - nearest) <= value * 5.7e-7L;
}

// A value whose digits before the point do not fit the cut is written in exponent form
// with as many significant digits as fit: a whole exponent text whose plain form would be
// wider than the cut before its point.
bool exponentPastCut(std::string_view text, const NumberForm& form) {
    Parts p;
    if (form.cutTo == 0 || text.size() > form.cutTo || !split(text, p)) return false;
    if (!p.exponent || p.exponentSign != '+') return false;
    if (p.exponentDigits.size() < 2 || p.exponentDigits.size() > 3) return false;
    if (p.whole.size() != 1 || p.whole[0] == '0') return false;
    if (p.point && (p.fraction.empty() || p.fraction.back() == '0')) return false;
    if (p.exponentDigits.size() > 2 && p.exponentDigits[0] == '0') return false;
    const int e = std::stoi(std::string(p.exponentDigits));
    return (p.negative ? 1 : 0) + e + 1 > static_cast<int>(form.cutTo) &&
           e <= highestExponent(form.digits);
}

// Likewise a value below one whose digits need the exponent at the precision's full count,
// though the few that fit the cut would not: the text fills the cut.
bool exponentBelowCut(std::string_view text, const NumberForm& form) {
    Parts p;
    if (form.cutTo == 0 || text.size() != form.cutTo || !split(text, p)) return false;
    if (!p.exponent || p.exponentSign != '-') return false;
    if (p.exponentDigits.size() < 2 || p.exponentDigits.size() > 3) return false;
    if (p.whole.size() != 1 || p.whole[0] == '0') return false;
    if (p.point && (p.fraction.empty() || p.fraction.back() == '0')) return false;
    if (p.exponentDigits.size() > 2 && p.exponentDigits[0] == '0') return false;
    const int e = -std::stoi(std::string(p.exponentDigits));
    return -e - 1 > 0 && e >= lowestExponent(form.digits);
}

}  // namespace

bool isNumberText(std::string_view text, int digits) {
    return numberText(text, digits, true);
}

bool isNumberTextPrefix(std::string_view text, int digits) {
    return numberText(text, digits, false);
}

bool fitsForm(std::string_view text, const NumberForm& form) {
    if (form.cutTo != 0 && text.size() > form.cutTo) return false;
    if (exponentPastCut(text, form)) return !(form.nonNegative && text[0] == '-');
    // A text as long as the cut may have been longer before it; a shorter one is whole.
    const bool complete = form.cutTo == 0 || text.size() < form.cutTo;
    if (!numberText(text, form.digits, complete) && !exponentBelowCut(text, form)) return false;
    if (form.nonNegative && !text.empty() && text[0] == '-') return false;
    Parts p;
    split(text, p);
    // A plain text is known when whole, or when its whole part cannot be a one-digit mantissa.
    const bool plain = !p.exponent && (complete || p.whole.size() != 1 || p.whole == "0");
    if (form.decimals >= 0) {
        if (p.exponent && p.exponentSign == '-' && !nearlyRounded(text, p, form)) return false;
        if (plain && static_cast<int>(p.fraction.size()) > form.decimals) return false;
    }
    if (form.whole) {
        if (p.exponent ? p.exponentSign == '-' : p.point) return false;
    }
    return true;
}

std::string labelTextFault(std::string_view name, std::string_view text) {
    const LabelCheck* check = findCheck(name);
    if (check == nullptr) return "no result label is named \"" + std::string(name) + "\"";
    if (check->check(text)) return {};
    return std::string(name) + " cannot show \"" + std::string(text) + "\"";
}

bool isResultLabelName(std::string_view name) {
    return findCheck(name) != nullptr;
}

std::string sizingGroupFault(std::string_view minAwg, std::string_view minMetric,
                             std::string_view nomMetric) {
    const bool awg = minAwg.substr(0, 2) == "# ";
    const bool squareMillimetres = minMetric.size() >= kSqMm.size() &&
                                   minMetric.substr(minMetric.size() - kSqMm.size()) == kSqMm;
    if (awg && squareMillimetres) return "an AWG size with a metric area in sq mm";
    if (!awg && !squareMillimetres) return "a kcmil size or no size with a bare metric area";
    if (!awg && nomMetric != kOutOfRange) return "a nominal metric size beside a kcmil size";
    return {};
}

}  // namespace ferrovolt::testing
