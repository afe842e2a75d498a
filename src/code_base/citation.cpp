// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_base/citation.h"

namespace ferrovolt {

std::string citationText(const Citation& cite) {
    std::string text(cite.document);
    text += ' ';
    text += cite.item;
    return text;
}

std::string citedItems(const Citation& first, std::string_view joiner, const Citation& second) {
    std::string text(first.item);
    text += joiner;
    std::string_view item = second.item;
    const std::size_t clause = item.find('(');
    if (clause != std::string_view::npos && first.item.substr(0, clause) == item.substr(0, clause))
        item.remove_prefix(clause);
    text += item;
    return text;
}

}  // namespace ferrovolt
