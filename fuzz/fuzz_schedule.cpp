// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule's CSV reader and `ferrovolt-calc schedule` with any bytes: no row is lost,
// nothing crashes, memory stays bounded.
// - Rows come out in order, each on the line after the one before it ended: a row read whole
//   ends after the line breaks its cells hold, a stray quote's row on the line it opened on,
//   a row with text after a closing quote on its own line; the last ends on the last line.
// - With small limits and the input repeated to many times their size, the reader never
//   holds more than the limits allow.
// - The schedule writes one row per input row, each with the header's cell count and its
//   input line, or stops with status 2 at a bad header or a NUL byte; refused rows and rows
//   failing a criterion are counted on standard error.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/schedule.h"
#include "csv/csv_reader.h"
#include "fuzz_support.h"

namespace {

using namespace ferrovolt;
using fuzz::require;
using Fault = CsvRow::Fault;

// The input repeated until `size` bytes have been read.
class Repeated : public std::streambuf {
public:
    Repeated(std::string text, std::size_t size) : m_text(std::move(text)), m_left(size) {}

protected:
    int_type underflow() override {
        if (m_text.empty() || m_left == 0) return traits_type::eof();
        const std::size_t n = std::min(m_text.size(), m_left);
        m_left -= n;
        setg(m_text.data(), m_text.data(), m_text.data() + n);
        return traits_type::to_int_type(m_text[0]);
    }

private:
    std::string m_text;
    std::size_t m_left;
};

std::size_t breaksIn(std::string_view text) {
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++breaks;
    return breaks;
}

// The rows of `text`; checks that each starts where the one before it ended.
std::size_t checkRows(const std::string& text, std::size_t maxCell, std::size_t maxRow) {
    std::istringstream in(text);
    CsvReader reader(in, maxCell, maxRow);
    CsvRow row;
    std::size_t rows = 0;
    std::size_t expected = 1;  // the line the next row must start on; 0 when it cannot be known
    while (reader.next(row)) {
        ++rows;
        // A NUL byte is reported on the line it stands on, even after a row on that line.
        require(expected == 0 || row.line == expected || row.fault == Fault::NulByte,
                "a row starts off the line it must",
                std::to_string(row.line) + " for " + std::to_string(expected));
        require(row.fault != Fault::None || !row.cells.empty(), "a row without cells");
        std::size_t held = 0;
        for (const std::string_view cell : row.cells) {
            require(cell.size() <= maxCell, "a cell past the limit was kept");
            held += cell.size();
        }
        require(held <= maxRow, "a row past the limit was kept");
        switch (row.fault) {
            case Fault::None: {
                std::size_t breaks = 0;
                for (const std::string_view cell : row.cells) breaks += breaksIn(cell);
                expected = row.line + breaks + 1;
                break;
            }
            case Fault::OpenQuote:
            case Fault::QuoteInCell:
                require(row.faultLine >= row.line, "a fault before its row");
                expected = row.faultLine + 1;
                break;
            case Fault::NulByte:
                require(text.find('\0') != std::string::npos, "a NUL byte that is not there");
                require(!reader.next(row), "a row after a NUL byte");
                return rows;
            case Fault::CellTooLong:
            case Fault::RowTooLong:
                expected = 0;  // its quoted cells may have crossed lines unseen
                break;
        }
    }
    require(text.find('\0') == std::string::npos, "a NUL byte read as text");
    // The line after the last row is the one after the text's last line break, or after the
    // last line when the text ends without one.
    if (expected != 0 && !text.empty()) {
        const bool endsWithBreak = text.back() == '\n' || text.back() == '\r';
        const std::size_t lines = breaksIn(text) + (endsWithBreak ? 1 : 2);
        require(expected == lines, "the rows end off the text's last line",
                std::to_string(expected) + " for " + std::to_string(lines));
    }
    return rows;
}

void checkMemory(const std::string& text) {
    constexpr std::size_t kCell = 16;
    constexpr std::size_t kRow = 64;
    Repeated source(text, std::size_t{1} << 14);
    std::istream in(&source);
    CsvReader reader(in, kCell, kRow);
    CsvRow row;
    while (reader.next(row))
        require(reader.heldBytes() <= 32 * kRow + 8 * kCell + 4096, "the reader holds too much",
                std::to_string(reader.heldBytes()));
}

void checkSchedule(const std::string& text, std::size_t inputRows) {
    std::istringstream in(text);
    std::ostringstream out, err;
    const int status = runScheduleText(in, out, err);
    require(status == 0 || status == 2, "a schedule status other than 0 or 2");
    if (status != 0) return;
    std::istringstream written(out.str());
    CsvReader reader(written);
    CsvRow row;
    require(reader.next(row) && row.fault == Fault::None, "no header written");
    const std::size_t columns = row.cells.size();
    const auto line = std::find(row.cells.begin(), row.cells.end(), "answer_line");
    require(line != row.cells.end(), "no answer_line column");
    const auto lineColumn = static_cast<std::size_t>(line - row.cells.begin());
    const std::size_t refusedColumn = columns - 2;  // answer_refused, answer_reason
    require(row.cells[refusedColumn] == "answer_refused", "no answer_refused column");
    const auto meetsAll = std::find(row.cells.begin(), row.cells.end(), "answer_meets_all");
    const std::optional<std::size_t> meetsAllColumn =
        meetsAll == row.cells.end()
            ? std::nullopt
            : std::optional<std::size_t>(static_cast<std::size_t>(meetsAll - row.cells.begin()));
    std::size_t rows = 0;
    std::size_t refused = 0;
    std::size_t failing = 0;
    std::size_t previous = 1;
    while (reader.next(row)) {
        ++rows;
        require(row.fault == Fault::None && row.cells.size() == columns,
                "an answer row of another shape");
        const std::size_t at = std::stoul(std::string(row.cells[lineColumn]));
        require(at > previous, "answer rows out of order");
        previous = at;
        if (!row.cells[refusedColumn].empty()) ++refused;
        if (meetsAllColumn && row.cells[*meetsAllColumn] == "false") ++failing;
    }
    require(rows + 1 == inputRows, "a row lost or added",
            std::to_string(rows) + " answered of " + std::to_string(inputRows - 1));
    // The count is the last line; a header cell echoed in an earlier one may hold any text.
    const std::string of = " of " + std::to_string(rows) + (rows == 1 ? " row" : " rows");
    std::string count;
    if (refused > 0 && failing > 0)
        count = ": schedule: " + std::to_string(refused) + of + " refused and " +
                std::to_string(failing) +
                " failing a criterion; answer_refused, answer_reason and answer_fails say why\n";
    else if (refused > 0)
        count = ": schedule: " + std::to_string(refused) + of +
                " refused; answer_refused and answer_reason say why\n";
    else if (failing > 0)
        count = ": schedule: " + std::to_string(failing) + of +
                " failing a criterion; answer_fails says which\n";
    const std::string said = err.str();
    require(!count.empty() ? said.ends_with(count)
                           : !said.ends_with(" say why\n") && !said.ends_with(" says which\n"),
            "refused or failing rows not counted", said);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkRows(text, 16, 64);
    const std::size_t rows = checkRows(text, CsvReader::kMaxCellBytes, CsvReader::kMaxRowBytes);
    checkMemory(text);
    checkSchedule(text, rows);
    return 0;
}
