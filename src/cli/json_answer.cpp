// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_answer.h"

#include <nlohmann/json.hpp>

#include "cli/json_rows.h"

namespace ferrovolt {

namespace {

// The answer's shape is fixed and its names are ours, so the braces are written here. A text
// of printable ASCII other than the quote and the backslash is a JSON string as it stands;
// anything else goes through the JSON library, which escapes it (and replaces bytes that are
// not UTF-8 rather than failing, so an answer is always written). A whole document per answer
// would cost more than the calculation it reports.

}  // namespace

bool plainJsonText(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') return false;
    }
    return true;
}

void appendString(std::string& out, std::string_view text) {
    if (plainJsonText(text)) {
        out += '"';
        out += text;
        out += '"';
        return;
    }
    out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void appendAnswer(std::string& out, const Outcome& outcome) {
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        out += "{\"refused\":";
        appendString(out, fieldName(refusal->field));
        out += '}';
        return;
    }
    appendOutputs(out, std::get<Outputs>(outcome));
}

void appendError(std::string& out, std::string_view message) {
    out += "{\"error\":";
    appendString(out, message);
    out += '}';
}

}  // namespace ferrovolt
