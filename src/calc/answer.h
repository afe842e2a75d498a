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

struct Refusal {
    Field field;
    bool operator==(const Refusal&) const = default;
};

template <typename Result>
using Answer = std::variant<Result, Refusal>;

// The input's name in batch requests: "gauge", "standard", "material", "temperature",
// "length", "current", "supply", "volts", "size", "cable".
std::string_view fieldName(Field field);

}  // namespace ferrovolt
