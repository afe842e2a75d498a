// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/request_fields.h"

#include <charconv>
#include <utility>

namespace ferrovolt {

using Kind = RequestValue::Kind;

const RequestValue* RequestFields::find(std::string_view name) {
    if (!ok()) return nullptr;
    const RequestValue* value = m_request.find(name, m_next);
    if (value == nullptr) fail("missing field \"" + std::string(name) + "\"");
    return value;
}

void RequestFields::fail(std::string message) {
    if (ok()) m_error = std::move(message);
}

std::string_view RequestFields::text(std::string_view name) {
    const RequestValue* value = find(name);
    if (value == nullptr) return {};
    if (value->kind == Kind::Text) return value->text;
    fail("field \"" + std::string(name) + "\" must be a string");
    return {};
}

bool RequestFields::flag(std::string_view name) {
    const RequestValue* value = find(name);
    if (value == nullptr) return false;
    if (value->kind == Kind::Bool) return value->flag;
    fail("field \"" + std::string(name) + "\" must be true or false");
    return false;
}

std::optional<std::int64_t> RequestFields::wholeNumber(std::string_view name) {
    const RequestValue* value = find(name);
    if (value == nullptr) return std::nullopt;
    if (value->kind == Kind::Integer) return value->integer;
    fail("field \"" + std::string(name) + "\" must be a whole number");
    return std::nullopt;
}

std::int64_t RequestFields::number(std::string_view name, std::int64_t first, std::int64_t last) {
    const std::optional<std::int64_t> n = wholeNumber(name);
    if (!n) return first;
    if (*n >= first && *n <= last) return *n;
    fail("field \"" + std::string(name) + "\" is out of range: it must be from " +
         std::to_string(first) + " to " + std::to_string(last));
    return first;
}

std::int64_t RequestFields::numberOf(std::string_view name, std::int64_t one, std::int64_t other) {
    const std::optional<std::int64_t> n = wholeNumber(name);
    if (!n) return one;
    if (*n == one || *n == other) return *n;
    fail("field \"" + std::string(name) + "\" is out of range: it must be " + std::to_string(one) +
         " or " + std::to_string(other));
    return one;
}

int RequestFields::choice(std::string_view name, std::string_view choices) {
    const std::string_view given = choiceText(name, choices);
    int index = 0;
    const auto end = static_cast<std::size_t>(given.data() - choices.data());
    for (std::size_t start = 0; start < end; ++start)
        if (choices[start] == '|') ++index;
    return index;
}

std::string_view RequestFields::choiceText(std::string_view name, std::string_view choices) {
    const std::string_view given = text(name);
    if (!ok()) return choices.substr(0, 0);
    std::string accepted;
    for (std::size_t start = 0; start <= choices.size();) {
        std::size_t bar = choices.find('|', start);
        if (bar == std::string_view::npos) bar = choices.size();
        const std::string_view option = choices.substr(start, bar - start);
        if (option == given) return option;
        accepted += accepted.empty() ? "\"" : ", \"";
        accepted.append(option).append("\"");
        start = bar + 1;
    }
    fail("field \"" + std::string(name) + "\" is out of range: it must be one of " + accepted);
    return choices.substr(0, 0);
}

std::string_view RequestFields::numberText(std::string_view name) {
    const RequestValue* value = find(name);
    if (value == nullptr) return {};
    if (value->kind == Kind::Text) return value->text;
    if ((value->kind != Kind::Integer && value->kind != Kind::Fraction) ||
        m_numberCount == m_numberTexts.size()) {
        fail("field \"" + std::string(name) + "\" must be a number or a number text");
        return {};
    }
    // Plain decimals, never an exponent: the calculators take no other number text.
    std::array<char, 400> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value->number,
                                       std::chars_format::fixed);
    std::string& text = m_numberTexts[m_numberCount++];
    text.assign(digits.data(), written.ptr);
    return text;
}

}  // namespace ferrovolt
