// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a code's tables and rules are printed, and a table that carries it: every code's
// trail cites from these, so a clause or an edition is written once, beside its data.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ferrovolt {

// The document with its edition, and the item in it.
struct Citation {
    std::string_view document;  // "IEC 60364-5-52:2009", "NEC 2023"
    std::string_view item;      // "Table B.52.4", "310.10(G)"
};

// The printed form of a citation: "IEC 60364-5-52:2009 Table B.52.4".
std::string citationText(const Citation& cite);

// Two items of one clause as a text names them together, the second without the clause they
// share: 240.4(B) and 240.4(C) joined by " and " are "240.4(B) and (C)".
std::string citedItems(const Citation& first, std::string_view joiner, const Citation& second);

// Words a text puts around a citation's item, given as a template argument.
template <std::size_t N>
struct Words {
    char chars[N] = {};
    constexpr Words(const char (&words)[N]) {
        for (std::size_t i = 0; i < N; ++i) chars[i] = words[i];
    }
    constexpr std::string_view view() const { return {chars, N - 1}; }
};

template <Words before, const Citation& cite, Words after>
inline constexpr auto kCitedChars = [] {
    std::array<char, before.view().size() + cite.item.size() + after.view().size()> out{};
    std::size_t at = 0;
    for (const std::string_view part : {before.view(), cite.item, after.view()})
        for (const char c : part) out[at++] = c;
    return out;
}();

// A text that names a clause, joined once when compiled so that a text a constant holds (a
// choice's words, a field's help) takes the clause from its Citation:
// citedWords<"Auto, by ", kRuleTerminals>() is "Auto, by 110.14(C)(1)".
template <Words before, const Citation& cite, Words after = "">
constexpr std::string_view citedWords() {
    const auto& chars = kCitedChars<before, cite, after>;
    return {chars.data(), chars.size()};
}

// The two published reproductions a table's cells were read from and checked against; where
// they disagree, the choice is written beside the table.
struct Reproductions {
    std::string_view readFrom;
    std::string_view checkedAgainst;
};

// A table of a code: its citation, its rows as printed, and the reproductions behind them. It
// reads as its rows: table[i], table.size(), a range over it.
template <class Row, std::size_t N>
struct CodeTable {
    Citation cite;
    std::array<Row, N> rows;
    Reproductions sources = {};

    constexpr const Row& operator[](std::size_t i) const { return rows[i]; }
    static constexpr std::size_t size() { return N; }
    constexpr auto begin() const { return rows.begin(); }
    constexpr auto end() const { return rows.end(); }
    constexpr const Row& front() const { return rows.front(); }
    constexpr const Row& back() const { return rows.back(); }
};

}  // namespace ferrovolt
