// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conduit fill's JSON answer, shared by `fill --json` and batch: {"raceway":"EMT",
// "trade_size":"1-1/4",...,"trail":[...]} or {"refused":FIELD,"reason":"..."}, one line
// without its line break.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/flat_request.h"
#include "fill/fill_check.h"

namespace ferrovolt {

// The "calc" of a fill request.
inline constexpr std::string_view kFillRequest = "fill";

// The answer, or the refusal; a refusal of one wire or cable entry names it as given
// ("entry"), as the command line names its option.
void appendFillAnswer(std::string& out, const FillResult& result,
                      std::optional<std::string_view> entry = std::nullopt);

// Answers one batch request read whose "calc" is "fill": "raceway" (required), "size",
// "nipple", "metric", and the arrays "wire" and "cable" of the command line's texts. A number
// is taken as its shortest text that reads back the same, in plain decimals, as every
// calculator takes one: 27 and "27" are the same size.
void appendFillRequest(std::string& out, const FlatRequest& request);

// The fill of the command line's and the request's texts, or the refusal of the first that
// is refused.
FillResult fillOfTexts(std::string_view raceway, std::string_view size, bool nipple,
                       std::span<const std::string_view> wires,
                       std::span<const std::string_view> cables, bool metric);

// The wire or cable entry a refusal is about, as given; none when it is about none.
std::optional<std::string_view> fillRefusedEntry(const FillRefusal& refusal,
                                                 std::span<const std::string_view> wires,
                                                 std::span<const std::string_view> cables);

}  // namespace ferrovolt
