// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a result label may show: the texts the computation core can produce, told apart from
// corrupted, truncated-wrongly or refusal-like texts. The fuzzers and the monkey test of the
// window judge every result with these same checks.

#include <cstddef>
#include <string>
#include <string_view>

namespace ferrovolt::testing {

inline constexpr int kSingleDigits = 7;
inline constexpr int kDoubleDigits = 15;

// The shape of a number text as one result writes it.
struct NumberForm {
    int digits = kDoubleDigits;  // significant digits of the precision: 7 single, 15 double
    int decimals = -1;           // rounded to this many decimals first; -1 when not rounded
    std::size_t cutTo = 0;       // cut to this many characters; 0 when shown whole
    bool nonNegative = false;
    bool whole = false;  // a whole number (a count)
};

// True when text is exactly how a value of `digits` precision is written: at most that many
// significant digits, no trailing fraction zeros, plain while the digits fit, else exponent
// form with a sign and at least two exponent digits.
bool isNumberText(std::string_view text, int digits);

// True when some number text of `digits` precision starts with text (text itself included).
bool isNumberTextPrefix(std::string_view text, int digits);

// True when text is what a result of this form can show, a cut included.
bool fitsForm(std::string_view text, const NumberForm& form);

// Why `text` cannot be what the result label `name` shows; empty when it can. Names are
// the result labels' objectNames, as the batch answers carry them, and "area" for the
// gauge area. An empty text is judged like any other: no label of a finished run is empty,
// except "area" for a gauge that names no position.
std::string labelTextFault(std::string_view name, std::string_view text);

// True for every name labelTextFault knows.
bool isResultLabelName(std::string_view name);

// Why the three sizing texts cannot stand together; empty when they can. An AWG size comes
// with its bare metric area and a nominal size, a kcmil size or "Out of range." with an
// area in "sq mm" and no nominal size.
std::string sizingGroupFault(std::string_view minAwg, std::string_view minMetric,
                             std::string_view nomMetric);

}  // namespace ferrovolt::testing
