// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <variant>

#include "calc/answer.h"
#include "filled_tables.h"

namespace ferrovolt {

// The result of an answer, failing the test when it is a refusal.
template <typename Result>
Result resultOf(const Answer<Result>& answer) {
    if (const auto* refusal = std::get_if<Refusal>(&answer)) {
        ADD_FAILURE() << "refused: " << fieldName(refusal->field);
        return {};
    }
    return std::get<Result>(answer);
}

template <typename Result>
std::string refusedField(const Answer<Result>& answer) {
    if (const auto* refusal = std::get_if<Refusal>(&answer))
        return std::string(fieldName(refusal->field));
    return "(answered)";
}

}  // namespace ferrovolt
