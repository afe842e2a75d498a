// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuit check's JSON answer, shared by `circuit --json`, batch and nothing else:
// {"size":"3 AWG",...,"trail":[{"step":...,"value":...,"source":...},...]} or
// {"refused":FIELD,"reason":"..."}, one line without its line break.

#include <string>
#include <string_view>

#include "circuit/circuit_check.h"
#include "cli/flat_request.h"

namespace ferrovolt {

// The "calc" of a circuit request.
inline constexpr std::string_view kCircuitRequest = "circuit";

void appendCircuitAnswer(std::string& out, const CircuitResult& result);

// Answers one batch request whose "calc" is "circuit", from the line as the batch reader
// read it: the answer above, or {"error":"..."} for a field of the wrong type or a required
// field that is missing.
void appendCircuitRequest(std::string& out, const FlatRequest& request);

}  // namespace ferrovolt
