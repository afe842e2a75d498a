// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_rows.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "cli/command.h"
#include "cli/json_answer.h"

namespace ferrovolt {

namespace {

bool isDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

// An answer is its calculator's fixed parts, escaped once, with the result texts between
// them. The parts of every calculator stand in one buffer, each followed by kStride spare
// bytes, so that they are copied in strides of kStride bytes: a few instructions a part.
constexpr std::size_t kStride = 16;

struct Part {
    std::uint32_t offset;
    std::uint32_t size;
};

// Each part carries the quotes around the texts next to it.
struct RowParts {
    Part output;  // {"outputs":{"Dia_mm":"      and then       ","Dia_inch":"
    Part row;     // "},"rows":[{"key":"diameter_mm","caption":"Diameter","text":"   and then
                  // ,{"key":...,"text":"
    Part unit;    // ,"unit":"Millimeters"}
};

struct CalculatorParts {
    const CalculatorDescription* calculator;
    std::vector<RowParts> rows;
    std::size_t size;  // of all its parts
};

std::string jsonString(std::string_view text) {
    std::string json;
    appendString(json, text);
    return json;
}

class AnswerParts {
public:
    AnswerParts() {
        for (const Command* command : calculatorCommands()) {
            const CalculatorDescription& calculator = command->description();
            CalculatorParts parts{&calculator, {}, 0};
            bool first = true;
            for (const RowDescription& row : calculator.rows) {
                const RowParts& added = parts.rows.emplace_back(RowParts{
                    add((first ? "{\"outputs\":{" : "\",") + jsonString(row.label) + ":\""),
                    add((first ? "\"},\"rows\":[" : ",") + ("{\"key\":" + jsonString(row.key)) +
                        ",\"caption\":" + jsonString(plainCaption(row)) + ",\"text\":\""),
                    add(",\"unit\":" + jsonString(row.unit) + "}")});
                parts.size += added.output.size + added.row.size + added.unit.size;
                first = false;
            }
            m_calculators.push_back(std::move(parts));
        }
    }

    const CalculatorParts& of(const CalculatorDescription& calculator) const {
        for (const CalculatorParts& parts : m_calculators)
            if (parts.calculator == &calculator) return parts;
        return m_calculators.front();  // every Outputs belongs to a registered calculator
    }

    const char* at(Part part) const { return m_text.data() + part.offset; }
    std::string_view text(Part part) const { return {at(part), part.size}; }

private:
    Part add(const std::string& text) {
        const Part part{static_cast<std::uint32_t>(m_text.size()),
                        static_cast<std::uint32_t>(text.size())};
        m_text += text;
        m_text.append(kStride, ' ');
        return part;
    }

    std::string m_text;
    std::vector<CalculatorParts> m_calculators;
};

const AnswerParts& answerParts() {
    static const AnswerParts parts;
    return parts;
}

// Copies `size` bytes in strides: reads up to kStride - 1 bytes past the end of `from` and
// writes as many past the end of the copy, both inside room made for them.
char* copyStrides(char* to, const char* from, std::size_t size) {
    for (std::size_t i = 0; i < size; i += kStride) std::memcpy(to + i, from + i, kStride);
    return to + size;
}

constexpr std::array<bool, 256> kPlainBytes = [] {
    std::array<bool, 256> plain{};
    for (std::size_t c = 0x20; c < 0x7F; ++c) plain[c] = c != '"' && c != '\\';
    return plain;
}();

// True when none of the eight bytes is below 0x20, 0x7F or above, a quote or a backslash
// (each test sets the top bit of a byte that fails it).
bool plainWord(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kTops = 0x8080808080808080;
    const auto zeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v; };
    const std::uint64_t below = (word - 0x20 * kOnes) & ~word;
    return ((below | zeroByte(word ^ ('"' * kOnes)) | zeroByte(word ^ ('\\' * kOnes)) |
             zeroByte(word ^ (0x7F * kOnes)) | word) &
            kTops) == 0;
}

// Copies a text that is a JSON string as it stands; null when it is not one. Eight bytes at a
// time, the last eight overlapping the ones before.
char* copyPlain(char* to, std::string_view text) {
    const std::size_t size = text.size();
    if (size < 8) {
        for (const char c : text) {
            if (!kPlainBytes[static_cast<unsigned char>(c)]) return nullptr;
            *to++ = c;
        }
        return to;
    }
    std::uint64_t word = 0;
    for (std::size_t i = 0;; i += 8) {
        const std::size_t at = i + 8 <= size ? i : size - 8;
        std::memcpy(&word, text.data() + at, 8);
        if (!plainWord(word)) return nullptr;
        std::memcpy(to + at, &word, 8);
        if (at + 8 == size) return to + size;
    }
}

// Any answer, escaping the texts that need it. Each part's quotes next to a text are left
// out: appendString writes them.
template <typename Rows>
void appendEscaped(std::string& out, const Rows& outputs, const CalculatorParts& parts) {
    const AnswerParts& all = answerParts();
    std::size_t i = 0;
    for (const auto& row : outputs) {
        const std::string_view output = all.text(parts.rows[i].output);
        out += output.substr(i == 0 ? 0 : 1, output.size() - (i == 0 ? 1 : 2));
        appendString(out, row.text);
        ++i;
    }
    i = 0;
    for (const auto& row : outputs) {
        const std::string_view fixed = all.text(parts.rows[i].row);
        out += fixed.substr(i == 0 ? 1 : 0, fixed.size() - (i == 0 ? 2 : 1));
        appendString(out, row.text);
        out += ",\"value\":";
        const std::string_view number = jsonNumberOf(row.text);
        out += number.empty() ? std::string_view("null") : number;
        out += ",\"unit\":";
        appendString(out, row.unit);
        out += '}';
        ++i;
    }
    out += "]}";
}

template <typename Rows>
void appendRows(std::string& out, const Rows& outputs);

}  // namespace

std::string_view jsonNumberOf(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p != end && *p == ' ') ++p;
    while (end != p && end[-1] == ' ') --end;
    const char* start = p;
    // JSON's grammar: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
    const auto digitRun = [&p, end] {
        if (p == end || !isDigit(*p)) return false;
        while (++p != end && isDigit(*p)) {
        }
        return true;
    };
    if (p != end && *p == '-') ++p;
    if (p != end && *p == '0')
        ++p;
    else if (!digitRun())
        return {};
    if (p != end && *p == '.' && (++p, !digitRun())) return {};
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p != end && (*p == '+' || *p == '-')) ++p;
        if (!digitRun()) return {};
    }
    return p == end ? std::string_view(start, static_cast<std::size_t>(end - start))
                    : std::string_view();
}

void appendOutputsEscaped(std::string& out, const Outputs& outputs) {
    appendEscaped(out, outputs, answerParts().of(outputs.calculator()));
}

void appendOutputsEscaped(std::string& out, const OutputTexts& outputs) {
    appendEscaped(out, outputs, answerParts().of(outputs.calculator()));
}

void appendOutputs(std::string& out, const Outputs& outputs) {
    appendRows(out, outputs);
}

void appendOutputs(std::string& out, const OutputTexts& outputs) {
    appendRows(out, outputs);
}

namespace {

template <typename Rows>
void appendRows(std::string& out, const Rows& outputs) {
    const AnswerParts& all = answerParts();
    const CalculatorParts& parts = all.of(outputs.calculator());
    // Room for the parts, each text three times (output, row and value), the units and the
    // strides' overrun.
    std::size_t room = parts.size + kStride;
    for (const auto& row : outputs) room += 3 * row.text.size() + row.unit.size() + 32;
    const std::size_t start = out.size();
    out.resize(start + room);
    char* to = out.data() + start;

    // Result texts are number texts or our own words: JSON strings as they stand. Each is
    // checked as it is written into "outputs", and taken from there for its row.
    std::array<const char*, 8> texts{};
    std::size_t i = 0;
    for (const auto& row : outputs) {
        const RowParts& fixed = parts.rows[i];
        to = copyStrides(to, all.at(fixed.output), fixed.output.size);
        texts[i++] = to;
        to = copyPlain(to, row.text);
        if (to == nullptr) break;
    }
    i = 0;
    for (const auto& row : outputs) {
        if (to == nullptr) break;
        const RowParts& fixed = parts.rows[i];
        to = copyStrides(to, all.at(fixed.row), fixed.row.size);
        const std::string_view text(texts[i++], row.text.size());
        to = copyStrides(to, text.data(), text.size());
        constexpr std::string_view kValue = "\",\"value\":";
        std::memcpy(to, kValue.data(), kValue.size());
        to += kValue.size();
        const std::string_view number = jsonNumberOf(text);
        if (number.empty()) {
            std::memcpy(to, "null", 4);
            to += 4;
        } else {
            to = copyStrides(to, number.data(), number.size());
        }
        if (row.unit.data() == row.row->unit.data()) {
            to = copyStrides(to, all.at(fixed.unit), fixed.unit.size);
        } else {
            constexpr std::string_view kUnit = ",\"unit\":\"";
            std::memcpy(to, kUnit.data(), kUnit.size());
            to = copyPlain(to + kUnit.size(), row.unit);
            if (to == nullptr) break;
            std::memcpy(to, "\"}", 2);
            to += 2;
        }
    }
    if (to == nullptr) {
        out.resize(start);
        return appendEscaped(out, outputs, parts);
    }
    std::memcpy(to, "]}", 2);
    to += 2;
    out.resize(static_cast<std::size_t>(to - out.data()));
}

}  // namespace

}  // namespace ferrovolt
