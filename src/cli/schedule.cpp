// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/schedule.h"

#include <csv.h>

#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "circuit/circuit_fields.h"
#include "cli/cli_app.h"
#include "cli/command_output.h"

namespace ferrovolt {

namespace {

// A header cell as an input's key: a byte-order mark, case, surrounding blanks, a leading
// "--" and the difference between "-", " " and "_" aside ("Max drop", "--max-drop",
// "max_drop").
std::string keyOf(std::string_view header) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // spreadsheets write one
    if (header.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        header.remove_prefix(kByteOrderMark.size());
    const auto first = header.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    header = header.substr(first, header.find_last_not_of(" \t") - first + 1);
    if (header.substr(0, 2) == "--") header.remove_prefix(2);
    std::string key;
    for (const char c : header)
        key += c == '-' || c == ' '
                   ? '_'
                   : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

void appendCell(std::string& out, std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos && !cell.empty() &&
        cell.front() != ' ' && cell.back() != ' ') {
        out += cell;
        return;
    }
    if (cell.empty()) return;
    const std::size_t start = out.size();
    out.resize(start + cell.size() * 2 + 2);
    const std::size_t written =
        csv_write(out.data() + start, out.size() - start, cell.data(), cell.size());
    out.resize(start + written);
}

class Schedule {
public:
    Schedule(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    void cell(std::string_view text) { m_row.emplace_back(text); }
    void endRow();
    bool failed() const { return m_failed; }
    bool haveHeader() const { return m_haveHeader; }
    void flush() {
        m_out.write(m_text.data(), static_cast<std::streamsize>(m_text.size()));
        m_text.clear();
    }

private:
    void header();
    void answer();

    std::ostream& m_out;
    std::ostream& m_err;
    std::vector<std::string> m_row;
    std::vector<const CircuitField*> m_columns;  // the input each column sets, or null
    bool m_haveHeader = false;
    bool m_failed = false;
    std::string m_text;
};

void Schedule::endRow() {
    if (m_failed) return;
    if (!m_haveHeader) {
        header();
    } else {
        answer();
    }
    m_row.clear();
    if (m_text.size() >= (1 << 16)) flush();
}

void Schedule::header() {
    m_haveHeader = true;
    for (const std::string& cell : m_row) m_columns.push_back(circuitField(keyOf(cell)));
    for (const CircuitField& field : kCircuitFields) {
        if (!field.required) continue;
        bool found = false;
        for (const CircuitField* column : m_columns) found = found || column == &field;
        if (found) continue;
        m_err << kProgram << ": schedule: the header names no \"" << field.key << "\" column\n";
        m_failed = true;
        return;
    }
    for (const std::string& cell : m_row) {
        appendCell(m_text, cell);
        m_text += ',';
    }
    for (const CircuitRow& row : kCircuitRows) {
        m_text += row.key;
        m_text += ',';
    }
    m_text += "refused,reason\r\n";
}

void Schedule::answer() {
    CircuitInputs inputs;
    std::optional<CircuitRefusal> refusal;
    for (std::size_t i = 0; i < m_row.size() && i < m_columns.size() && !refusal; ++i) {
        const CircuitField* field = m_columns[i];
        if (field == nullptr || m_row[i].find_first_not_of(" \t") == std::string::npos) continue;
        if (std::optional<std::string> reason = field->set(inputs, m_row[i]))
            refusal = CircuitRefusal{field->key, std::move(*reason)};
    }
    for (std::size_t i = 0; i < m_columns.size() && !refusal; ++i) {
        const CircuitField* field = m_columns[i];
        if (field != nullptr && field->required &&
            (i >= m_row.size() || m_row[i].find_first_not_of(" \t") == std::string::npos))
            refusal = CircuitRefusal{field->key, "is empty"};
    }
    CircuitResult result = refusal ? CircuitResult(std::move(*refusal)) : checkCircuit(inputs);

    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (i < m_row.size()) appendCell(m_text, m_row[i]);
        m_text += ',';
    }
    if (const auto* answer = std::get_if<CircuitAnswer>(&result)) {
        for (const CircuitRow& row : kCircuitRows) {
            const CircuitValue value = row.value(*answer);
            if (const auto* number = std::get_if<double>(&value))
                m_text += circuitNumberText(*number, row.decimals);
            else if (const auto* text = std::get_if<std::string_view>(&value))
                appendCell(m_text, *text);
            else
                appendCell(m_text, row.absent);  // "Out of range." where the sheet says it
            m_text += ',';
        }
        m_text += ",\r\n";
        return;
    }
    const auto& refused = std::get<CircuitRefusal>(result);
    m_text.append(kCircuitRows.size(), ',');
    m_text += refused.field;
    m_text += ',';
    appendCell(m_text, refused.reason);
    m_text += "\r\n";
}

void onField(void* data, std::size_t size, void* schedule) {
    static_cast<Schedule*>(schedule)->cell({static_cast<const char*>(data), size});
}

void onRow(int, void* schedule) {
    static_cast<Schedule*>(schedule)->endRow();
}

}  // namespace

int runScheduleText(std::istream& in, std::ostream& out, std::ostream& err) {
    csv_parser parser;
    if (csv_init(&parser, CSV_APPEND_NULL) != 0) {
        err << kProgram << ": schedule: out of memory\n";
        return kExitUsage;
    }
    Schedule schedule(out, err);
    std::vector<char> block(1 << 16);
    bool parsed = true;
    while (in && parsed) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        parsed = csv_parse(&parser, block.data(), got, onField, onRow, &schedule) == got;
    }
    if (parsed) parsed = csv_fini(&parser, onField, onRow, &schedule) == 0;
    const bool readFailed = in.bad();
    const std::string problem = parsed ? std::string() : csv_strerror(csv_error(&parser));
    csv_free(&parser);
    if (!parsed || readFailed) {
        err << kProgram << ": schedule: "
            << (readFailed ? std::string("the file could not be read") : oneLine(problem)) << '\n';
        return kExitUsage;
    }
    if (schedule.failed()) return kExitUsage;
    if (!schedule.haveHeader()) {
        err << kProgram << ": schedule: the file is empty: its first row must name the inputs\n";
        return kExitUsage;
    }
    schedule.flush();
    out.flush();
    if (!out) {
        err << kProgram << ": the output could not be written\n";
        return kExitWriteFailed;
    }
    return kExitOk;
}

int runSchedule(const std::string& path, std::ostream& out, std::ostream& err) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << kProgram << ": schedule: " << oneLine(path) << " cannot be opened\n";
        return kExitUsage;
    }
    return runScheduleText(file, out, err);
}

}  // namespace ferrovolt
