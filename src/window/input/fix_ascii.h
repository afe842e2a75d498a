// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key filter shared by the numeric text fields, free of any toolkit so it can be
// judged on plain values.

#include <string_view>

namespace ferrovolt {

enum class KeyVerdict { Accept, Refuse };

// Judges the character code keyAscii typed into a field holding `text` whose selection
// starts at selStart and covers selLength characters. Backspace (8), tab (9) and enter (13)
// always pass; "." and the digits pass when the text after the selection is replaced by the
// key is shorter than lgth; everything else is refused.
KeyVerdict FixASCII(std::u16string_view text, int selStart, int selLength, int keyAscii, int lgth);

}  // namespace ferrovolt
