// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a key press would type, as the 16-bit character code the key filter judges.

#include <optional>

class QKeyEvent;

namespace ferrovolt {

// The character code that the key would type, or nothing for keys that type no character
// (arrows, Delete, Home, End, function keys), which the filter lets through unjudged.
// Control chords are read from the key and modifiers, not from the text, because the
// text differs between sources: Ctrl+V carries "v" from a test driver and "\x16" from X11.
std::optional<int> typedCharacterCode(const QKeyEvent& event);

}  // namespace ferrovolt
