// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/input/fix_ascii.h"

#include "window/input/char_codes.h"

#include <algorithm>
#include <cstddef>

namespace ferrovolt {

using namespace charcode;

KeyVerdict FixASCII(std::u16string_view text, int selStart, int selLength, int keyAscii, int lgth) {
    if (keyAscii == kBackspace || keyAscii == kTab || keyAscii == kEnter) {
        return KeyVerdict::Accept;
    }
    if (keyAscii != kPoint && (keyAscii < kDigitZero || keyAscii > kDigitNine)) {
        return KeyVerdict::Refuse;
    }
    // Only the length of the text the key would produce matters: the part before the
    // selection, the typed character, and the part after the selection.
    const std::size_t length = text.size();
    const std::size_t start = std::min(length, static_cast<std::size_t>(std::max(selStart, 0)));
    const std::size_t end =
        std::min(length, start + static_cast<std::size_t>(std::max(selLength, 0)));
    const std::size_t produced = start + 1 + (length - end);
    return static_cast<long long>(produced) < static_cast<long long>(lgth) ? KeyVerdict::Accept
                                                                           : KeyVerdict::Refuse;
}

}  // namespace ferrovolt
