#pragma once

// The command line's human-readable output: one line per result row, as the window shows
// it ("Diameter : 1.023696 Millimeters"), and the one-line message for a refusal.

#include <iosfwd>
#include <string>
#include <string_view>

#include "cli/outputs.h"

namespace ferrovolt {

void printRows(std::ostream& out, const Outputs& outputs);

// "--material \"Gold2\" is refused: ..." naming the option and the text it carried;
// `list` names the `ferrovolt-calc list` topic that shows the accepted texts, if any.
std::string refusalMessage(Field field, std::string_view value, std::string_view list);

}  // namespace ferrovolt
