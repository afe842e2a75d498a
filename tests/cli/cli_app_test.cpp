// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's statuses and messages: what a script can rely on besides the texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <ios>
#include <streambuf>
#include <string>
#include <vector>

#include "cli_run.h"

namespace ferrovolt {
namespace {

struct LineCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> mentions;  // what the one stderr line must name
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}
std::string lineCaseName(const testing::TestParamInfo<LineCase>& info) {
    return info.param.name;
}

bool isOneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && std::count(text.begin(), text.end(), '\n') == 1;
}

class BadCommandLine : public testing::TestWithParam<LineCase> {};

TEST_P(BadCommandLine, ExitsWith2AndOneLineNamingTheOption) {
    const CliRun run = runCommand(GetParam().args);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(isOneLine(run.err)) << run.err;
    for (const std::string& mention : GetParam().mentions)
        EXPECT_NE(run.err.find(mention), std::string::npos) << run.err << "lacks " << mention;
}

const LineCase kBadLines[] = {
    {"UnknownCommand",
     {"volts"},
     {"area, resistance, compare, conduit, drop, size, circuit, schedule, fill, project, list, "
      "batch"}},
    {"UnknownOption", {"area", "--colour", "red"}, {"--colour"}},
    {"MissingValue", {"drop", "--length"}, {"--length"}},
    {"TemperatureUnit", {"resistance", "--unit", "R"}, {"--unit", "C, F, K"}},
    {"CompareUnit", {"compare", "--unit", "2"}, {"--unit", "mm, inches, mils"}},
    {"CompareGauge", {"compare", "--gauge", "41"}, {"--gauge", "6/0, 5/0", "39, 40"}},
    {"Fill", {"conduit", "--fill", "50"}, {"--fill", "40, 60"}},
    {"Phase", {"size", "--phase", "3"}, {"--phase", "single, three"}},
    {"Volts", {"size", "--volts", "230"}, {"--volts", "120, 208, 240, 277, 415, 480"}},
    {"ListTopicMissing",
     {"list"},
     {"standards, gauges, materials, supplies, conductors, conduits"}},
    {"ListTopicUnknown", {"list", "colours"}, {"colours", "supplies, conductors"}},
    {"BatchTakesNoArguments", {"batch", "requests.jsonl"}, {"requests.jsonl"}},
    {"LineBreakInAChoice", {"conduit", "--fill", "4\n0"}, {"--fill", "\"4 0\""}},
    {"FlagWithValue", {"conduit", "--inches=maybe"}, {"--inches", "maybe"}},
};
INSTANTIATE_TEST_SUITE_P(Cli, BadCommandLine, testing::ValuesIn(kBadLines), lineCaseName);

class Refused : public testing::TestWithParam<LineCase> {};

TEST_P(Refused, ExitsWith1AndOneLineNamingTheOption) {
    const CliRun run = runCommand(GetParam().args);
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_EQ(run.out, "") << "no partial answer";
    EXPECT_TRUE(isOneLine(run.err)) << run.err;
    for (const std::string& mention : GetParam().mentions)
        EXPECT_NE(run.err.find(mention), std::string::npos) << run.err << "lacks " << mention;
}

const LineCase kLineRefusals[] = {
    {"Gauge", {"area", "--gauge", "18 ", "--standard", "AWG"}, {"--gauge \"18 \"", "list gauges"}},
    {"Standard", {"area", "--standard", "AWG"}, {"--standard \"AWG\"", "list standards"}},
    {"Material", {"resistance", "--material", "Brass"}, {"--material \"Brass\"", "list materials"}},
    {"Temperature", {"resistance", "--temperature", "-300"}, {"--temperature \"-300\""}},
    {"ConduitSizeOfTheOtherMeasure",
     {"conduit", "--inches", "--size", "100"},
     {"--size \"100\"", "list conduits --inches"}},
    {"Cable", {"conduit", "--cable", ""}, {"--cable \"\""}},
    {"Length", {"drop", "--length", "1.2.3", "--current", ""}, {"--length \"1.2.3\""}},
    {"Current", {"size", "--current", "12,5"}, {"--current \"12,5\""}},
    {"Supply", {"drop", "--supply", "230 Volts"}, {"--supply \"230 Volts\"", "list supplies"}},
    {"Conductor", {"drop", "--gauge", "18"}, {"--gauge \"18\"", "list conductors"}},
    {"LineBreakInTheValue", {"area", "--gauge", "18\n"}, {"--gauge \"18 \""}},
    // The message names the real reason.
    {"TemperatureWithExponent",
     {"resistance", "--temperature", "1e3"},
     {"--temperature \"1e3\"", "plain decimal number"}},
    {"CurrentWithExponent", {"drop", "--current", "1e-9"}, {"plain decimal number"}},
    {"CurrentNegative", {"size", "--current", "-1"}, {"must not be negative"}},
    {"TemperatureBelowAbsoluteZero",
     {"resistance", "--temperature", "-460", "--unit", "F"},
     {"below absolute zero"}},
    {"TemperatureWithoutResistance",
     {"resistance", "--temperature", "-250"},
     {"resistance would be zero or negative"}},
    {"CurrentBeyondRange", {"drop", "--current", "1" + std::string(308, '0')}, {"out of range"}},
    {"CableTooThin", {"conduit", "--cable", "0.00000001"}, {"area shows as 0"}},
};
INSTANTIATE_TEST_SUITE_P(Cli, Refused, testing::ValuesIn(kLineRefusals), lineCaseName);

TEST(CliJson, RefusalIsTheBatchAnswerOnStandardOutput) {
    const CliRun run = runCommand({"drop", "--json", "--material", "Brass"});
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_EQ(run.out, "{\"refused\":\"material\"}\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliJson, ResultIsTheBatchAnswer) {
    const CliRun cli = runCommand({"conduit", "--json", "--inches"});
    const CliRun batch = runCommand(
        {"batch"}, R"j({"calc":"conduit","inches":true,"size":"4","fill":40,"cable":"1"})j");
    EXPECT_EQ(cli.status, kExitOk);
    EXPECT_EQ(cli.out, batch.out);
    EXPECT_EQ(outputsOnly(cli.out),
              "{\"outputs\":{\"CondArea\":\"12.566370614\",\"UseableArea\":\"5.0265482456\","
              "\"CableArea\":\"0.7853981633\",\"CableQty\":\"6\"}}\n");
}

TEST(CliText, RowsCarryTheirCaptionsAndUnits) {
    const CliRun run = runCommand({"conduit", "--fill", "60"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out,
              "Conduit Area : 7853.9816339 Sq mm\n"
              "Permissible Area : 4712.3889803 Sq mm\n"
              "Cable Area : 490.87385212 Sq mm\n"
              "Cable Quantity : 9\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliText, NegativeValueAfterTheOption) {
    // A value such as -40 must reach the calculator rather than be taken for an option.
    const CliRun colder = runCommand({"resistance", "--temperature", "-40"});
    const CliRun same = runCommand({"resistance", "--temperature=-40"});
    EXPECT_EQ(colder.status, kExitOk) << colder.err;
    EXPECT_EQ(colder.out, same.out);
    EXPECT_NE(colder.out, runCommand({"resistance"}).out);
}

TEST(CliOutput, FailedWriteExitsWith3) {
    // A closed or full standard output must not pass for a printed answer.
    const char* argv[] = {"ferrovolt-calc", "batch"};
    std::istringstream in("{\"calc\":\"compare\",\"position\":24,\"unit\":0}\n");
    std::ostream out(nullptr);  // every write fails
    std::ostringstream err;
    EXPECT_EQ(runCli(2, argv, in, out, err), kExitWriteFailed);
    EXPECT_EQ(err.str(), "ferrovolt-calc: the output could not be written\n");
}

TEST(CliOutput, HelpAndVersionThatCannotBeWrittenExitWith3) {
    for (const char* option : {"--help", "--version"}) {
        const char* argv[] = {"ferrovolt-calc", option};
        std::istringstream in;
        std::ostream out(nullptr);  // every write fails
        std::ostringstream err;
        EXPECT_EQ(runCli(2, argv, in, out, err), kExitWriteFailed) << option;
        EXPECT_EQ(err.str(), "ferrovolt-calc: the output could not be written\n") << option;
    }
}

TEST(CliBatch, UnreadableInputExitsWith2AndOneLine) {
    struct Failing : std::streambuf {
        int_type underflow() override { throw std::ios_base::failure("read error"); }
    } failing;
    std::istream in(&failing);
    const char* argv[] = {"ferrovolt-calc", "batch"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli(2, argv, in, out, err), kExitUsage);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "ferrovolt-calc: batch: standard input could not be read\n");
}

TEST(CliVersion, IsTheProjectVersion) {
    const CliRun run = runCommand({"--version"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out, std::string("ferrovolt-calc ") + FERROVOLT_VERSION + "\n");
}

TEST(CliHelp, DocumentsTheExitStatuses) {
    const CliRun run = runCommand({"--help"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_NE(run.out.find("Exit status: 0"), std::string::npos);
    EXPECT_NE(run.out.find("1 an input was refused"), std::string::npos);
    EXPECT_NE(run.out.find("2 bad"), std::string::npos);
}

struct ListCase {
    const char* name;
    std::vector<std::string> args;
    std::size_t count;
    const char* first;
    const char* last;
};
void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.name;
}

class ListTopic : public testing::TestWithParam<ListCase> {};

TEST_P(ListTopic, PrintsTheAcceptedTextsOnePerLine) {
    const CliRun run = runCommand(GetParam().args);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    std::vector<std::string> lines;
    std::istringstream out(run.out);
    for (std::string line; std::getline(out, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), GetParam().count);
    EXPECT_EQ(lines.front(), GetParam().first);
    EXPECT_EQ(lines.back(), GetParam().last);
}

const ListCase kLists[] = {
    {"Standards", {"list", "standards"}, 5, "AWG (B&S)", "US Steel Wire"},
    {"Gauges", {"list", "gauges"}, 46, "6/0", "40"},
    {"Materials", {"list", "materials"}, 11, "Aluminium", "Platinum"},
    {"Supplies", {"list", "supplies"}, 9, "120 Volts 1-phase", "48V DC or 1-phase AC"},
    {"Conductors", {"list", "conductors"}, 61, "2000 Kcmil", "40 AWG"},
    {"ConduitsMillimetres", {"list", "conduits"}, 11, "16", "150"},
    {"ConduitsInches", {"list", "conduits", "--inches"}, 11, "1/2", "6"},
    // A check's field's entries, without the window's entry for leaving it unsaid ("Not given
    // (bunched)"): five arrangements, not six.
    {"ArrangementsOfAField",
     {"list", "arrangements"},
     5,
     "bunched: Bunched in air, on a surface, embedded or enclosed",
     "ladder: Single layer on ladder supports or cleats"},
};
INSTANTIATE_TEST_SUITE_P(Cli, ListTopic, testing::ValuesIn(kLists),
                         [](const testing::TestParamInfo<ListCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(CliBatch, ExitsWith0WhenEveryLineIsAnswered) {
    const CliRun run =
        runCommand({"batch"}, "\n{\"calc\":\"compare\",\"position\":24,\"unit\":7}\n");
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
    EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace ferrovolt
