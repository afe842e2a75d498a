// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A CSV text read as a stream of rows (RFC 4180: cells separated by commas, rows ended by
// LF, CRLF or CR, a cell in double quotes may hold commas, quotes written twice and line
// breaks). Every row of the text comes out, in order, with the line it starts on; a row the
// reader cannot take apart comes out with its fault, and reading goes on with the next line,
// so no fault swallows the rows after it. Memory stays bounded whatever the input: a cell or
// a row past its limit is scanned over, not held.

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ferrovolt {

struct CsvRow {
    enum class Fault {
        None,
        OpenQuote,    // a quote left open at the end of `faultLine`, never closed after it
        QuoteInCell,  // a quoted cell's closing quote followed by more text in the cell
        CellTooLong,  // cell `faultCell` is longer than the cell limit
        RowTooLong,   // the row is longer than the row limit
        NulByte,      // a NUL byte on `faultLine`: the text is not CSV, reading stops
    };
    std::size_t line = 0;                 // the line the row starts on, from 1
    std::vector<std::string_view> cells;  // valid until the next read; none kept after a fault
    Fault fault = Fault::None;
    std::size_t faultLine = 0;
    std::size_t faultCell = 0;  // from 1
    // A row with a stray quote as it came, without its line break, so that it can be written
    // back whole; empty for other rows (valid until the next read).
    std::string_view text;

    // Every cell empty or blanks only: a blank line, or one of commas only.
    bool blank() const;
};

class CsvReader {
public:
    static constexpr std::size_t kMaxCellBytes = std::size_t{64} << 10;
    static constexpr std::size_t kMaxRowBytes = std::size_t{1} << 20;

    explicit CsvReader(std::istream& in, std::size_t maxCellBytes = kMaxCellBytes,
                       std::size_t maxRowBytes = kMaxRowBytes);

    // The next row; false at the end of the text, after a NUL byte or once the stream fails.
    bool next(CsvRow& row);

    // The stream failed (in.bad()) before its end.
    bool readFailed() const { return m_readFailed; }

    // The bytes the reader holds beside its fixed block, for the bound the limits set.
    std::size_t heldBytes() const {
        return m_text.capacity() + m_ends.capacity() * sizeof(std::size_t) + m_replay.capacity() +
               m_held.capacity() + m_raw.capacity();
    }

private:
    static constexpr int kEnd = -1;

    int get();
    int peek();
    bool fill();
    void append(CsvRow& row, char c);
    void endCell(CsvRow& row);
    bool lineBreak(int c);
    void skipLine();
    void replayHeld();
    void keepText(CsvRow& row);

    std::istream& m_in;
    const std::size_t m_maxCell;
    const std::size_t m_maxRow;
    std::unique_ptr<char[]> m_block;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::string m_replay;  // bytes to read again before the stream's
    std::size_t m_replayPos = 0;
    std::string m_held;             // the bytes after the line break a quoted cell crossed
    std::string m_raw;              // this row's bytes as read, up to the row limit
    std::size_t m_rowReplayed = 0;  // of them, those read again as rows of their own
    bool m_holding = false;
    bool m_stopped = false;
    bool m_readFailed = false;
    std::size_t m_line = 1;           // the line of the next byte
    std::string m_text;               // this row's cells, one after the other
    std::vector<std::size_t> m_ends;  // where each cell of m_text ends
    std::size_t m_cellStart = 0;
    std::size_t m_rowBytes = 0;
};

// Appends `cell` as one CSV cell, in double quotes (quotes inside written twice) when it holds
// a comma, a quote or a line break, or starts or ends with a blank that a reader might trim.
void appendCsvCell(std::string& out, std::string_view cell);

}  // namespace ferrovolt
