#include "cli/json_rows.h"

#include "cli/json_answer.h"

namespace ferrovolt {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips a run of digits; false when there is none.
bool digits(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    return i > start;
}

// The description's keys, captions and units are plain ASCII without quotes or backslashes
// (a test keeps them so), so they are JSON strings as they stand.
void appendPlain(std::string& out, std::string_view text) {
    out += '"';
    out += text;
    out += '"';
}

}  // namespace

std::string_view jsonNumberOf(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    // JSON's grammar: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
    std::size_t i = 0;
    if (text[i] == '-') ++i;
    if (i < text.size() && text[i] == '0')
        ++i;
    else if (i >= text.size() || !digits(text, i))
        return {};
    if (i < text.size() && text[i] == '.' && !digits(text, ++i)) return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (!digits(text, i)) return {};
    }
    return i == text.size() ? text : std::string_view();
}

void appendRows(std::string& out, const Outputs& outputs) {
    out += ",\"rows\":[";
    bool first = true;
    for (const OutputRow& row : outputs) {
        out += first ? "{\"key\":" : ",{\"key\":";
        first = false;
        appendPlain(out, row.row->key);
        out += ",\"caption\":";
        appendPlain(out, plainCaption(*row.row));
        out += ",\"text\":";
        appendString(out, row.text);
        out += ",\"value\":";
        const std::string_view number = jsonNumberOf(row.text);
        out += number.empty() ? std::string_view("null") : number;
        out += ",\"unit\":";
        appendPlain(out, row.unit);
        out += '}';
    }
    out += ']';
}

}  // namespace ferrovolt
