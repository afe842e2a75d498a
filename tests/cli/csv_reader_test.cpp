// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule's CSV reader: every row comes out once, in order, with its line; a fault
// refuses its row only.

#include "csv/csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace ferrovolt {
namespace {

using namespace std::string_literals;

// The rows as "LINE:cell|cell" or "LINE:FAULT@faultLine/faultCell [text as read]", one a
// line.
std::string rowsOf(const std::string& text, std::size_t maxCell, std::size_t maxRow) {
    static constexpr const char* kFaults[] = {
        "", "open quote", "quote in cell", "cell too long", "row too long", "NUL"};
    std::istringstream in(text);
    CsvReader reader(in, maxCell, maxRow);
    CsvRow row;
    std::string rows;
    while (reader.next(row)) {
        rows += std::to_string(row.line) + ":";
        if (row.fault != CsvRow::Fault::None) {
            rows += std::string(kFaults[static_cast<int>(row.fault)]) + "@" +
                    std::to_string(row.faultLine) + "/" + std::to_string(row.faultCell);
            if (!row.text.empty()) rows += " [" + std::string(row.text) + "]";
            rows += "\n";
            continue;
        }
        for (std::size_t i = 0; i < row.cells.size(); ++i)
            rows.append(i == 0 ? "" : "|").append(row.cells[i]);
        rows += "\n";
    }
    return rows;
}

struct ReaderCase {
    const char* name;
    std::string text;
    std::string rows;
    std::size_t maxCell = CsvReader::kMaxCellBytes;
    std::size_t maxRow = CsvReader::kMaxRowBytes;
};

class CsvReading : public testing::TestWithParam<ReaderCase> {};

TEST_P(CsvReading, GivesEveryRow) {
    EXPECT_EQ(rowsOf(GetParam().text, GetParam().maxCell, GetParam().maxRow), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Schedule, CsvReading,
    testing::Values(
        ReaderCase{"Plain", "a,b\nc,d", "1:a|b\n2:c|d\n"},
        ReaderCase{"LineBreaksOfEveryKind", "a\r\nb\rc\n\nd\n", "1:a\n2:b\n3:c\n4:\n5:d\n"},
        ReaderCase{"QuotedCommaQuoteAndLineBreak", "\"a,\"\"b\"\"\r\nc\",d\ne\n",
                   "1:a,\"b\"\r\nc|d\n3:e\n"},
        ReaderCase{"QuoteInsideAnUnquotedCellIsText", "12\" pipe,b\n", "1:12\" pipe|b\n"},
        ReaderCase{"StrayQuoteToTheEndIsItsRowOnly", "\"Pump 7,20\nLights,16\nx,1\n",
                   "1:open quote@1/0 [\"Pump 7,20]\n2:Lights|16\n3:x|1\n"},
        ReaderCase{"StrayQuoteClosedByALaterQuote", "\"Pump 7,20\nLights,16\n\"Pump\" north,1\n",
                   "1:open quote@1/0 [\"Pump 7,20]\n2:Lights|16\n"
                   "3:quote in cell@3/1 [\"Pump\" north,1]\n"},
        ReaderCase{"QuoteClosedMidCell", "a,\"Pump\" north,1\nb,2\n",
                   "1:quote in cell@1/2 [a,\"Pump\" north,1]\n2:b|2\n"},
        ReaderCase{"QuoteOpenAtTheEndOfTheLastLine", "a\n\"b", "1:a\n2:open quote@2/0 [\"b]\n"},
        // A row keeps the lines its closed cells crossed, not those read again as rows.
        ReaderCase{"StrayQuoteAfterACellAcrossLines", "\"a\nb\",\"c\nd\n",
                   "1:open quote@2/0 [\"a\nb\",\"c]\n3:d\n"},
        ReaderCase{"QuotedCellPastItsLimitAcrossLines", "\"abc\ndefgh\nx\"\nk\n",
                   "1:open quote@1/0 [\"abc]\n2:defgh\n3:x\"\n4:k\n", 5},
        ReaderCase{"CellPastItsLimit", "abcde,f\nab,c\n", "1:cell too long@1/1\n2:ab|c\n", 4},
        ReaderCase{"RowPastItsLimit", "ab,cd,efg\n\"a\nb\",c\n", "1:row too long@1/0\n2:a\nb|c\n",
                   8, 8},
        ReaderCase{"NulByteStops", "a,b\nc\0d\ne\n"s, "1:a|b\n2:NUL@2/0\n"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace ferrovolt
