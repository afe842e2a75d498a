// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The inputs of every code of the circuit check, as the command line, batch and the schedule
// take them: once by key, whichever code declares it.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/circuit_code.h"

namespace ferrovolt {

// Every code's fields, each key once, in the order the codes declare them (the default
// code's first).
std::span<const CheckField* const> everyCircuitField();

// The code's field a key gives: the field of that key, else the field that still takes it as
// the key it was given by before (NEC 2023's rating, "device" then, "device_rating" now).
std::optional<std::size_t> fieldOfKey(const CircuitCode& code, std::string_view key);

// The keys each of a case's fields was given by, so that a refusal names the input as it was
// given: a script that gives NEC 2023's rating as "device" is refused about "device".
class GivenKeys {
public:
    void add(std::size_t field, std::string_view key) { m_keys.emplace_back(field, key); }
    CheckRefusal named(const CircuitCode& code, CheckRefusal refusal) const;

private:
    std::vector<std::pair<std::size_t, std::string_view>> m_keys;
};

// The refusal of an input the code does not take: "is not an input under …".
CheckRefusal notOfCode(const CircuitCode& code, std::string_view key);

// The refusal of a code that is not one of the registry's.
CheckRefusal unknownCode(std::string_view text);

// A case of the code at its defaults, kept for the next circuit of the same code: a
// schedule or a batch of many circuits makes one case per code.
CircuitCase& freshCase(const CircuitCode& code);

}  // namespace ferrovolt
