// SPDX-License-Identifier: GPL-3.0-or-later
// The batch contract, line by line: exact answers for each calculator, refusals and their
// order, and every kind of malformed line.

#include <gtest/gtest.h>

#include <ios>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/command.h"
#include "cli/flat_request.h"
#include "cli/json_answer.h"
#include "cli/request_fields.h"
#include "cli_run.h"
#include "filled_tables.h"

namespace ferrovolt {
namespace {

using namespace std::string_view_literals;

struct BatchCase {
    const char* name;
    std::string_view request;
    std::string_view answer;
};

void PrintTo(const BatchCase& c, std::ostream* os) {
    *os << c.request;
}

// The answer to a request that reaches its calculator as `--json` writes it, from the
// outcome; empty for a request that does not reach it.
std::string answerOfOutcome(std::string_view line) {
    FlatRequest request;
    if (request.read(line) != FlatRequest::Status::Object) return {};
    RequestFields fields(request);
    const Command* command = commandForRequest(fields.text("calc"));
    if (command == nullptr) return {};
    Inputs inputs(command->description());
    if (!command->read(filledTables(), fields, inputs)) return {};
    std::string out;
    appendAnswer(out, command->compute(filledTables(), inputs));
    return out;
}

class BatchAnswer : public testing::TestWithParam<BatchCase> {};

// Batch writes an answer from its result in place: the same bytes as from the outcome.
TEST_P(BatchAnswer, IsExact) {
    std::string out;
    answerRequest(filledTables(), GetParam().request, out);
    EXPECT_EQ(outputsOnly(out), GetParam().answer);
    if (const std::string outcome = answerOfOutcome(GetParam().request); !outcome.empty()) {
        EXPECT_EQ(out, outcome);
    }
}

std::string batchCaseName(const testing::TestParamInfo<BatchCase>& info) {
    return info.param.name;
}

// The worked examples of each tab, drop and sizing in their corrected form.
// clang-format off
constexpr BatchCase kResults[] = {
    {"AreaWeight6_0Awg",
     R"j({"calc":"area_weight","gauge":"6/0","standard":"AWG (B&S)"})j",
     R"j({"outputs":{"Dia_mm":"14.732","Dia_inch":"0.58","Area_mm":"170.4564","Area_inches":"0.2642079","Area_mils":"335544.07030","Pounds":"1017.7289439","Kilos":"151.45630597"}})j"},
    {"AreaWeightStandardWithoutGauge",
     R"j({"calc":"area_weight","gauge":"6/0","standard":"BWG (Stubs Iron Wire)"})j",
     R"j({"outputs":{"Dia_mm":"N/A","Dia_inch":"N/A","Area_mm":"N/A","Area_inches":"N/A","Area_mils":"N/A","Pounds":"N/A","Kilos":"N/A"}})j"},
    {"Resistance18Copper",
     R"j({"calc":"resistance","gauge":"18","material":"Copper (Annealed)","temperature":"20","unit":"C"})j",
     R"j({"outputs":{"Kilo_mtr":"0.0073132","Kilo_Km":"7.313178","Pounds_f":"4.9141783","Ohms_mtr":"0.0209474","Ohms_km":"20.9474","Ohms_mile":"33.71016","Ohms_Kf":"6.3845","Ohms_f":"0.0063845"}})j"},
    {"ComparePosition46",
     R"j({"calc":"compare","position":46,"unit":2})j",
     R"j({"outputs":{"lblGauge":"40","lblGaugeArray(0)":"9.859586 ","lblGaugeArray(1)":"N/A ","lblGaugeArray(2)":"22.98138 ","lblGaugeArray(3)":"N/A ","lblGaugeArray(4)":"48.87533 "}})j"},
    {"GaugeAreaCircularMilsByLabel",
     R"j({"calc":"gauge_area","gauge":"4/0","standard":0,"unit":2,"by_position":false})j",
     R"j({"outputs":{"area":"211061.6"}})j"},
    {"GaugeAreaByPosition",
     R"j({"calc":"gauge_area","gauge":"46","standard":0,"unit":0,"by_position":true})j",
     R"j({"outputs":{"area":"0.0050087"}})j"},
    {"GaugeAreaUnknownUnitMode",
     R"j({"calc":"gauge_area","gauge":"18","standard":0,"unit":3,"by_position":false})j",
     R"j({"outputs":{"area":"0"}})j"},
    {"GaugeAreaNoValueIsEmpty",
     R"j({"calc":"gauge_area","gauge":"18 AWG","standard":0,"unit":0,"by_position":false})j",
     R"j({"outputs":{"area":""}})j"},
    {"ConduitInches",
     R"j({"calc":"conduit","inches":true,"size":"4","fill":40,"cable":"1"})j",
     R"j({"outputs":{"CondArea":"12.566370614","UseableArea":"5.0265482456","CableArea":"0.7853981633","CableQty":"6"}})j"},
    {"VoltageDrop500Kcmil",
     R"j({"calc":"voltage_drop","length":"100","feet":false,"current":"200","material":"Copper (Annealed)","supply":"480 Volts 3-phase","gauge":"500 Kcmil"})j",
     R"j({"outputs":{"lblDrop":"2.4","lblVoltsOut":"477.6","lblPCdrop":"0.5","lblCMA":"500000"}})j"},
    {"ConductorSizeAluminium",
     R"j({"calc":"conductor_size","length":"100","feet":false,"current":"10","material":"Aluminium","three_phase":false,"volts":"240"})j",
     R"j({"outputs":{"lblCmils":"11611.46","lblMinAWG":"# 9","lblMinMetric":"6.63413","lblNomMetric":"10.0"}})j"},
    {"FieldsOutsideTheRequestAreIgnored",
     R"j({"id":7,"calc":"area_weight","note":{"a":[1,2]},"gauge":"18","standard":"AWG (B&S)"})j",
     R"j({"outputs":{"Dia_mm":"1.023696","Dia_inch":"0.040303","Area_mm":"0.823061","Area_inches":"0.0012757","Area_mils":"1620.1989434","Pounds":"4.9141782126","Kilos":"0.7313177869"}})j"},
    {"EscapedTexts",
     R"j({"calc":"area_weight","gauge":"\u0031\u0038","standard":"AWG (B\u0026S)"})j",
     R"j({"outputs":{"Dia_mm":"1.023696","Dia_inch":"0.040303","Area_mm":"0.823061","Area_inches":"0.0012757","Area_mils":"1620.1989434","Pounds":"4.9141782126","Kilos":"0.7313177869"}})j"},
    {"RepeatedFieldTakesTheLast",
     R"j({"calc":"compare","position":24,"unit":2,"position":46})j",
     R"j({"outputs":{"lblGauge":"40","lblGaugeArray(0)":"9.859586 ","lblGaugeArray(1)":"N/A ","lblGaugeArray(2)":"22.98138 ","lblGaugeArray(3)":"N/A ","lblGaugeArray(4)":"48.87533 "}})j"},
    {"ManyFieldsAndDeepNesting",
     R"j({"a":1,"b":2,"c":3,"d":4,"e":5,"f":6,"g":7,"h":8,"i":9,"j":10,"k":11,"l":12,"m":13,"n":14,"o":15,"p":16,"q":[[[[[{"calc":"x"}]]]]],"calc":"compare","position":46,"unit":2})j",
     R"j({"outputs":{"lblGauge":"40","lblGaugeArray(0)":"9.859586 ","lblGaugeArray(1)":"N/A ","lblGaugeArray(2)":"22.98138 ","lblGaugeArray(3)":"N/A ","lblGaugeArray(4)":"48.87533 "}})j"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Results, BatchAnswer, testing::ValuesIn(kResults), batchCaseName);

// A refusal names the request's field, the first at fault in the calculator's order.
// clang-format off
constexpr BatchCase kRefusals[] = {
    {"GaugeBeforeStandard",
     R"j({"calc":"area_weight","gauge":"18 ","standard":"AWG"})j",
     R"j({"refused":"gauge"})j"},
    {"Standard",
     R"j({"calc":"area_weight","gauge":"18","standard":"AWG"})j",
     R"j({"refused":"standard"})j"},
    {"ResistanceMaterialBeforeTemperature",
     R"j({"calc":"resistance","gauge":"18","material":"copper (annealed)","temperature":"x","unit":"C"})j",
     R"j({"refused":"material"})j"},
    {"TemperatureNotANumber",
     R"j({"calc":"resistance","gauge":"18","material":"Gold","temperature":"1e2","unit":"C"})j",
     R"j({"refused":"temperature"})j"},
    {"ConduitSizeBeforeCable",
     R"j({"calc":"conduit","inches":true,"size":"100","fill":40,"cable":""})j",
     R"j({"refused":"size"})j"},
    {"CableAreaZero",
     R"j({"calc":"conduit","inches":false,"size":"100","fill":40,"cable":"0"})j",
     R"j({"refused":"cable"})j"},
    {"DropLengthFirst",
     R"j({"calc":"voltage_drop","length":"","feet":false,"current":"","material":"x","supply":"y","gauge":"z"})j",
     R"j({"refused":"length"})j"},
    {"DropLengthNotANumber",
     R"j({"calc":"voltage_drop","length":"1.2.3","feet":false,"current":"10","material":"Gold","supply":"240 Volts 1-phase","gauge":"18 AWG"})j",
     R"j({"refused":"length"})j"},
    {"DropCurrent",
     R"j({"calc":"voltage_drop","length":"100","feet":true,"current":"-1","material":"x","supply":"y","gauge":"z"})j",
     R"j({"refused":"current"})j"},
    {"DropSupply",
     R"j({"calc":"voltage_drop","length":"100","feet":true,"current":"10","material":"Tin","supply":"240 volts 1-phase","gauge":"z"})j",
     R"j({"refused":"supply"})j"},
    {"DropGauge",
     R"j({"calc":"voltage_drop","length":"100","feet":true,"current":"10","material":"Tin","supply":"240 Volts 1-phase","gauge":"18 awg"})j",
     R"j({"refused":"gauge"})j"},
    {"SizeMaterialBeforeVolts",
     R"j({"calc":"conductor_size","length":"100","feet":false,"current":"10","material":"Brass","three_phase":true,"volts":"230"})j",
     R"j({"refused":"material"})j"},
    {"SizeVolts",
     R"j({"calc":"conductor_size","length":"100","feet":false,"current":"10","material":"Iron","three_phase":true,"volts":"230"})j",
     R"j({"refused":"volts"})j"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Refusals, BatchAnswer, testing::ValuesIn(kRefusals), batchCaseName);

// Lines the batch cannot take as a request: an error for that line, nothing else.
// clang-format off
constexpr BatchCase kMalformed[] = {
    {"EmptyLine",
     "",
     R"j({"error":"empty line"})j"},
    {"BlankLine",
     " \t\r",
     R"j({"error":"empty line"})j"},
    {"NotJson",
     "area_weight 18",
     R"j({"error":"not valid JSON"})j"},
    {"TruncatedJson",
     R"j({"calc":"compare","position":24)j",
     R"j({"error":"not valid JSON"})j"},
    {"TwoObjects",
     R"j({"calc":"compare"}{"calc":"compare"})j",
     R"j({"error":"not valid JSON"})j"},
    {"NotAnObject",
     R"j(["compare",24,0])j",
     R"j({"error":"the request must be a JSON object"})j"},
    {"NoCalc",
     R"j({"position":24,"unit":0})j",
     R"j({"error":"missing field \"calc\""})j"},
    {"CalcNotAString",
     R"j({"calc":3})j",
     R"j({"error":"field \"calc\" must be a string"})j"},
    {"UnknownCalc",
     R"j({"calc":"Compare","position":24,"unit":0})j",
     R"j({"error":"field \"calc\" is out of range: it must be one of \"area_weight\", \"resistance\", \"compare\", \"gauge_area\", \"conduit\", \"voltage_drop\", \"conductor_size\", \"circuit\", \"fill\", \"project\""})j"},
    {"MissingField",
     R"j({"calc":"area_weight","gauge":"18"})j",
     R"j({"error":"missing field \"standard\""})j"},
    {"FirstMissingFieldNamed",
     R"j({"calc":"voltage_drop","length":"100"})j",
     R"j({"error":"missing field \"feet\""})j"},
    {"TextAsNumber",
     R"j({"calc":"area_weight","gauge":18,"standard":"SWG"})j",
     R"j({"error":"field \"gauge\" must be a string"})j"},
    {"TextAsNull",
     R"j({"calc":"area_weight","gauge":"18","standard":null})j",
     R"j({"error":"field \"standard\" must be a string"})j"},
    {"FlagAsText",
     R"j({"calc":"conduit","inches":"true","size":"100","fill":40,"cable":"25"})j",
     R"j({"error":"field \"inches\" must be true or false"})j"},
    {"NumberAsText",
     R"j({"calc":"compare","position":"24","unit":0})j",
     R"j({"error":"field \"position\" must be a whole number"})j"},
    {"NumberWithFraction",
     R"j({"calc":"compare","position":24.5,"unit":0})j",
     R"j({"error":"field \"position\" must be a whole number"})j"},
    {"Position0",
     R"j({"calc":"compare","position":0,"unit":0})j",
     R"j({"error":"field \"position\" is out of range: it must be from 1 to 46"})j"},
    {"Position47",
     R"j({"calc":"compare","position":47,"unit":0})j",
     R"j({"error":"field \"position\" is out of range: it must be from 1 to 46"})j"},
    {"PositionHuge",
     R"j({"calc":"compare","position":18446744073709551615,"unit":0})j",
     R"j({"error":"field \"position\" is out of range: it must be from 1 to 46"})j"},
    {"CompareUnit3",
     R"j({"calc":"compare","position":24,"unit":3})j",
     R"j({"error":"field \"unit\" is out of range: it must be from 0 to 2"})j"},
    {"Standard5",
     R"j({"calc":"gauge_area","gauge":"18","standard":5,"unit":0,"by_position":false})j",
     R"j({"error":"field \"standard\" is out of range: it must be from 0 to 4"})j"},
    {"StandardNegative",
     R"j({"calc":"gauge_area","gauge":"18","standard":-1,"unit":0,"by_position":false})j",
     R"j({"error":"field \"standard\" is out of range: it must be from 0 to 4"})j"},
    {"GaugeAreaUnit4",
     R"j({"calc":"gauge_area","gauge":"18","standard":0,"unit":4,"by_position":false})j",
     R"j({"error":"field \"unit\" is out of range: it must be from 0 to 3"})j"},
    {"Fill50",
     R"j({"calc":"conduit","inches":false,"size":"100","fill":50,"cable":"25"})j",
     R"j({"error":"field \"fill\" is out of range: it must be 40 or 60"})j"},
    {"TemperatureUnitLowerCase",
     R"j({"calc":"resistance","gauge":"18","material":"Gold","temperature":"20","unit":"c"})j",
     R"j({"error":"field \"unit\" is out of range: it must be one of \"C\", \"F\", \"K\""})j"},
    {"NestedValueForText",
     R"j({"calc":"area_weight","gauge":["18"],"standard":"SWG"})j",
     R"j({"error":"field \"gauge\" must be a string"})j"},
    {"InnerFieldsAreNotRequestFields",
     R"j({"request":{"calc":"compare","position":24,"unit":0}})j",
     R"j({"error":"missing field \"calc\""})j"},
    {"InvalidUtf8",
     "{\"calc\":\"area_weight\",\"gauge\":\"\xff\",\"standard\":\"SWG\"}",
     R"j({"error":"not valid JSON"})j"},
    {"ErrorBeforeRefusal",
     R"j({"calc":"area_weight","gauge":"nope","standard":4})j",
     R"j({"error":"field \"standard\" must be a string"})j"},
    {"NulByteWouldHideTheRest",
     "{\"calc\":\"compare\",\"position\":24,\"unit\":0}\0garbage"sv,
     R"j({"error":"NUL byte in the line"})j"},
    {"NulByteInAText", "{\"calc\":\"compare\0\",\"position\":24,\"unit\":0}"sv,
     R"j({"error":"NUL byte in the line"})j"},
    {"NulByteAfterANumberBeyondDouble", "{\"calc\":\"compare\",\"position\":1e400\0"sv,
     R"j({"error":"NUL byte in the line"})j"},
    {"NulByteAmongBlanks", " \0 "sv, R"j({"error":"NUL byte in the line"})j"},
    {"NumberBeyondDouble",
     R"j({"calc":"compare","position":1e400,"unit":0})j",
     R"j({"error":"field \"position\" is out of range: the number is too large"})j"},
    {"NumberBeyondDoubleNested",
     R"j([{"calc":-1e999}])j",
     R"j({"error":"a number in the request is out of range"})j"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Malformed, BatchAnswer, testing::ValuesIn(kMalformed), batchCaseName);

TEST(RunBatch, AnswersEveryLineInOrderAndGoesOnAfterErrors) {
    std::istringstream in(
        "{\"calc\":\"compare\",\"position\":1,\"unit\":9}\r\n"
        "\n"
        "{\"calc\":\"gauge_area\",\"gauge\":\"1\",\"standard\":0,\"unit\":0,\"by_position\":false}"
        "\r\n"
        "not json\n"
        "{\"calc\":\"area_weight\",\"gauge\":\"40\",\"standard\":\"US Standard (old)\"}");
    std::ostringstream out;
    EXPECT_EQ(runBatch(filledTables(), in, out), 5U);
    EXPECT_EQ(outputsOnly(out.str()),
              "{\"error\":\"field \\\"unit\\\" is out of range: it must be from 0 to 2\"}\n"
              "{\"error\":\"empty line\"}\n"
              "{\"outputs\":{\"area\":\"42.40775\"}}\n"
              "{\"error\":\"not valid JSON\"}\n"
              "{\"outputs\":{\"Dia_mm\":\"N/A\",\"Dia_inch\":\"N/A\",\"Area_mm\":\"N/A\","
              "\"Area_inches\":\"N/A\",\"Area_mils\":\"N/A\",\"Pounds\":\"N/A\","
              "\"Kilos\":\"N/A\"}}\n");
}

TEST(RunBatch, LargeInputIsAnsweredWhole) {
    // More answers than one output block holds, so the blocks must join without a gap.
    constexpr int kLines = 5000;
    std::string input;
    for (int i = 0; i < kLines; ++i)
        input +=
            "{\"calc\":\"compare\",\"position\":" + std::to_string(i % 46 + 1) + ",\"unit\":2}\n";
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(runBatch(filledTables(), in, out), static_cast<std::size_t>(kLines));
    std::istringstream answers(out.str());
    std::string line;
    int count = 0;
    while (std::getline(answers, line)) {
        const std::string gauge =
            count % 46 < 6 ? std::to_string(6 - count % 46) + "/0" : std::to_string(count % 46 - 5);
        ASSERT_EQ(line.rfind("{\"outputs\":{\"lblGauge\":\"" + gauge + "\",", 0), 0U) << line;
        ++count;
    }
    EXPECT_EQ(count, kLines);
}

TEST(RunBatch, LongLinesAreAnsweredWithoutBeingHeldAndTheBatchGoesOn) {
    const std::string compare = R"j({"calc":"compare","position":46,"unit":2})j";
    const std::string answer = R"j({"outputs":{"lblGauge":"40","lblGaugeArray(0)":"9.859586 ",)j"
                               R"j("lblGaugeArray(1)":"N/A ","lblGaugeArray(2)":"22.98138 ",)j"
                               R"j("lblGaugeArray(3)":"N/A ","lblGaugeArray(4)":"48.87533 "}})j";
    const std::string tooLong = R"j({"error":"line too long"})j";
    struct Case {
        const char* name;
        std::size_t limit;
        std::string input;
        std::string output;
    };
    const Case cases[] = {
        {"exactly the limit", compare.size(), compare + "\n" + compare,
         answer + "\n" + answer + "\n"},
        {"one byte over, then the next line", compare.size() - 1, compare + "\n\n",
         tooLong + "\n{\"error\":\"empty line\"}\n"},
        {"far over, last line without a break", 8, "x\n" + std::string(100000, ' '),
         "{\"error\":\"not valid JSON\"}\n" + tooLong + "\n"},
        {"1 MiB limit, 3 MiB line", kMaxLineBytes,
         std::string(3 * kMaxLineBytes, '[') + "\n" + compare + "\n",
         tooLong + "\n" + answer + "\n"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.input);
        std::ostringstream out;
        runBatch(filledTables(), in, out, c.limit);
        EXPECT_EQ(outputsOnly(out.str()), c.output) << c.name;
        EXPECT_FALSE(in.bad()) << c.name;
    }
}

TEST(RunBatch, UnreadableInputIsLeftBad) {
    // A read that fails (a directory, a closed descriptor) sets badbit, unlike an end.
    struct Failing : std::streambuf {
        int_type underflow() override { throw std::ios_base::failure("read error"); }
    } failing;
    std::istream in(&failing);
    std::ostringstream out;
    EXPECT_EQ(runBatch(filledTables(), in, out), 0U);
    EXPECT_TRUE(in.bad());
}

TEST(RunBatch, NoInputNoAnswer) {
    std::istringstream in("");
    std::ostringstream out;
    EXPECT_EQ(runBatch(filledTables(), in, out), 0U);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace ferrovolt

namespace ferrovolt {
namespace {

TEST(JsonAnswer, TextsThatAreNotPlainAreEscapedAndStayValid) {
    std::string out;
    appendError(out, "a \"b\" \\ c\nd\x01 \xff");
    EXPECT_EQ(out, "{\"error\":\"a \\\"b\\\" \\\\ c\\nd\\u0001 \xEF\xBF\xBD\"}");
    out.clear();
    appendError(out, "plain text 1.5");
    EXPECT_EQ(out, "{\"error\":\"plain text 1.5\"}");
}

}  // namespace
}  // namespace ferrovolt
