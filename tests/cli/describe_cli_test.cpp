// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line makes of the descriptions: the answers' rows, JSON numbers in batch,
// list --json, and the manual naming every option the registry declares.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/batch.h"
#include "cli/command.h"
#include "cli/json_answer.h"
#include "cli/json_rows.h"
#include "cli_run.h"
#include "filled_tables.h"
#include "source_tree.h"

namespace ferrovolt {
namespace {

nlohmann::json answerOf(const std::string& request) {
    std::string out;
    answerRequest(filledTables(), request, out);
    return nlohmann::json::parse(out);
}

TEST(JsonNumber, OnlyTextsThatAreJsonNumbers) {
    const struct {
        std::string_view text, number;
    } cases[] = {{"2.4", "2.4"},
                 {"9.859586 ", "9.859586"},
                 {"1.1E+19", "1.1E+19"},
                 {"-0.5", "-0.5"},
                 {"10.0", "10.0"},
                 {"N/A", ""},
                 {"N/A ", ""},
                 {"Out of range.", ""},
                 {"# 9", ""},
                 {"6.63 sq mm", ""},
                 {".5", ""},
                 {"5.", ""},
                 {"007", ""},
                 {"1E", ""},
                 {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(jsonNumberOf(c.text), c.number) << c.text;
}

TEST(JsonRows, FollowTheOutputsWithKeyCaptionValueAndUnit) {
    const nlohmann::json drop = answerOf(
        R"j({"calc":"voltage_drop","length":"100","feet":false,"current":"9999999999999999999","material":"Aluminium","supply":"240 Volts 1-phase","gauge":"10 AWG"})j");
    EXPECT_EQ(drop["rows"][1],
              nlohmann::json::parse(
                  R"j({"key":"load_volts","caption":"Voltage available to the load",
                                   "text":"Out of range.","value":null,"unit":""})j"));
    const nlohmann::json conduit =
        answerOf(R"j({"calc":"conduit","inches":true,"size":"4","fill":40,"cable":"1"})j");
    EXPECT_EQ(conduit["rows"][0],
              nlohmann::json::parse(R"j({"key":"conduit_area","caption":"Conduit Area",
                                   "text":"12.566370614","value":12.566370614,"unit":"Sq Inches"})j"));
    const nlohmann::json area =
        answerOf(R"j({"calc":"area_weight","gauge":"6/0","standard":"BWG (Stubs Iron Wire)"})j");
    EXPECT_EQ(area["rows"][2]["key"], "area_mm2");
    EXPECT_TRUE(area["rows"][2]["value"].is_null());
    // --json of a subcommand is the batch answer, rows and all.
    EXPECT_EQ(runCommand({"conduit", "--json", "--inches"}).out,
              runCommand({"batch"},
                         R"j({"calc":"conduit","inches":true,"size":"4","fill":40,"cable":"1"})j")
                  .out);
}

TEST(JsonRows, ATextThatNeedsEscapingIsEscapedInBoth) {
    Outputs outputs(kVoltageDrop);
    for (const char* text : {"a\"b", "2.4", "\\", "\xC2\xB0"}) outputs.push(text);
    std::string out;
    appendAnswer(out, outputs);
    const nlohmann::json json = nlohmann::json::parse(out);
    EXPECT_EQ(json["outputs"]["lblDrop"], "a\"b");
    EXPECT_EQ(json["rows"][0]["text"], "a\"b");
    EXPECT_TRUE(json["rows"][0]["value"].is_null());
    EXPECT_EQ(json["rows"][1]["value"], 2.4);
    EXPECT_EQ(json["rows"][2]["text"], "\\");
    EXPECT_EQ(json["rows"][3]["text"], "\xC2\xB0");
}

TEST(JsonRows, CopiedTextsGiveTheAnswerWrittenPieceByPiece) {
    // Texts as the results show them, and units other than the declared ones.
    const std::string texts[] = {"1.023696", "N/A ", "Out of range.", "1.1E+19",    "",
                                 "-0.5",     "# 9",  "007",           "12.3 sq mm", "x\"y"};
    std::size_t next = 0;
    for (const Command* command : calculatorCommands()) {
        for (const bool otherUnits : {false, true}) {
            Outputs outputs(command->description());
            for (const RowDescription& row : command->description().rows) {
                std::string text = texts[next++ % std::size(texts)];
                if (otherUnits)
                    outputs.push(std::move(text), row.key);
                else
                    outputs.push(std::move(text));
            }
            std::string copied;
            std::string escaped;
            appendOutputs(copied, outputs);
            appendOutputsEscaped(escaped, outputs);
            EXPECT_EQ(copied, escaped) << command->description().request;
        }
    }
}

TEST(BatchNumbers, AJsonNumberIsTheSameInputAsItsText) {
    const std::string drop =
        R"j({"calc":"voltage_drop","feet":true,"material":"Aluminium","supply":"240 Volts 1-phase","gauge":"18 AWG",)j";
    const struct {
        std::string numbers, texts;
    } cases[] = {
        {R"j("length":100,"current":10})j", R"j("length":"100","current":"10"})j"},
        {R"j("length":12.5,"current":1e1})j", R"j("length":"12.5","current":"10"})j"},
        {R"j("length":1e-7,"current":0.1})j", R"j("length":"0.0000001","current":"0.1"})j"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(answerOf(drop + c.numbers), answerOf(drop + c.texts)) << c.numbers;
    EXPECT_EQ(answerOf(drop + R"j("length":true,"current":10})j")["error"],
              "field \"length\" must be a number or a number text");
    EXPECT_EQ(answerOf(R"j({"calc":"area_weight","gauge":18,"standard":"SWG"})j")["error"],
              "field \"gauge\" must be a string");  // a label is no number
}

TEST(ListJson, PrintsTheTopicAndItsTexts) {
    const CliRun run = runCommand({"list", "conduits", "--inches", "--json"});
    EXPECT_EQ(run.status, kExitOk);
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["topic"], "conduits");
    EXPECT_EQ(json["texts"].size(), 11U);
    EXPECT_EQ(json["texts"][0], runCommand({"list", "conduits", "--inches"})
                                    .out.substr(0, json["texts"][0].get<std::string>().size()));
}

TEST(Manual, NamesEachCommandsOptionsInItsSection) {
    std::ifstream file(ferrovolt::test::sourceTree() / "packaging/ferrovolt-calc.1.in");
    const std::string manual((std::istreambuf_iterator<char>(file)), {});
    ASSERT_FALSE(manual.empty());
    const auto heading = [&](std::string_view command) {
        return manual.find("\n.B " + std::string(command) + "\n");
    };
    for (const Command* command : calculatorCommands()) {
        const CalculatorDescription& calculator = command->description();
        if (calculator.command.empty()) continue;
        const auto section = heading(calculator.command);
        ASSERT_NE(section, std::string::npos) << calculator.command;
        auto end = manual.find("\n.SH ", section);  // the next command's heading, or the end
        for (const Command* other : calculatorCommands())
            if (const auto at = heading(other->description().command); at > section && at < end)
                end = at;
        for (const InputDescription& input : calculator.inputs) {
            std::string option;  // as roff writes it: \-\-length
            for (const char c : input.option) (c == '-' ? option += "\\-" : option += c);
            EXPECT_LT(manual.find(option, section), end)
                << calculator.command << " " << input.option;
        }
    }
}

}  // namespace
}  // namespace ferrovolt
