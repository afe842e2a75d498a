// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Words typed by a user (a material, a choice, a size), as the core reads them: blanks
// around them aside, and the case of their letters aside.

#include <algorithm>
#include <cctype>
#include <string_view>

namespace ferrovolt {

// `text` without the spaces and tabs around it.
inline std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The same word whatever the case of its letters.
inline bool sameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace ferrovolt
