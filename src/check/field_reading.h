// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a code's fields read their texts into its inputs: a number, an optional number, a
// whole number, a flag, each refused in the same words under every code. A setter is made
// from the member it sets: setNumber<&Inputs::current>.

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "check/circuit_code.h"
#include "numtext/number_text.h"
#include "numtext/words.h"

namespace ferrovolt::fields {

using Reason = std::optional<std::string>;

// The input in double quotes, as a refusal names it.
inline std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    ((out += '"') += text) += '"';
    return out;
}

inline std::optional<double> number(std::string_view text) {
    return readDouble(trimmed(text));
}

inline std::optional<int> whole(std::string_view text) {
    const std::optional<double> value = number(text);
    if (!value || *value != std::floor(*value) || std::abs(*value) > 1e9) return std::nullopt;
    return static_cast<int>(*value);
}

inline std::optional<bool> flag(std::string_view text) {
    text = trimmed(text);
    for (std::string_view yes : {"true", "yes", "1"})
        if (sameWord(text, yes)) return true;
    for (std::string_view no : {"false", "no", "0", ""})
        if (sameWord(text, no)) return false;
    return std::nullopt;
}

// A number, given or optional.
template <auto member, class Inputs>
Reason setNumber(Inputs& in, std::string_view text) {
    const std::optional<double> value = number(text);
    if (!value) return quoted(text) + " is not a number";
    in.*member = *value;
    return std::nullopt;
}

template <auto member, class Inputs>
Reason setWhole(Inputs& in, std::string_view text) {
    const std::optional<int> value = whole(text);
    if (!value) return quoted(text) + " is not a whole number";
    in.*member = *value;
    return std::nullopt;
}

template <auto member, class Inputs>
Reason setFlag(Inputs& in, std::string_view text) {
    const std::optional<bool> value = flag(text);
    if (!value) return quoted(trimmed(text)) + " is not true or false";
    in.*member = *value;
    return std::nullopt;
}

// A code's sizes as a window lists them: each label as its own key.
template <class Size, std::size_t N>
constexpr std::array<ChoiceText, N> sizeTexts(const std::array<Size, N>& sizes) {
    std::array<ChoiceText, N> texts{};
    for (std::size_t i = 0; i < N; ++i) texts[i] = {sizes[i].label, sizes[i].label};
    return texts;
}

// A code's fields or rows as every front end reads them, without their setters and values.
template <class Out, class In, std::size_t N>
std::array<Out, N> described(const std::array<In, N>& all) {
    std::array<Out, N> out;
    std::copy(all.begin(), all.end(), out.begin());
    return out;
}

}  // namespace ferrovolt::fields
