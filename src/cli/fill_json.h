// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conduit fill's batch line: {"calc":"fill","raceway":...,"wire":[...],"cable":[...]},
// answered as any check's (cli/check_json.h) from the fill's fields.

#include <string>
#include <string_view>

#include "cli/flat_request.h"

namespace ferrovolt {

// The "calc" of a fill request.
inline constexpr std::string_view kFillRequest = "fill";

// Answers one batch request whose "calc" is "fill": "raceway" (required), "size", "nipple",
// "metric", and the arrays "wire" and "cable" of the command line's texts. A number is taken
// as its shortest text that reads back the same, in plain decimals, as every calculator takes
// one: 27 and "27" are the same size.
void appendFillRequest(std::string& out, const FlatRequest& request);

}  // namespace ferrovolt
