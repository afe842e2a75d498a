#pragma once

// The JSON answers shared by `batch` and `--json`: {"outputs":{NAME:TEXT,...}},
// {"refused":FIELD} and {"error":"..."}, each one line without its line break.

#include <string>
#include <string_view>

#include "cli/outputs.h"

namespace ferrovolt {

void appendAnswer(std::string& out, const Outcome& outcome);
void appendError(std::string& out, std::string_view message);

}  // namespace ferrovolt
