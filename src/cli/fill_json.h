// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conduit fill's JSON answer, shared by `fill --json` and batch: {"raceway":"EMT",
// "trade_size":"1-1/4",...,"trail":[...]} or {"refused":FIELD,"reason":"..."}, one line
// without its line break.

#include <string>
#include <string_view>

#include "fill/fill_check.h"

namespace ferrovolt {

// The "calc" of a fill request.
inline constexpr std::string_view kFillRequest = "fill";

void appendFillAnswer(std::string& out, const FillResult& result);

// Answers one batch request line whose "calc" is "fill": "raceway" (required), "size",
// "nipple", "metric", and the arrays "wire" and "cable" of the command line's texts.
void appendFillRequest(std::string& out, std::string_view line);

// The fill of the command line's and the request's texts, or the refusal of the first that
// is refused.
FillResult fillOfTexts(std::string_view raceway, std::string_view size, bool nipple,
                       const std::vector<std::string>& wires,
                       const std::vector<std::string>& cables, bool metric);

}  // namespace ferrovolt
