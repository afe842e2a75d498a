// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv/csv_reader.h"

#include <algorithm>

namespace ferrovolt {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

bool isBreak(int c) {
    return c == '\n' || c == '\r';
}

}  // namespace

bool CsvRow::blank() const {
    return std::all_of(cells.begin(), cells.end(), [](std::string_view cell) {
        return cell.find_first_not_of(" \t") == std::string_view::npos;
    });
}

CsvReader::CsvReader(std::istream& in, std::size_t maxCellBytes, std::size_t maxRowBytes)
    : m_in(in),
      m_maxCell(maxCellBytes),
      m_maxRow(maxRowBytes),
      m_block(std::make_unique_for_overwrite<char[]>(kBlockBytes)) {}

bool CsvReader::fill() {
    if (m_stopped || m_readFailed) return false;
    m_in.read(m_block.get(), static_cast<std::streamsize>(kBlockBytes));
    m_pos = 0;
    m_end = static_cast<std::size_t>(m_in.gcount());
    if (m_in.bad()) m_readFailed = true;
    return m_end > 0;
}

int CsvReader::peek() {
    if (m_replayPos < m_replay.size()) return static_cast<unsigned char>(m_replay[m_replayPos]);
    if (m_pos == m_end && !fill()) return kEnd;
    return static_cast<unsigned char>(m_block[m_pos]);
}

int CsvReader::get() {
    int c = kEnd;
    if (m_replayPos < m_replay.size()) {
        c = static_cast<unsigned char>(m_replay[m_replayPos++]);
    } else {
        if (m_pos == m_end && !fill()) return kEnd;
        c = static_cast<unsigned char>(m_block[m_pos++]);
    }
    if (m_holding) m_held += static_cast<char>(c);
    if (m_raw.size() <= m_maxRow) m_raw += static_cast<char>(c);
    return c;
}

// Takes the LF of a CRLF after `c`, and counts the line.
bool CsvReader::lineBreak(int c) {
    if (c == '\r' && peek() == '\n') get();
    ++m_line;
    return true;
}

// Passes over the rest of the line without looking at quotes; a NUL byte is left for the
// next row to report.
void CsvReader::skipLine() {
    for (int c = peek(); c != kEnd && c != '\0'; c = peek()) {
        get();
        if (isBreak(c)) {
            lineBreak(c);
            return;
        }
    }
}

// The quoted cell that crossed a line break was a stray quote: the lines after the one it
// opened on are read again as rows of their own.
void CsvReader::replayHeld() {
    m_holding = false;
    m_rowReplayed = m_held.size();
    m_held.append(m_replay, m_replayPos);
    m_replay.swap(m_held);
    m_replayPos = 0;
    m_held.clear();
}

// The text of a row with a stray quote: its bytes but for those read again as rows of their
// own and its line break; none where the row outgrew the limit.
void CsvReader::keepText(CsvRow& row) {
    if (m_raw.size() > m_maxRow || m_rowReplayed > m_raw.size()) return;
    std::string_view text(m_raw.data(), m_raw.size() - m_rowReplayed);
    while (!text.empty() && isBreak(text.back())) text.remove_suffix(1);
    row.text = text;
}

void CsvReader::append(CsvRow& row, char c) {
    if (row.fault != CsvRow::Fault::None) return;
    if (m_text.size() - m_cellStart >= m_maxCell) {
        row.fault = CsvRow::Fault::CellTooLong;
        row.faultLine = m_line;
        row.faultCell = m_ends.size() + 1;
        return;
    }
    m_text += c;
}

void CsvReader::endCell(CsvRow& row) {
    if (row.fault != CsvRow::Fault::None) return;
    m_ends.push_back(m_text.size());
    m_cellStart = m_text.size();
}

bool CsvReader::next(CsvRow& row) {
    using Fault = CsvRow::Fault;
    row.cells.clear();
    row.fault = Fault::None;
    row.faultLine = row.faultCell = 0;
    row.text = {};
    row.line = m_line;
    m_text.clear();
    m_raw.clear();
    m_rowReplayed = 0;
    m_ends.clear();
    m_cellStart = 0;
    m_rowBytes = 0;
    if (m_stopped) return false;
    int c = get();
    if (c == kEnd) return false;

    enum class State { CellStart, Unquoted, Quoted, AfterQuote };
    State state = State::CellStart;
    std::size_t quoteLine = 0;
    bool crossed = false;  // the quoted cell holds a line break
    const auto openQuote = [&] {
        row.fault = Fault::OpenQuote;
        row.faultLine = quoteLine;
        row.faultCell = 0;
        if (crossed) {
            replayHeld();
            m_line = quoteLine + 1;
        }
    };
    for (bool ended = false; !ended; c = ended ? c : get()) {
        if (c == '\0') {
            row.fault = Fault::NulByte;
            row.faultLine = m_line;
            m_stopped = true;
            m_holding = false;
            return true;
        }
        if (c != kEnd && ++m_rowBytes > m_maxRow && row.fault == Fault::None) {
            row.fault = Fault::RowTooLong;
            row.faultLine = m_line;
        }
        switch (state) {
            case State::CellStart:
            case State::Unquoted:
                if (c == '"' && state == State::CellStart) {
                    state = State::Quoted;
                    quoteLine = m_line;
                    crossed = false;
                } else if (c == ',') {
                    endCell(row);
                    state = State::CellStart;
                } else if (c == kEnd || isBreak(c)) {
                    if (c != kEnd) lineBreak(c);
                    endCell(row);
                    ended = true;
                } else {
                    append(row, static_cast<char>(c));
                    state = State::Unquoted;
                }
                break;
            case State::Quoted:
                if (c == kEnd) {
                    openQuote();
                    ended = true;
                    break;
                }
                if (c == '"') {
                    if (peek() == '"') {
                        get();
                        append(row, '"');
                    } else {
                        state = State::AfterQuote;
                    }
                    break;
                }
                append(row, static_cast<char>(c));
                if (isBreak(c)) {
                    if (c == '\r' && peek() == '\n') append(row, static_cast<char>(get()));
                    ++m_line;
                    if (!crossed) {
                        crossed = true;
                        m_holding = true;
                        m_held.clear();
                    }
                }
                if (crossed && m_held.size() > std::min(m_maxCell, m_maxRow)) {
                    openQuote();
                    ended = true;
                }
                break;
            case State::AfterQuote:
                if (c == ',' || c == kEnd || isBreak(c)) {
                    m_holding = false;
                    crossed = false;
                    endCell(row);
                    if (c == ',') {
                        state = State::CellStart;
                        break;
                    }
                    if (c != kEnd) lineBreak(c);
                    ended = true;
                    break;
                }
                if (crossed) {
                    openQuote();
                } else {
                    row.fault = Fault::QuoteInCell;
                    row.faultLine = m_line;
                    row.faultCell = m_ends.size() + 1;
                    skipLine();
                }
                ended = true;
                break;
        }
    }
    m_holding = false;
    if (row.fault == Fault::OpenQuote || row.fault == Fault::QuoteInCell) keepText(row);
    if (row.fault == Fault::None) {
        std::size_t start = 0;
        for (const std::size_t end : m_ends) {
            row.cells.emplace_back(m_text.data() + start, end - start);
            start = end;
        }
    }
    return true;
}

void appendCsvCell(std::string& out, std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos &&
        (cell.empty() || (cell.front() != ' ' && cell.back() != ' '))) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace ferrovolt
