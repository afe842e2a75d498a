// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A code's choices, each declared once as an array: the value the check takes, the key the
// command line and the batch write, the words a window shows and a tip where those are
// shortened. The setter, its refusal, the option's keys and the window's entries are all made
// from the array.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "check/field_reading.h"

namespace ferrovolt {

template <class Value>
struct Choice {
    Value value;
    std::string_view key;
    std::string_view shown;
    std::string_view tip = {};
};

// The value of a key among choices, whatever its letter case; nothing when none has it.
template <class Value, std::size_t N>
std::optional<Value> choiceOf(const std::array<Choice<Value>, N>& choices, std::string_view key) {
    for (const Choice<Value>& choice : choices) {
        if (choice.key.size() != key.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < key.size() && same; ++i) {
            const auto lower = [](char c) {
                return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
            };
            same = lower(choice.key[i]) == lower(key[i]);
        }
        if (same) return choice.value;
    }
    return std::nullopt;
}

// The key of a value among choices.
template <class Value, std::size_t N>
std::string_view keyOf(const std::array<Choice<Value>, N>& choices, Value value) {
    for (const Choice<Value>& choice : choices)
        if (choice.value == value) return choice.key;
    return {};
}

namespace fields {

template <class Value, std::size_t N>
std::string notOneOf(std::string_view text, const std::array<Choice<Value>, N>& choices) {
    std::string accepted;
    for (const Choice<Value>& choice : choices)
        (accepted += accepted.empty() ? "" : ",") += choice.key;
    return quoted(trimmed(text)) + " is not one of " + accepted;
}

// A choice the check needs: one of its keys.
template <auto member, auto& choices, class Inputs>
Reason setChoice(Inputs& in, std::string_view text) {
    const auto value = choiceOf(choices, trimmed(text));
    if (!value) return notOneOf(text, choices);
    in.*member = *value;
    return std::nullopt;
}

// A choice the check may go without: empty leaves it to the check.
template <auto member, auto& choices, class Inputs>
Reason setMaybe(Inputs& in, std::string_view text) {
    if (trimmed(text).empty()) return in.*member = std::nullopt, std::nullopt;
    return setChoice<member, choices>(in, text);
}

// A choice whose keys spell "aluminium" takes the American spelling too.
template <auto member, auto& choices, class Inputs>
Reason setMetal(Inputs& in, std::string_view text) {
    if (sameWord(trimmed(text), "aluminum")) text = "aluminium";
    return setChoice<member, choices>(in, text);
}

// The words a window shows for the choices, in their order; with Extra, a first entry with no
// key leaves the choice unsaid.
template <class Value, std::size_t N, std::size_t Extra = 0>
constexpr auto shownOf(const std::array<Choice<Value>, N>& choices, std::string_view none = {}) {
    std::array<ChoiceText, N + Extra> texts{};
    std::size_t i = 0;
    if constexpr (Extra == 1) texts[i++] = {"", none};
    for (const Choice<Value>& choice : choices) texts[i++] = {choice.key, choice.shown, choice.tip};
    return texts;
}

template <class Value, std::size_t N>
constexpr auto shownOrNone(const std::array<Choice<Value>, N>& choices, std::string_view none) {
    return shownOf<Value, N, 1>(choices, none);
}

// The keys of a choice, "|" separated, as the command line and the help list them.
template <auto& choices>
constexpr auto kKeys = [] {
    std::array<char, 256> text{};
    std::size_t at = 0;
    for (const auto& choice : choices) {
        if (at != 0) text[at++] = '|';
        for (char c : choice.key) text[at++] = c;
    }
    return text;
}();

template <auto& choices>
constexpr std::string_view keysOf() {
    return std::string_view(kKeys<choices>.data());
}

}  // namespace fields

}  // namespace ferrovolt
