// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a checked answer hands on to another check: that check's field texts, by key, as a
// front end would have typed them, and what was assumed in choosing them. A window opens the
// other check with them, and the installation tree can set a case of it by `setCase`.

#include <string>
#include <string_view>
#include <vector>

namespace ferrovolt {

// The texts of one field: one, or one per row for an input of rows.
struct HandedTexts {
    std::string_view key;
    std::vector<std::string> texts;
};

struct HandOn {
    std::vector<HandedTexts> fields;
    std::string note;  // what was assumed, for the user to check
};

// The texts handed on for a field's key; none where the answer hands it nothing.
inline const std::vector<std::string>* handedTexts(const HandOn& handOn, std::string_view key) {
    for (const HandedTexts& field : handOn.fields)
        if (field.key == key) return &field.texts;
    return nullptr;
}

}  // namespace ferrovolt
