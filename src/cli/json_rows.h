#pragma once

// The "rows" of a JSON answer: each result row with its key, caption, text as shown, value
// as a JSON number (null where the text is no number, such as "N/A" or "Out of range.") and
// unit caption, in the order the calculator declares them.

#include <string>
#include <string_view>

#include "cli/outputs.h"

namespace ferrovolt {

// Appends ,"rows":[...] for the outputs.
void appendRows(std::string& out, const Outputs& outputs);

// The JSON number a shown text stands for, blanks around it aside; empty when it is none.
std::string_view jsonNumberOf(std::string_view text);

}  // namespace ferrovolt
