// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_answer.h"

#include <array>

#include <nlohmann/json.hpp>

#include "cli/json_rows.h"

namespace ferrovolt {

namespace {

// The answer's shape is fixed and its names are ours, so the braces are written here. A text
// of printable ASCII other than the quote and the backslash is a JSON string as it stands;
// the others are escaped here as the JSON library writes them, and a text with bytes of 0x80 or
// more goes through the library, which keeps well-formed UTF-8 and replaces the rest rather
// than failing, so an answer is always written.

constexpr char kHigh = 1;

// What a byte needs in a JSON string: 0 nothing, the letter of its escape ('u' for \u00XX),
// or kHigh.
constexpr std::array<char, 256> kEscapes = [] {
    std::array<char, 256> escapes{};
    for (std::size_t c = 0; c < 0x20; ++c) escapes[c] = 'u';
    escapes['\b'] = 'b';
    escapes['\t'] = 't';
    escapes['\n'] = 'n';
    escapes['\f'] = 'f';
    escapes['\r'] = 'r';
    escapes['"'] = '"';
    escapes['\\'] = '\\';
    for (std::size_t c = 0x80; c < escapes.size(); ++c) escapes[c] = kHigh;
    return escapes;
}();

char escapeOf(char c) {
    return kEscapes[static_cast<unsigned char>(c)];
}

}  // namespace

bool plainJsonText(std::string_view text) {
    for (const char c : text) {
        if (escapeOf(c) != 0 || c == '\x7F') return false;
    }
    return true;
}

void appendString(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out += '"';
    std::size_t plain = 0;  // the start of the run not yet written
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char escape = escapeOf(text[i]);
        if (escape == 0) continue;
        if (escape == kHigh) {
            out.resize(start);
            out +=
                nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
            return;
        }
        out.append(text.data() + plain, i - plain);
        plain = i + 1;
        out += '\\';
        out += escape;
        if (escape == 'u') {
            constexpr std::string_view kHex = "0123456789abcdef";
            const auto byte = static_cast<unsigned char>(text[i]);
            out += "00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    out.append(text.data() + plain, text.size() - plain);
    out += '"';
}

void appendRefusal(std::string& out, const Refusal& refusal) {
    out += "{\"refused\":";
    appendString(out, fieldName(refusal.field));
    out += '}';
}

void appendAnswer(std::string& out, const Outcome& outcome) {
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) return appendRefusal(out, *refusal);
    appendOutputs(out, std::get<Outputs>(outcome));
}

void appendError(std::string& out, std::string_view message) {
    out += "{\"error\":";
    appendString(out, message);
    out += '}';
}

}  // namespace ferrovolt
