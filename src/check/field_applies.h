// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a field applies to a case: a motor's horsepower means nothing to a general load, and
// a general load's design current nothing to a motor, whose current comes from the code's
// tables. A field says so by its `when` (check/check.h): the key of the field it follows and
// the texts under which it applies. Every front end asks here, so that the window hides what
// the command line, batch and a schedule refuse.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "check/check.h"

namespace ferrovolt {

// The field a conditional field follows and the texts under which it applies.
struct FieldCondition {
    std::string_view key;    // "load"
    std::string_view texts;  // "motor|hvac"
};

// The field's condition; nothing for a field that always applies.
std::optional<FieldCondition> conditionOf(const CheckField& field);
// Whether a text of the followed field is among the condition's texts, whatever its letter
// case and the blanks around it.
bool conditionHolds(const FieldCondition& condition, std::string_view text);
// Whether the field applies where the followed field reads `text`; an empty text stands for
// that field's default among `fields`.
bool fieldApplies(std::span<const CheckField> fields, const CheckField& field,
                  std::string_view text);
// Whether the field applies, where `textOf(key)` gives the text a field was given (empty, or
// nothing, where it was not given: its default then holds).
template <class TextOf>
bool fieldApplies(std::span<const CheckField> fields, const CheckField& field,
                  const TextOf& textOf) {
    const std::optional<FieldCondition> condition = conditionOf(field);
    if (!condition) return true;
    const std::optional<std::string_view> text = textOf(condition->key);
    return fieldApplies(fields, field, text ? *text : std::string_view());
}
// Whether any of the fields applies only under a condition.
bool anyConditional(std::span<const CheckField> fields);
// Whether some field of `fields` follows this one.
bool followed(std::span<const CheckField> fields, const CheckField& field);
// Required wherever it is given: a field required only where it applies is asked for once the
// case's texts are known (setCase), not by a source on its own.
inline bool requiredAlways(const CheckField& field) {
    return field.required && field.when.empty();
}
// The reason a field that does not apply is refused: "applies only where load is motor or
// hvac".
std::string notApplying(const CheckField& field);

}  // namespace ferrovolt
