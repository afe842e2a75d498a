// SPDX-License-Identifier: GPL-3.0-or-later
// The request reader at the edges of JSON: what it takes, what it refuses, and the values it
// reads. fuzz_batch compares it with nlohmann's reader on any bytes.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string_view>

#include "cli/flat_request.h"

namespace ferrovolt {
namespace {

using Status = FlatRequest::Status;
using Kind = RequestValue::Kind;

struct ReadCase {
    const char* name;
    std::string_view line;
    Status status;
    Kind kind;              // of member "a", for an object
    std::string_view text;  // its text, for Text
    double number;          // its number, for Integer and Fraction
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

std::string readCaseName(const testing::TestParamInfo<ReadCase>& info) {
    return info.param.name;
}

class ReadLine : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLine, StatusAndValue) {
    const ReadCase& c = GetParam();
    FlatRequest request;
    ASSERT_EQ(request.read(c.line), c.status);
    if (c.status != Status::Object) return;
    const RequestValue* a = request.find("a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->kind, c.kind);
    if (c.kind == Kind::Text) {
        EXPECT_EQ(a->text, c.text);
    }
    if (c.kind == Kind::Integer || c.kind == Kind::Fraction) {
        EXPECT_EQ(a->number, c.number);
        EXPECT_EQ(std::signbit(a->number), std::signbit(c.number));
    }
}

// clang-format off
constexpr ReadCase kReads[] = {
    {"ByteOrderMark", "\xEF\xBB\xBF{\"a\":\"x\"}", Status::Object, Kind::Text, "x", 0},
    {"BrokenByteOrderMark", "\xEF\xBB{\"a\":1}", Status::NotJson, Kind::Null, "", 0},
    {"EscapesUndone", R"j({"a":"\"\\\/\b\f\n\r\t\u00e9\u20AC"})j", Status::Object, Kind::Text,
     "\"\\/\b\f\n\r\t\xC3\xA9\xE2\x82\xAC", 0},
    {"EscapedName", R"j({"\u0061":true})j", Status::Object, Kind::Bool, "", 0},
    {"SurrogatePair", R"j({"a":"\ud834\udd1e"})j", Status::Object, Kind::Text, "\xF0\x9D\x84\x9E", 0},
    {"LoneHighSurrogate", R"j({"a":"\ud834x"})j", Status::NotJson, Kind::Null, "", 0},
    {"LoneLowSurrogate", R"j({"a":"\udd1e"})j", Status::NotJson, Kind::Null, "", 0},
    {"ControlCharacter", "{\"a\":\"\t\"}", Status::NotJson, Kind::Null, "", 0},
    {"Utf8Kept", "{\"a\":\"\xF0\x9D\x84\x9E\x7F\"}", Status::Object, Kind::Text, "\xF0\x9D\x84\x9E\x7F", 0},
    {"OverlongUtf8", "{\"a\":\"\xC0\xAF\"}", Status::NotJson, Kind::Null, "", 0},
    {"SurrogateInUtf8", "{\"a\":\"\xED\xA0\x80\"}", Status::NotJson, Kind::Null, "", 0},
    {"MinusZeroWhole", R"j({"a":-0})j", Status::Object, Kind::Integer, "", 0.0},
    {"MinusZeroFraction", R"j({"a":-0.0})j", Status::Object, Kind::Fraction, "", -0.0},
    {"LargestUnsigned", R"j({"a":18446744073709551615})j", Status::Object, Kind::Integer, "", 18446744073709551615.0},
    {"BeyondUnsigned", R"j({"a":18446744073709551616})j", Status::Object, Kind::Fraction, "", 18446744073709551616.0},
    {"BeyondSigned", R"j({"a":-9223372036854775809})j", Status::Object, Kind::Fraction, "", -9223372036854775809.0},
    {"UnderflowIsZero", R"j({"a":-1e-400})j", Status::Object, Kind::Fraction, "", -0.0},
    {"Subnormal", R"j({"a":2.5e-324})j", Status::Object, Kind::Fraction, "", 4.9406564584124654e-324},
    {"Overflow", R"j({"a":1.8e308})j", Status::NumberOutOfRange, Kind::Null, "", 0},
    {"OverflowBeforeLaterFault", R"j({"a":1e999,})j", Status::NumberOutOfRange, Kind::Null, "", 0},
    {"FaultBeforeOverflow", R"j({"a":01,"b":1e999})j", Status::NotJson, Kind::Null, "", 0},
    {"NumberForms", R"j({"a":[0,-1,1.5,1e5,1E+5,1e-5]})j", Status::Object, Kind::Nested, "", 0},
    {"LeadingZero", R"j({"a":[01]})j", Status::NotJson, Kind::Null, "", 0},
    {"BarePoint", R"j({"a":[1.]})j", Status::NotJson, Kind::Null, "", 0},
    {"BareExponent", R"j({"a":[1e+]})j", Status::NotJson, Kind::Null, "", 0},
    {"NestedChecked", R"j({"a":{"b":[1,{"c":null}],"d":tru}})j", Status::NotJson, Kind::Null, "", 0},
    {"NestedKeyWithoutColon", R"j({"a":{"b"}})j", Status::NotJson, Kind::Null, "", 0},
    {"TrailingComma", R"j({"a":[1,]})j", Status::NotJson, Kind::Null, "", 0},
    {"TrailingText", R"j({"a":1} x)j", Status::NotJson, Kind::Null, "", 0},
    {"BlanksAround", " \t{ \"a\" : null }\r ", Status::Object, Kind::Null, "", 0},
    {"Array", R"j([{"a":1}])j", Status::NotObject, Kind::Null, "", 0},
    {"Scalar", "\"a\"", Status::NotObject, Kind::Null, "", 0},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Edges, ReadLine, testing::ValuesIn(kReads), readCaseName);

struct FindCase {
    std::string_view line;
    std::size_t next;       // the member looked at first
    std::string_view text;  // of member "a"; "" for none
    std::size_t nextAfter;
};

void PrintTo(const FindCase& c, std::ostream* out) {
    *out << c.line << " from " << c.next;
}

class FindFrom : public testing::TestWithParam<FindCase> {};

// Looking from a member first finds what looking from the end finds: a repeated name's last.
TEST_P(FindFrom, TakesTheLastOfARepeatedName) {
    const FindCase& c = GetParam();
    FlatRequest request;
    ASSERT_EQ(request.read(c.line), Status::Object);
    std::size_t next = c.next;
    const RequestValue* a = request.find("a", next);
    EXPECT_EQ(a == nullptr ? std::string_view() : a->text, c.text);
    EXPECT_EQ(next, c.nextAfter);
}

constexpr FindCase kFinds[] = {
    {R"j({"b":"1","a":"2"})j", 1, "2", 2},          // where it was expected
    {R"j({"a":"1","b":"2"})j", 1, "1", 1},          // before it
    {R"j({"a":"1","b":"2"})j", 5, "1", 1},          // past the members
    {R"j({"a":"1","b":"2","a":"3"})j", 0, "3", 0},  // repeated: found from the end
    {R"j({"\u0061":"1","b":"2","a":"3"})j", 0, "3", 0},
    {R"j({"b":"1","c":"2"})j", 1, "", 1},
};
INSTANTIATE_TEST_SUITE_P(Members, FindFrom, testing::ValuesIn(kFinds));

TEST(ReadLine, OutOfRangeNamesTheMemberHoldingTheNumber) {
    const struct {
        std::string_view line, message;
    } cases[] = {
        {R"j({"calc":"x","cable":{"d":[1e400]}})j",
         "field \"cable\" is out of range: the number is too large"},
        {R"j({"c\u0061ble":-1e400})j", "field \"cable\" is out of range: the number is too large"},
        {"[1e400]", "a number in the request is out of range"},
        {R"j({"":1e400})j", "a number in the request is out of range"},
    };
    FlatRequest request;
    for (const auto& c : cases) {
        ASSERT_EQ(request.read(c.line), Status::NumberOutOfRange) << c.line;
        EXPECT_EQ(request.outOfRangeMessage(), c.message) << c.line;
    }
}

// The fill's lists: an array member keeps its elements, each line its own.
TEST(ReadLine, ArrayMemberKeepsItsElements) {
    FlatRequest request;
    ASSERT_EQ(request.read(R"j({"w":["3x12:THHN","\u0031x8:bare",2.5,[1],{}],"x":[]})j"),
              Status::Object);
    const RequestValue* w = request.find("w");
    ASSERT_TRUE(w->array);
    const auto items = request.items(*w);
    ASSERT_EQ(items.size(), 5U);
    EXPECT_EQ(items[0].text, "3x12:THHN");
    EXPECT_EQ(items[1].text, "1x8:bare");
    EXPECT_EQ(items[2].kind, Kind::Fraction);
    EXPECT_EQ(items[2].number, 2.5);
    EXPECT_EQ(items[3].kind, Kind::Nested);
    EXPECT_EQ(items[4].kind, Kind::Nested);
    EXPECT_TRUE(request.items(*request.find("x")).empty());
    ASSERT_EQ(request.read(R"j({"w":["1x6:TW"],"y":{"z":["a"]}})j"), Status::Object);
    ASSERT_EQ(request.items(*request.find("w")).size(), 1U);
    EXPECT_EQ(request.items(*request.find("w"))[0].text, "1x6:TW");
    EXPECT_FALSE(request.find("y")->array);
}

TEST(ReadLine, DeepNestingIsReadWithoutRecursion) {
    const std::string line =
        "{\"a\":" + std::string(200000, '[') + std::string(200000, ']') + ",\"b\":\"x\"}";
    FlatRequest request;
    ASSERT_EQ(request.read(line), Status::Object);
    EXPECT_EQ(request.find("a")->kind, Kind::Nested);
    EXPECT_EQ(request.find("b")->text, "x");
}

}  // namespace
}  // namespace ferrovolt
