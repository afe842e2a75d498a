// SPDX-License-Identifier: GPL-3.0-or-later
// `ferrovolt-calc circuit`, its batch request and `schedule`: the same answer on every path.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/batch.h"
#include "cli/code_fields.h"
#include "cli/schedule.h"
#include "cli_run.h"
#include "filled_tables.h"
#include "nec2023/nec2023_fields.h"
#include "source_tree.h"

namespace ferrovolt {
namespace {

TEST(CircuitCommand, JsonHasEveryKeyWithNumbersAsNumbers) {
    const CliRun run = runCommand({"circuit", "--current", "100", "--length", "1", "--volts", "240",
                                   "--terminals", "75", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["size"], "3 AWG");
    EXPECT_EQ(json["sets"], 1);
    EXPECT_EQ(json["governed_by"], "ampacity");
    EXPECT_EQ(json["required_ampacity"], 100);
    EXPECT_EQ(json["ampacity"], 100);
    EXPECT_EQ(json["by_ampacity"], "3 AWG");
    EXPECT_EQ(json["by_voltage_drop"], "14 AWG");
    EXPECT_TRUE(json["by_short_circuit"].is_null());
    // Numbers at full precision, the answer's own (the sheet writes 0.156 V): a sum over a
    // schedule sums no rounding.
    CircuitInputs in;
    in.current = 100;
    in.length = 1;
    in.terminals = TerminalRating::C75;
    const auto answer = std::get<CircuitAnswer>(checkCircuit(in));
    EXPECT_EQ(json["drop_volts"].get<double>(), answer.dropVolts);
    EXPECT_EQ(json["drop_percent"].get<double>(), answer.dropPercent);
    EXPECT_EQ(json["load_volts"].get<double>(), *answer.loadVolts);
    EXPECT_NE(json["drop_volts"].get<double>(), 0.156);
    EXPECT_TRUE(json["max_overcurrent_device"].is_null());
    EXPECT_EQ(json["device"], 100);
    EXPECT_EQ(json["ampacity_set_by"], "load_125");
    EXPECT_EQ(json["code"], "NEC 2023");
    ASSERT_TRUE(json["trail"].is_array());
    EXPECT_EQ(json["trail"][0]["step"], "Design current");
    EXPECT_EQ(json["trail"][0]["source"], "input");
}

TEST(CircuitCommand, BatchAnswersTheSameObjectAsJson) {
    const CliRun run = runCommand({"circuit", "--current", "24", "--length", "50", "--feet",
                                   "--volts", "120", "--insulation", "90", "--max-drop", "5",
                                   "--fault-current", "2000", "--clearing-time", "0.02", "--json"});
    std::string answer;
    answerRequest(filledTables(),
                  R"({"calc":"circuit","current":24,"length":"50","feet":true,"volts":120,)"
                  R"("insulation":"90","max_drop":5,"fault_current":2000,"clearing_time":0.02})",
                  answer);
    EXPECT_EQ(answer + "\n", run.out);
    EXPECT_EQ(nlohmann::json::parse(answer)["max_overcurrent_device"], 30);
}

struct BatchFault {
    std::string_view request;
    std::string_view answer;
};

class CircuitBatchFault : public testing::TestWithParam<BatchFault> {};

TEST_P(CircuitBatchFault, IsAnswered) {
    std::string out;
    answerRequest(filledTables(), GetParam().request, out);
    EXPECT_EQ(out, GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Circuit, CircuitBatchFault,
    testing::Values(
        BatchFault{R"({"calc":"circuit","length":1,"volts":240})",
                   R"({"error":"missing field \"current\""})"},
        BatchFault{R"({"calc":"circuit","current":true,"length":1,"volts":240})",
                   R"({"error":"field \"current\" must be a number or a number text"})"},
        BatchFault{R"({"calc":"circuit","current":10,"length":1,"volts":240,"continuous":"x"})",
                   R"({"refused":"continuous","reason":"\"x\" is not true or false"})"},
        BatchFault{R"({"calc":"circuit","current":10,"length":1,"volts":240,"pf":"0.9x"})",
                   R"({"refused":"pf","reason":"\"0.9x\" is not a number"})"},
        // A device no size is protected by is refused naming the device, not the current.
        BatchFault{R"({"calc":"circuit","current":100,"length":1,"volts":480,"device":5000})",
                   R"({"refused":"device","reason":"5000 A is more than 2000 kcmil carries )"
                   R"(under NEC 2023 Table 310.16 (665 A), so no size is protected by it )"
                   R"((240.4(B), (C)): use a smaller device or more parallel sets"})"}));

// NEC 2023's device rating is "device_rating", as under IEC 60364, and still "device" for
// the scripts written before: either key sets it on every path, and a refusal names the key
// it was given by. A 60 A device on a 40 A load takes 6 AWG (8 AWG's 50 A would not be
// protected by it, 240.4(B)); no size is protected by 5000 A (2000 kcmil carries 665 A).
struct RatingKey {
    const char* name;
    const char* key;
};

class NecRatingKey : public testing::TestWithParam<RatingKey> {};

TEST_P(NecRatingKey, SetsTheRatingAndARefusalNamesIt) {
    const std::string key = GetParam().key;
    std::string option = "--" + key;
    std::replace(option.begin(), option.end(), '_', '-');

    const CliRun json = runCommand(
        {"circuit", "--current", "40", "--length", "1", "--volts", "240", option, "60", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out)["size"], "6 AWG");
    EXPECT_EQ(nlohmann::json::parse(json.out)["device"], 60);

    const std::string reason = "5000 A is more than 2000 kcmil carries";
    const CliRun text = runCommand(
        {"circuit", "--current", "100", "--length", "1", "--volts", "480", option, "5000"});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.err.rfind("ferrovolt-calc: " + option + ": " + reason, 0), 0) << text.err;

    std::string batch;
    answerRequest(
        filledTables(),
        R"({"calc":"circuit","current":100,"length":1,"volts":480,")" + key + R"(":5000})", batch);
    EXPECT_EQ(batch.rfind(R"({"refused":")" + key + R"(","reason":")" + reason, 0), 0) << batch;

    std::istringstream in("current,length,volts," + key + "\n100,1,480,5000\n");
    std::ostringstream out, err;
    ASSERT_EQ(runScheduleText(in, out, err), 0) << err.str();
    EXPECT_NE(out.str().find(",," + key + ",\"" + reason), std::string::npos) << out.str();
}

INSTANTIATE_TEST_SUITE_P(Circuit, NecRatingKey,
                         testing::Values(RatingKey{"ByItsKey", "device_rating"},
                                         RatingKey{"ByTheKeyScriptsWrittenBeforeUse", "device"}),
                         [](const testing::TestParamInfo<RatingKey>& param) {
                             return param.param.name;
                         });

// NEC 2023's rating given by both its keys is one input given twice: refused on every path,
// the key met second named with the first (the options and batch read the fields in their
// order, device_rating first; a schedule reads its columns in theirs), where the last text
// used to win silently. Under IEC 60364 the two keys are two inputs, the kind of device and
// its rating, and both are taken.
enum class Path { Options, Batch, Schedule };

struct BothKeys {
    const char* name;
    Path path;
    std::vector<std::pair<std::string, std::string>> inputs;  // key and text, in order
    int status;
    std::string expected;  // in what the path writes
};

class BothRatingKeys : public testing::TestWithParam<BothKeys> {};

TEST_P(BothRatingKeys, AreOneInputUnderNecAndTwoUnderIec) {
    const BothKeys& c = GetParam();
    CliRun run{};
    if (c.path == Path::Options) {
        std::vector<std::string> args{"circuit"};
        for (const auto& [key, text] : c.inputs) {
            std::string option = "--" + key;
            std::replace(option.begin(), option.end(), '_', '-');
            args.insert(args.end(), {option, text});
        }
        if (c.status == 0) args.emplace_back("--json");
        run = runCommand(args);
    } else if (c.path == Path::Batch) {
        std::string request = R"({"calc":"circuit")";
        for (const auto& [key, text] : c.inputs) request += ",\"" + key + "\":\"" + text + "\"";
        answerRequest(filledTables(), request + "}", run.out);
    } else {
        std::string header, row;
        for (const auto& [key, text] : c.inputs) {
            header += (header.empty() ? "" : ",") + key;
            row += (row.empty() ? "" : ",") + text;
        }
        std::istringstream in(header + "\n" + row + "\n");
        std::ostringstream out, err;
        run.status = runScheduleText(in, out, err);
        run.out = out.str();
    }
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE((run.out + run.err).find(c.expected), std::string::npos) << run.out << run.err;
}

const std::vector<std::pair<std::string, std::string>> kNecBoth = {{"current", "20"},
                                                                   {"length", "10"},
                                                                   {"volts", "240"},
                                                                   {"device_rating", "30"},
                                                                   {"device", "40"}};
const std::vector<std::pair<std::string, std::string>> kIecBoth = {
    {"code", "iec60364"}, {"current", "20"}, {"length", "10"},
    {"volts", "230"},     {"device", "gg"},  {"device_rating", "32"}};

INSTANTIATE_TEST_SUITE_P(
    Circuit, BothRatingKeys,
    testing::Values(
        BothKeys{"NecOptions", Path::Options, kNecBoth, 1,
                 "ferrovolt-calc: --device: is the same input as \"device_rating\": give one of "
                 "them\n"},
        BothKeys{"NecBatch", Path::Batch, kNecBoth, 0,
                 R"({"refused":"device","reason":"is the same input as \"device_rating\": )"
                 R"(give one of them"})"},
        BothKeys{"NecSchedule",
                 Path::Schedule,
                 {{"current", "20"},
                  {"length", "10"},
                  {"volts", "240"},
                  {"device", "40"},
                  {"device_rating", "30"}},
                 0,
                 R"(device_rating,"is the same input as ""device"": give one of them")"},
        BothKeys{"IecOptions", Path::Options, kIecBoth, 0,
                 R"("device":"gg","device_rating":32.0,)"},
        BothKeys{"IecBatch", Path::Batch, kIecBoth, 0, R"("device":"gg","device_rating":32.0,)"},
        // The answer's device, then (after the code and the protective conductor) its rating.
        BothKeys{"IecSchedule", Path::Schedule, kIecBoth, 0,
                 ",gg,,,IEC 60364-5-52:2009,4 mm²,32,"}),
    [](const testing::TestParamInfo<BothKeys>& param) { return param.param.name; });

// A JSON number is the same input as its shortest exact text, with no rounding on the way.
struct SameAsText {
    const char* name;
    std::string_view number;  // the request with the JSON number
    std::string_view text;    // the same request with the number's shortest exact text
};

class CircuitBatchNumber : public testing::TestWithParam<SameAsText> {};

TEST_P(CircuitBatchNumber, IsAnsweredAsItsText) {
    std::string byNumber, byText;
    answerRequest(filledTables(), GetParam().number, byNumber);
    answerRequest(filledTables(), GetParam().text, byText);
    EXPECT_EQ(byNumber, byText);
    EXPECT_EQ(byNumber.find("\"refused\""), std::string::npos) << byNumber;
}

INSTANTIATE_TEST_SUITE_P(
    Circuit, CircuitBatchNumber,
    testing::Values(
        SameAsText{"ClearingTimeOfOneCycle",
                   R"({"calc":"circuit","current":24,"length":50,"volts":120,)"
                   R"("fault_current":2000,"clearing_time":0.016666666666666666})",
                   R"({"calc":"circuit","current":24,"length":50,"volts":120,)"
                   R"("fault_current":2000,"clearing_time":"0.016666666666666666"})"},
        SameAsText{"CurrentJustOverOneHundred",
                   R"({"calc":"circuit","current":100.00000000000001,"length":1,"volts":240})",
                   R"({"calc":"circuit","current":"100.00000000000001","length":1,"volts":240})"}),
    [](const auto& test) { return std::string(test.param.name); });

// A JSON number keeps every digit it has: 100.00000000000001 A is not read as 100 A (the
// answer's numbers are written at full precision, so the required ampacity shows it).
TEST(CircuitCommand, BatchNumberKeepsItsLastDigit) {
    std::string answer;
    answerRequest(filledTables(),
                  R"({"calc":"circuit","current":100.00000000000001,"length":1,"volts":240})",
                  answer);
    const auto json = nlohmann::json::parse(answer);
    EXPECT_EQ(json["required_ampacity"].get<double>(), 100.00000000000001);
    EXPECT_NE(json["required_ampacity"].get<double>(), 100.0);
}

// A circuit line is read once, in time linear in its length: a full line of members takes
// a fraction of a second where a reader with a linear look-up per member took seconds.
TEST(CircuitCommand, BatchReadsALongCircuitLineInLinearTime) {
    std::string line = R"({"calc":"circuit","current":10,"length":1,"volts":240)";
    for (int i = 0; line.size() < kMaxLineBytes - 16; ++i)
        line += ",\"m" + std::to_string(i) + "\":0";
    line += '}';
    ASSERT_LE(line.size(), kMaxLineBytes);
    std::string answer;
    const auto start = std::chrono::steady_clock::now();
    answerRequest(filledTables(), line, answer);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(nlohmann::json::parse(answer)["size"], "14 AWG");
    EXPECT_LT(took.count(), 1.0);
}

// The answer's columns carry names of their own, so that no CSV reader takes one for an
// input column ("size" given, "answer_size" answered), and each row its input line.
TEST(CircuitCommand, ScheduleAddsTheAnswerColumnsAndKeepsTheOthers) {
    std::istringstream in(
        "\xEF\xBB\xBF"
        "Circuit,Current,Length,Volts,Max-Drop,Terminals,Size\n"
        "\"Pump, north\",100,1,240,,75,\n"
        "Lights,16,30,120,,,\n"
        "Bad,100,1,240,,75,7 AWG\n");
    std::ostringstream out, err;
    ASSERT_EQ(runScheduleText(in, out, err), 0) << err.str();
    EXPECT_EQ(
        out.str(),
        "\xEF\xBB\xBF"
        "Circuit,Current,Length,Volts,Max-Drop,Terminals,Size,answer_line,answer_size,"
        "answer_sets,answer_egc,answer_governed_by,answer_required_ampacity,answer_ampacity,"
        "answer_by_ampacity,answer_by_voltage_drop,answer_by_short_circuit,"
        "answer_by_small_conductor,answer_drop_volts,answer_drop_percent,answer_load_volts,"
        "answer_max_overcurrent_device,answer_device,answer_ampacity_set_by,answer_k,"
        "answer_code,answer_meets_all,answer_fails,answer_refused,answer_reason\r\n"
        // The grounding conductor: 8 AWG by the 100 A device; 12 AWG by the 20 A device,
        // raised with the conductors from 12 to 10 AWG for the drop (250.122(B)).
        "\"Pump, north\",100,1,240,,75,,2,3 AWG,1,8 AWG,ampacity,100,100,3 AWG,14 AWG,,8 AWG,"
        "0.156,0.065,239.844,,100,load_125,,NEC 2023,,,,\r\n"
        "Lights,16,30,120,,,,3,10 AWG,1,10 AWG,voltage_drop,16,30,12 AWG,10 AWG,,12 AWG,3.296,"
        "2.746,116.704,30,20,load_125,,NEC 2023,,,,\r\n"
        "Bad,100,1,240,,75,7 AWG,4,,,,,,,,,,,,,,,,,,,,,size,\"\"\"7 AWG\"\" is not a size of "
        "the code's tables (such as \"\"3 AWG\"\", \"\"2/0 AWG\"\", \"\"350 kcmil\"\")\"\r\n");
    EXPECT_EQ(err.str(),
              "ferrovolt-calc: schedule: 1 of 3 rows refused; answer_refused and answer_reason "
              "say why\n");
}

// A given size whose drop reaches the supply: no voltage at the load, on every path.
TEST(CircuitCommand, ADropPastTheSupplyIsOutOfRangeInTheScheduleAndNullInJson) {
    std::istringstream in("current,length,volts,size\n5,2000,120,14 AWG\n");
    std::ostringstream out, err;
    ASSERT_EQ(runScheduleText(in, out, err), 0) << err.str();
    EXPECT_NE(out.str().find(",Out of range.,"), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find(",-"), std::string::npos) << out.str();
    std::string answer;
    answerRequest(filledTables(),
                  R"({"calc":"circuit","current":5,"length":2000,"volts":120,"size":"14 AWG"})",
                  answer);
    const auto json = nlohmann::json::parse(answer);
    EXPECT_TRUE(json["load_volts"].is_null());
    EXPECT_EQ(json["fails"], nlohmann::json::array({"voltage_drop"}));
    EXPECT_EQ(json["meets_all"], false);
}

TEST(CircuitCommand, ScheduleWithoutARequiredColumnIsRefused) {
    std::istringstream in("current,length\n10,1\n");
    std::ostringstream out, err;
    EXPECT_EQ(runScheduleText(in, out, err), 2);
    EXPECT_EQ(err.str(), "ferrovolt-calc: schedule: the header names no \"volts\" column\n");
    EXPECT_EQ(out.str(), "");
}

// Whether the manual names an option whole, as roff writes it (\-\-max\-drop): "--ra" is not
// found inside "--raceway".
bool namesOption(const std::string& manual, std::string_view option) {
    std::string roff;
    for (const char c : option) {
        if (c == '-') roff += '\\';
        roff += c;
    }
    for (std::size_t at = manual.find(roff); at != std::string::npos;
         at = manual.find(roff, at + 1)) {
        const std::size_t end = at + roff.size();
        if (end == manual.size()) return true;
        const char next = manual[end];
        if (next != '\\' && next != '_' && std::isalnum(static_cast<unsigned char>(next)) == 0)
            return true;
    }
    return false;
}

// Every option of every code, and the option that picks the code.
TEST(CircuitCommand, TheManualNamesEveryOption) {
    std::ifstream file(ferrovolt::test::sourceTree() / "packaging/ferrovolt-calc.1.in");
    const std::string manual((std::istreambuf_iterator<char>(file)), {});
    ASSERT_FALSE(manual.empty());
    for (const CheckField* field : everyCircuitField())
        EXPECT_TRUE(namesOption(manual, field->option)) << field->option;
    EXPECT_TRUE(namesOption(manual, "--code"));
    EXPECT_NE(manual.find(".BI schedule"), std::string::npos);
}

}  // namespace
}  // namespace ferrovolt
