// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a calculator answers: its result texts, or a refusal naming the input at fault.

#include <string_view>
#include <variant>

namespace ferrovolt {

enum class Field {
    Gauge,        // gauge label or conductor size text
    Standard,     // gauge standard name
    Material,     // material name
    Temperature,  // temperature text
    Length,       // one-way circuit length text
    Current,      // load or design current text
    Supply,       // supply text
    Volts,        // nominal voltage tag of the sizing tab
    ConduitSize,  // conduit size text
    Cable,        // cable diameter text
};

// Why an input is refused, for messages that name the real cause.
enum class Reason {
    NotAccepted,        // not one of the texts the field accepts
    NotPlainNumber,     // not a plain decimal number: sign, digits, at most one point
    Negative,           // a length, current or diameter below 0
    TooLarge,           // beyond the range of its precision, or its result would be
    BelowAbsoluteZero,  // a temperature
    NoResistance,       // a temperature where the material's resistance falls to 0 or below
    AreaShowsZero,      // a cable so thin that its area shows as 0
};

struct Refusal {
    Field field;
    Reason reason = Reason::NotAccepted;
    bool operator==(const Refusal&) const = default;
};

// The refusal of a number text that does not read: not a plain decimal number, or one
// beyond the range of its precision.
Refusal unreadableNumber(Field field, std::string_view text);

template <typename Result>
using Answer = std::variant<Result, Refusal>;

// The input's name in batch requests: "gauge", "standard", "material", "temperature",
// "length", "current", "supply", "volts", "size", "cable".
std::string_view fieldName(Field field);

}  // namespace ferrovolt
