// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The JSON answers shared by `batch` and `--json`: {"outputs":{NAME:TEXT,...},"rows":[...]},
// {"refused":FIELD} and {"error":"..."}, each one line without its line break.

#include <string>
#include <string_view>

#include "cli/json_rows.h"
#include "cli/outputs.h"

namespace ferrovolt {

void appendAnswer(std::string& out, const Outcome& outcome);
void appendRefusal(std::string& out, const Refusal& refusal);

// A calculator's answer written from its result in place, as appendAnswer(outcomeOf(...))
// writes it.
template <typename Result, typename... Extra>
void appendAnswerOf(std::string& out, const Answer<Result>& answer, Extra... extra) {
    if (const auto* refusal = std::get_if<Refusal>(&answer)) return appendRefusal(out, *refusal);
    appendOutputs(out, outputTextsOf(std::get<Result>(answer), extra...));
}
void appendError(std::string& out, std::string_view message);

// True when the text, in quotes, is a JSON string as it stands.
bool plainJsonText(std::string_view text);

// A JSON string of any text: escaped where it must be, bytes that are not UTF-8 replaced.
void appendString(std::string& out, std::string_view text);

}  // namespace ferrovolt
