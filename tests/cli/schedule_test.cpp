// SPDX-License-Identifier: GPL-3.0-or-later
// `ferrovolt-calc schedule`: one answer row per input row, in order; a bad header stops at
// once; a row that cannot be read is refused with its line and the schedule goes on.

#include "cli/schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

#include "cli_run.h"
#include "csv/csv_reader.h"

namespace ferrovolt {
namespace {

using namespace std::string_literals;

// Each answer row as "line|size|refused|reason" (with "|meets_all|fails" after the size where
// a size column is given); every row must have as many cells as the header.
std::string summaryOf(const std::string& out) {
    std::istringstream in(out);
    CsvReader reader(in);
    CsvRow row;
    if (!reader.next(row)) return "";
    const std::vector<std::string> header(row.cells.begin(), row.cells.end());
    std::vector<std::size_t> shown;
    for (const char* name : {"answer_line", "answer_size", "answer_meets_all", "answer_fails",
                             "answer_refused", "answer_reason"}) {
        const auto at = std::find(header.begin(), header.end(), name);
        if (at != header.end()) shown.push_back(static_cast<std::size_t>(at - header.begin()));
    }
    std::string summary;
    while (reader.next(row)) {
        if (row.cells.size() != header.size())
            return summary + "row of " + std::to_string(row.cells.size()) + " cells\n";
        for (const std::size_t i : shown)
            summary.append(row.cells[i]).append(i == shown.back() ? "\n" : "|");
    }
    return summary;
}

struct ScheduleCase {
    const char* name;
    std::string text;
    int status;
    std::string summary;
    std::string err;
};

class ScheduleRows : public testing::TestWithParam<ScheduleCase> {};

TEST_P(ScheduleRows, AreAnsweredInOrder) {
    std::istringstream in(GetParam().text);
    std::ostringstream out, err;
    EXPECT_EQ(runScheduleText(in, out, err), GetParam().status);
    EXPECT_EQ(summaryOf(out.str()), GetParam().summary);
    EXPECT_EQ(err.str(), GetParam().err);
}

const std::string kHeader = "name,current,length,volts\n";
const std::string kRefusedOne =
    "ferrovolt-calc: schedule: 1 of 3 rows refused; answer_refused and answer_reason say why\n";

INSTANTIATE_TEST_SUITE_P(
    Schedule, ScheduleRows,
    testing::Values(
        ScheduleCase{"StrayQuoteRefusesItsRowOnly",
                     kHeader + "\"Pump 7,20,30,240\nLights,16,30,120\nx,10,1,120\n", 0,
                     "2||row|a quote is left open at the end of line 2; the row as read: \"Pump "
                     "7,20,30,240\n3|10 AWG||\n4|14 AWG||\n",
                     kRefusedOne},
        ScheduleCase{"QuoteClosedMidCell",
                     kHeader + "\"Pump\" north,20,30,240\nLights,16,30,120\nx,10,1,120\n", 0,
                     "2||row|cell 1 goes on after the quote that closes it; the row as read: "
                     "\"Pump\" north,20,30,240\n3|10 AWG||\n4|14 AWG||\n",
                     kRefusedOne},
        ScheduleCase{"MoreCellsThanTheHeader",
                     kHeader + "Feeder 3,2,100,30,240\nLights,16,30,120\nx,10,1,120\n", 0,
                     "2||row|5 cells where the header has 4; the cells beyond it: 240\n"
                     "3|10 AWG||\n4|14 AWG||\n",
                     kRefusedOne},
        ScheduleCase{"FewerCellsThanTheHeader", kHeader + "x,10,1\nLights,16,30,120\nx,10,1,120\n",
                     0, "2||row|3 cells where the header has 4\n3|10 AWG||\n4|14 AWG||\n",
                     kRefusedOne},
        ScheduleCase{"BlankRowsKeepTheirPlace", kHeader + "\nx,10,1,120\n,,,\n", 0,
                     "2|||\n3|14 AWG||\n4|||\n", ""},
        ScheduleCase{"QuotedLineBreakIsOneCell", kHeader + "\"Pump\nnorth\",10,1,120\nx,10,1,120\n",
                     0, "2|14 AWG||\n4|14 AWG||\n", ""},
        ScheduleCase{"CellOverItsLimit",
                     kHeader + "x," + std::string(CsvReader::kMaxCellBytes + 1, '1') +
                         ",1,120\nLights,16,30,120\nx,10,1,120\n",
                     0, "2||row|cell 2 is longer than 64 KiB\n3|10 AWG||\n4|14 AWG||\n",
                     kRefusedOne},
        ScheduleCase{"RowOverItsLimit",
                     kHeader + std::string(CsvReader::kMaxRowBytes, ',') +
                         "\nLights,16,30,120\nx,10,1,120\n",
                     0, "2||row|the row is longer than 1 MiB\n3|10 AWG||\n4|14 AWG||\n",
                     kRefusedOne},
        ScheduleCase{"HeaderUnitsAndCaseAside",
                     "Circuit,Fault Current (A),Clearing Time [s],Ambient (°C),CURRENT (A),"
                     "Length (m),Volts\nx,10000,0.05,30,10,1,120\n",
                     0, "2|3 AWG||\n", ""},
        ScheduleCase{"GivenSizeMarksItsFailures",
                     "current,length,volts,size\n100,1,240,14 AWG\n100,1,240,\n", 0,
                     "2|14 AWG|false|ampacity;small_conductor||\n3|1 AWG||||\n",
                     "ferrovolt-calc: schedule: 1 of 2 rows failing a criterion; answer_fails "
                     "says which\n"},
        ScheduleCase{"ClosingLineCountsRefusedAndFailingRows",
                     "current,length,volts,size\n100,1,240,14 AWG\n100,1,240,7 AWG\n"
                     "100,1,240,1 AWG\n",
                     0,
                     "2|14 AWG|false|ampacity;small_conductor||\n3||||size|\"7 AWG\" is not a "
                     "size of the code's tables (such as \"3 AWG\", \"2/0 AWG\", \"350 kcmil\")\n"
                     "4|1 AWG|true|||\n",
                     "ferrovolt-calc: schedule: 1 of 3 rows refused and 1 failing a criterion; "
                     "answer_refused, answer_reason and answer_fails say why\n"},
        ScheduleCase{"UnreadColumnsReportedOnce",
                     "current,length,volts,Fault Amps,\n10,1,120,5,\n10,1,120,5,\n", 0,
                     "2|14 AWG||\n3|14 AWG||\n",
                     "ferrovolt-calc: schedule: 2 columns name no input, kept as they are, not "
                     "read: 4 \"Fault Amps\" and 5 \"\" (no name)\n"},
        ScheduleCase{"NulByteStopsAtOnce", kHeader + "x,10,1,120\nx,1\0,1,120\nx,10,1,120\n"s, 2,
                     "2|14 AWG||\n",
                     "ferrovolt-calc: schedule: line 3 holds a NUL byte: the file is not a CSV "
                     "text\n"},
        ScheduleCase{"NulByteInTheHeader",
                     "\xFF\xFE"
                     "c\0u\0"s,
                     2, "",
                     "ferrovolt-calc: schedule: line 1 holds a NUL byte: the file is not a CSV "
                     "text\n"},
        ScheduleCase{"RepeatedInputColumn", "current,length,volts,Current (A)\n10,1,120,20\n", 2,
                     "",
                     "ferrovolt-calc: schedule: columns 1 \"current\" and 4 \"Current (A)\" "
                     "both give \"current\"\n"},
        ScheduleCase{"UnitOtherThanTheInputs", "current,length (ft),volts\n10,1,120\n", 2, "",
                     "ferrovolt-calc: schedule: column 2 \"length (ft)\": \"length\" is read in "
                     "m\n"},
        // An IEC input's unit is its own field's: milliamperes would be read as amperes.
        ScheduleCase{"UnitOtherThanAnIecInputs",
                     "code,current,length,volts,ze (ohm),rcd (mA)\niec60364,10,1,230,0.3,30\n", 2,
                     "", "ferrovolt-calc: schedule: column 6 \"rcd (mA)\": \"rcd\" is read in A\n"},
        // The size column's unit is the code's: under NEC 2023 a bare 4 is 4 AWG, so a
        // header in mm² would read 4 mm² as 4 AWG (21 mm²).
        ScheduleCase{"SizeInTheOtherCodesUnit", "current,length,volts,size (mm²)\n60,1,240,4\n", 2,
                     "",
                     "ferrovolt-calc: schedule: column 4 \"size (mm²)\": \"size\" is read in AWG "
                     "or kcmil\n"},
        ScheduleCase{"SizeInTheCodesUnit", "current,length,volts,size (AWG)\n60,1,240,4\n", 0,
                     "2|4 AWG|true|||\n", ""},
        // A bare number is read in the header's unit: 4 kcmil is no size.
        ScheduleCase{"BareSizeReadInTheHeadersUnit",
                     "current,length,volts,size [kcmil]\n300,1,240,350\n300,1,240,4\n", 0,
                     "2|350 kcmil|true|||\n3||||size|\"4 kcmil\" is not a size of the code's "
                     "tables (such as \"3 AWG\", \"2/0 AWG\", \"350 kcmil\")\n",
                     "ferrovolt-calc: schedule: 1 of 2 rows refused; answer_refused and "
                     "answer_reason say why\n"},
        // With a code column each row reads the column in its code's system, or is refused.
        ScheduleCase{"MixedSizeColumnInOneCodesUnit",
                     "code,current,length,volts,size (mm²)\nnec2023,60,1,240,4\n"
                     "iec60364,25,1,230,4\n",
                     0,
                     "2||||size|column 5 \"size (mm²)\" gives sizes in another unit than NEC "
                     "2023's (AWG or kcmil)\n3|4 mm²|true|||\n",
                     "ferrovolt-calc: schedule: 1 of 2 rows refused; answer_refused and "
                     "answer_reason say why\n"},
        ScheduleCase{"MixedSizeColumnInNeitherCodesUnit",
                     "code,current,length,volts,size (in)\nnec2023,60,1,240,4\n", 2, "",
                     "ferrovolt-calc: schedule: column 5 \"size (in)\": \"size\" is read in AWG "
                     "or kcmil (NEC 2023) or mm² (IEC 60364-5-52:2009)\n"},
        ScheduleCase{"RepeatedCodeColumn", "code,current,length,Code,volts\nnec2023,10,1,,120\n", 2,
                     "",
                     "ferrovolt-calc: schedule: columns 1 \"code\" and 4 \"Code\" both give "
                     "\"code\"\n"},
        ScheduleCase{"ColumnOfAnEarlierAnswer", "current,length,volts,answer_size\n10,1,120,\n", 2,
                     "",
                     "ferrovolt-calc: schedule: column 4 \"answer_size\" is a column of the "
                     "answer: remove an earlier answer's columns\n"},
        ScheduleCase{"HeaderThatCannotBeRead", "current,\"length,volts\n10,1,120\n", 2, "",
                     "ferrovolt-calc: schedule: the header cannot be read: a quote is left open "
                     "at the end of line 1\n"},
        ScheduleCase{"EmptyFile", "", 2, "",
                     "ferrovolt-calc: schedule: the file is empty: its first row must name the "
                     "inputs\n"}),
    [](const auto& test) { return std::string(test.param.name); });

// A stream of `size` bytes that counts how many were read.
class CountingSource : public std::streambuf {
public:
    CountingSource(std::string head, std::size_t size) : m_head(std::move(head)), m_size(size) {}
    std::size_t taken() const { return m_taken; }

protected:
    int_type underflow() override {
        if (m_taken >= m_size) return traits_type::eof();
        const std::size_t n = std::min(m_block.size(), m_size - m_taken);
        for (std::size_t i = 0; i < n; ++i)
            m_block[i] = m_taken + i < m_head.size() ? m_head[m_taken + i] : 'x';
        m_taken += n;
        setg(m_block.data(), m_block.data(), m_block.data() + n);
        return traits_type::to_int_type(m_block[0]);
    }

private:
    std::string m_head;
    std::size_t m_size;
    std::size_t m_taken = 0;
    std::array<char, 4096> m_block{};
};

TEST(Schedule, BadHeaderStopsWithoutReadingTheRest) {
    CountingSource source("name,length,volts\n", std::size_t{20} << 20);
    std::istream in(&source);
    std::ostringstream out, err;
    EXPECT_EQ(runScheduleText(in, out, err), 2);
    EXPECT_EQ(err.str(), "ferrovolt-calc: schedule: the header names no \"current\" column\n");
    EXPECT_LE(source.taken(), std::size_t{1} << 17);
}

// A row of the wrong cell count is written back with its cells, those beyond the header's in
// its reason, so that a schedule written over itself loses none of them.
TEST(Schedule, MisshapenRowKeepsItsCells) {
    std::istringstream in(kHeader + "Feeder 3,2,100,30,240\nx,10\n");
    std::ostringstream out, err;
    ASSERT_EQ(runScheduleText(in, out, err), 0);
    const std::string text = out.str();
    const std::string second = text.substr(text.find("\r\n") + 2);
    EXPECT_TRUE(second.starts_with("Feeder 3,2,100,30,2,")) << second;
    EXPECT_NE(second.find(",row,5 cells where the header has 4; the cells beyond it: 240\r\n"
                          "x,10,,,3,"),
              std::string::npos)
        << second;
}

// A header of half a million columns naming no input is read in linear time and reported
// on one line (it took seconds, one line a column).
TEST(Schedule, WideHeaderIsReadInLinearTimeAndReportedOnce) {
    // Three inputs and `unknown` columns that name none; the seconds it takes and the answer.
    const auto run = [](int unknown, std::string& out, std::string& err) {
        std::string text = "current,length,volts";
        for (int i = 0; i < unknown; ++i) text += ",a";
        text += "\n10,1,120" + std::string(static_cast<std::size_t>(unknown), ',') + "\n";
        std::istringstream in(text);
        std::ostringstream written, errors;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(runScheduleText(in, written, errors), 0);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        out = written.str();
        err = errors.str();
        return took.count();
    };
    std::string out, err;
    // Four times the columns take about four times as long, not sixteen: the header is read in
    // linear time whatever the build (a sanitizer's is ten times slower than a release's).
    const double quarter = run(124997, out, err);
    const double whole = run(499997, out, err);
    EXPECT_LT(whole, 8 * quarter + 0.05) << quarter << " s, then " << whole << " s";
    EXPECT_EQ(err,
              "ferrovolt-calc: schedule: 499997 columns name no input, kept as they are, not "
              "read: 4 \"a\", 5 \"a\", 6 \"a\", 7 \"a\", 8 \"a\", 9 \"a\", 10 \"a\", 11 "
              "\"a\", 12 \"a\", 13 \"a\" and 499987 more\n");
    EXPECT_NE(out.find(",14 AWG,"), std::string::npos);
}

TEST(Schedule, FailedWriteIsReportedOnce) {
    const std::string path = testing::TempDir() + "schedule_write.csv";
    std::ofstream(path) << kHeader << "x,10,1,120\n";
    const char* argv[] = {"ferrovolt-calc", "schedule", path.c_str()};
    std::istringstream in;
    std::ostream out(nullptr);  // every write fails, as on /dev/full
    std::ostringstream err;
    EXPECT_EQ(runCli(3, argv, in, out, err), 3);
    EXPECT_EQ(err.str(), "ferrovolt-calc: the output could not be written\n");
}

}  // namespace
}  // namespace ferrovolt
