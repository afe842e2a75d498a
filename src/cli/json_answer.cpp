#include "cli/json_answer.h"

#include <array>

namespace ferrovolt {

namespace {

// Answers are written directly rather than built as a JSON value and dumped: every batch
// line goes through here, and a document per answer costs several times the calculation.
// The shape is fixed and the names are ours; only the texts need escaping.
bool needsEscape(char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

void appendString(std::string& out, std::string_view text) {
    static constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                               '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    out += '"';
    std::size_t plain = 0;  // start of the run not yet copied
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!needsEscape(c)) continue;
        out.append(text.substr(plain, i - plain));
        plain = i + 1;
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += '\\';
            out += c;
        }
    }
    out.append(text.substr(plain));
    out += '"';
}

}  // namespace

void appendAnswer(std::string& out, const Outcome& outcome) {
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        out += "{\"refused\":";
        appendString(out, fieldName(refusal->field));
        out += '}';
        return;
    }
    out += "{\"outputs\":{";
    bool first = true;
    for (const OutputRow& row : std::get<Outputs>(outcome)) {
        if (!first) out += ',';
        first = false;
        appendString(out, row.name);
        out += ':';
        appendString(out, row.text);
    }
    out += "}}";
}

void appendError(std::string& out, std::string_view message) {
    out += "{\"error\":";
    appendString(out, message);
    out += '}';
}

}  // namespace ferrovolt
