// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_base/awg_kcmil.h"

#include "numtext/words.h"

namespace ferrovolt {

std::optional<int> awgSizeOf(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    // The unit word at the end, if any; the number before it keeps no blank in front.
    std::string_view unit;
    for (const std::string_view word : {"AWG", "kcmil", "MCM"}) {
        if (text.size() < word.size() || !sameWord(text.substr(text.size() - word.size()), word))
            continue;
        unit = word;
        text.remove_suffix(word.size());
        text = text.substr(0, text.find_last_not_of(" \t") + 1);
        break;
    }
    if (text.empty()) return std::nullopt;
    for (std::size_t i = 0; i < kAwgSizes.size(); ++i) {
        const std::string_view label = kAwgSizes[i].label;
        const auto space = label.find(' ');
        if (label.substr(0, space) != text) continue;
        const std::string_view own = label.substr(space + 1);
        if (unit.empty() || unit == own || (own == "kcmil" && unit == "MCM"))
            return static_cast<int>(i);
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace ferrovolt
