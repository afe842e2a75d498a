// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An answer's result rows as JSON: {"outputs":{LABEL:TEXT,...},"rows":[...]}, where each row
// gives its key, caption, text as shown, value as a JSON number (null where the text is no
// number, such as "N/A" or "Out of range.") and unit caption, in the declared order.

#include <string>
#include <string_view>

#include "cli/outputs.h"

namespace ferrovolt {

void appendOutputs(std::string& out, const Outputs& outputs);
void appendOutputs(std::string& out, const OutputTexts& outputs);

// The same answer written piece by piece with every text escaped as it needs: what
// appendOutputs falls back to for a text that is not a JSON string as it stands, and what the
// tests and fuzz_batch compare it with.
void appendOutputsEscaped(std::string& out, const Outputs& outputs);
void appendOutputsEscaped(std::string& out, const OutputTexts& outputs);

// The JSON number a shown text stands for, blanks around it aside; empty when it is none.
std::string_view jsonNumberOf(std::string_view text);

}  // namespace ferrovolt
