// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/field_applies.h"

#include <algorithm>

#include "numtext/words.h"

namespace ferrovolt {

std::optional<FieldCondition> conditionOf(const CheckField& field) {
    const std::size_t equals = field.when.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return FieldCondition{field.when.substr(0, equals), field.when.substr(equals + 1)};
}

bool conditionHolds(const FieldCondition& condition, std::string_view text) {
    text = trimmed(text);
    std::string_view texts = condition.texts;
    while (true) {
        const std::size_t bar = texts.find('|');
        if (sameWord(texts.substr(0, bar), text)) return true;
        if (bar == std::string_view::npos) return false;
        texts.remove_prefix(bar + 1);
    }
}

bool fieldApplies(std::span<const CheckField> fields, const CheckField& field,
                  std::string_view text) {
    const std::optional<FieldCondition> condition = conditionOf(field);
    if (!condition) return true;
    if (trimmed(text).empty()) {
        const auto followedField = std::find_if(
            fields.begin(), fields.end(), [&](const auto& f) { return f.key == condition->key; });
        if (followedField != fields.end()) text = followedField->defaultText;
    }
    return conditionHolds(*condition, text);
}

bool anyConditional(std::span<const CheckField> fields) {
    return std::any_of(fields.begin(), fields.end(),
                       [](const CheckField& field) { return !field.when.empty(); });
}

bool followed(std::span<const CheckField> fields, const CheckField& field) {
    return std::any_of(fields.begin(), fields.end(), [&](const CheckField& other) {
        const std::optional<FieldCondition> condition = conditionOf(other);
        return condition && condition->key == field.key;
    });
}

std::string notApplying(const CheckField& field) {
    const std::optional<FieldCondition> condition = conditionOf(field);
    if (!condition) return {};
    std::string texts;
    std::string_view rest = condition->texts;
    while (!rest.empty()) {
        const std::size_t bar = rest.find('|');
        const std::string_view one = rest.substr(0, bar);
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
        if (!texts.empty()) texts += rest.empty() ? " or " : ", ";
        texts += one;
    }
    return "applies only where " + std::string(condition->key) + " is " + texts;
}

}  // namespace ferrovolt
