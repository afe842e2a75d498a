// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_rows.h"

#include <vector>

#include "cli/command.h"
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

// The fixed parts of a row's JSON, written once: an answer is then a handful of appends a row
// rather than dozens, which batch would feel.
// The quotes around a plain result text are part of them: the answer is written with a
// few appends a row, which batch feels.
struct RowJson {
    std::string output;  // ","Dia_mm":"   (the first row starts at its third character)
    std::string row;     // ,{"key":"diameter_mm","caption":"Diameter","text":"
    std::string unit;    // ,"unit":"Millimeters"}
};

struct CalculatorJson {
    const CalculatorDescription* calculator;
    std::vector<RowJson> rows;
};

std::string jsonString(std::string_view text) {
    std::string json;
    appendString(json, text);
    return json;
}

std::vector<CalculatorJson> buildJson() {
    std::vector<CalculatorJson> all;
    for (const Command* command : calculatorCommands()) {
        CalculatorJson calculator{&command->description(), {}};
        for (const RowDescription& row : command->description().rows)
            calculator.rows.push_back({"\"," + jsonString(row.label) + ":\"",
                                       ",{\"key\":" + jsonString(row.key) + ",\"caption\":" +
                                           jsonString(plainCaption(row)) + ",\"text\":\"",
                                       ",\"unit\":" + jsonString(row.unit) + "}"});
        all.push_back(std::move(calculator));
    }
    return all;
}

const RowJson* rowsJson(const CalculatorDescription& calculator) {
    static const std::vector<CalculatorJson> all = buildJson();
    for (const CalculatorJson& json : all)
        if (json.calculator == &calculator) return json.rows.data();
    return nullptr;  // every Outputs belongs to a registered calculator
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

namespace {

// The row's fixed part without the text's opening quote and the separator before it.
std::string_view unquoted(const std::string& part, std::size_t separator) {
    return std::string_view(part).substr(separator, part.size() - separator - 1);
}

// Any answer, escaping the texts that need it.
void appendEscaped(std::string& out, const Outputs& outputs, const RowJson* json) {
    out += "{\"outputs\":{";
    std::size_t i = 0;
    for (const OutputRow& row : outputs) {
        out += unquoted(json[i].output, i == 0 ? 2 : 1);
        ++i;
        appendString(out, row.text);
    }
    out += "},\"rows\":[";
    i = 0;
    for (const OutputRow& row : outputs) {
        out += unquoted(json[i].row, i == 0 ? 1 : 0);
        ++i;
        appendString(out, row.text);
        out += ",\"value\":";
        const std::string_view number = jsonNumberOf(row.text);
        out += number.empty() ? std::string_view("null") : number;
        out += ",\"unit\":";
        appendString(out, row.unit);
        out += '}';
    }
    out += "]}";
}

}  // namespace

void appendOutputs(std::string& out, const Outputs& outputs) {
    const RowJson* json = rowsJson(outputs.calculator());
    for (const OutputRow& row : outputs)
        if (!plainJsonText(row.text) || !plainJsonText(row.unit))
            return appendEscaped(out, outputs, json);

    // Result texts are number texts or our own words: JSON strings as they stand.
    out += "{\"outputs\":{";
    std::size_t i = 0;
    for (const OutputRow& row : outputs) {
        out += std::string_view(json[i].output).substr(i == 0 ? 2 : 0);
        ++i;
        out += row.text;
    }
    out += "\"},\"rows\":[";
    i = 0;
    for (const OutputRow& row : outputs) {
        const RowJson& fixed = json[i];
        out += std::string_view(fixed.row).substr(i == 0 ? 1 : 0);
        ++i;
        out += row.text;
        out += "\",\"value\":";
        const std::string_view number = jsonNumberOf(row.text);
        out += number.empty() ? std::string_view("null") : number;
        if (row.unit.data() == row.row->unit.data()) {
            out += fixed.unit;
        } else {
            out += ",\"unit\":\"";
            out += row.unit;
            out += "\"}";
        }
    }
    out += "]}";
}

}  // namespace ferrovolt
