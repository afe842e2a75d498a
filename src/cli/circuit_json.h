// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuit check's JSON answer, shared by `circuit --json`, batch and nothing else:
// {"size":"3 AWG",...,"trail":[{"step":...,"value":...,"source":...},...]} or
// {"refused":FIELD,"reason":"..."}, one line without its line break.

#include <string>
#include <string_view>

#include "check/circuit_code.h"
#include "cli/flat_request.h"

namespace ferrovolt {

// The "calc" of a circuit request.
inline constexpr std::string_view kCircuitRequest = "circuit";

// The answer of the case's last check.
void appendCheckAnswer(std::string& out, const CircuitCase& checked);
void appendCheckRefusal(std::string& out, const CheckRefusal& refusal);

// Answers one batch request whose "calc" is "circuit", from the line as the batch reader
// read it, under the code its "code" names (the default code when none): the answer above,
// or {"error":"..."} for a field of the wrong type or a required field that is missing.
void appendCircuitRequest(std::string& out, const FlatRequest& request);

}  // namespace ferrovolt
