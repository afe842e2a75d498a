// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuit check's batch line: {"calc":"circuit","code":...} answered as any check's JSON
// answer (cli/check_json.h) under the code it names.

#include <string>
#include <string_view>

#include "check/circuit_code.h"
#include "cli/check_json.h"
#include "cli/flat_request.h"

namespace ferrovolt {

// The "calc" of a circuit request.
inline constexpr std::string_view kCircuitRequest = "circuit";

// Answers one batch request whose "calc" is "circuit", from the line as the batch reader
// read it, under the code its "code" names (the default code when none): the answer, or
// {"error":"..."} for a field of the wrong type or a required field that is missing.
void appendCircuitRequest(std::string& out, const FlatRequest& request);

}  // namespace ferrovolt
