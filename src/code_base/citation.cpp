// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_base/citation.h"

namespace ferrovolt {

std::string citationText(const Citation& cite) {
    std::string text(cite.document);
    text += ' ';
    text += cite.item;
    return text;
}

}  // namespace ferrovolt
