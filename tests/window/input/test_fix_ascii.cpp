// SPDX-License-Identifier: GPL-3.0-or-later
// The key filter judged on plain values: which codes pass, and the length limit judged on the
// text after the selection is replaced.

#include <gtest/gtest.h>

#include <string>

#include "window/input/fix_ascii.h"

namespace ferrovolt {
namespace {

struct FixCase {
    const char* name;
    std::u16string text;
    int selStart;
    int selLength;
    int keyAscii;
    int lgth;
    KeyVerdict expected;
};

std::ostream& operator<<(std::ostream& out, const FixCase& c) {
    return out << c.name;
}

constexpr auto kAccept = KeyVerdict::Accept;
constexpr auto kRefuse = KeyVerdict::Refuse;

const std::u16string k18Digits = u"123456789012345678";
const std::u16string k19Digits = u"1234567890123456789";

// clang-format off
const FixCase kCases[] = {
    // Backspace, tab and enter pass whatever the text and its length.
    {"BackspaceOnFullField", u"100", 3, 0, 8, 4, kAccept},
    {"BackspaceOnEmptyField", u"", 0, 0, 8, 4, kAccept},
    {"TabOnOverlongText", u"12345", 5, 0, 9, 4, kAccept},
    {"EnterOnOverlongText", u"12345", 5, 0, 13, 4, kAccept},
    // Limit 4: at most three characters can be typed.
    {"ThirdDigitMakes100", u"10", 2, 0, '0', 4, kAccept},
    {"FourthDigitWouldMake1000", u"100", 3, 0, '0', 4, kRefuse},
    {"DigitAfterPointMakes2_5", u"2.", 2, 0, '5', 4, kAccept},
    {"DigitWouldMake12_5", u"12.", 3, 0, '5', 4, kRefuse},
    {"CaretInTheMiddle", u"15", 1, 0, '0', 4, kAccept},
    {"CaretInTheMiddleOfFullText", u"150", 1, 0, '0', 4, kRefuse},
    // Limit 20: at most nineteen characters.
    {"NineteenthDigit", k18Digits, 18, 0, '9', 20, kAccept},
    {"TwentiethDigit", k19Digits, 19, 0, '0', 20, kRefuse},
    {"PointAsTwentiethCharacter", k19Digits, 19, 0, '.', 20, kRefuse},
    // The selection is replaced before the length is judged.
    {"DigitOverWholeFullText", u"100", 0, 3, '5', 4, kAccept},
    {"DigitOverOneCharacterOfFullText", u"100", 1, 1, '5', 4, kAccept},
    {"DigitOverWholeNineteenDigits", k19Digits, 0, 19, '7', 20, kAccept},
    {"SelectionReachingPastTheText", u"100", 2, 9, '5', 4, kAccept},
    // A second point is no business of the filter.
    {"SecondPoint", u"1.2", 3, 0, '.', 20, kAccept},
    {"PointAlone", u"", 0, 0, '.', 4, kAccept},
    {"DigitZero", u"", 0, 0, '0', 4, kAccept},
    {"DigitNine", u"", 0, 0, '9', 4, kAccept},
    // Everything else is refused, even in an empty field.
    {"MinusSign", u"", 0, 0, '-', 20, kRefuse},
    {"Comma", u"1", 1, 0, ',', 20, kRefuse},
    {"Blank", u"1", 1, 0, ' ', 20, kRefuse},
    {"Letter", u"", 0, 0, 'a', 20, kRefuse},
    {"ExponentLetter", u"1", 1, 0, 'E', 20, kRefuse},
    {"Slash", u"", 0, 0, '/', 20, kRefuse},
    {"Colon", u"", 0, 0, ':', 20, kRefuse},
    {"CopyCode", u"1", 1, 0, 3, 20, kRefuse},
    {"PasteCode", u"1", 1, 0, 22, 20, kRefuse},
    {"CutCode", u"1", 1, 0, 24, 20, kRefuse},
    {"UndoCode", u"1", 1, 0, 26, 20, kRefuse},
    {"EscapeCode", u"1", 1, 0, 27, 20, kRefuse},
    {"LineFeedCode", u"1", 1, 0, 10, 20, kRefuse},
    {"DeleteCode", u"1", 1, 0, 127, 20, kRefuse},
    {"NoCharacter", u"", 0, 0, 0, 20, kRefuse},
    {"ArabicIndicDigit", u"", 0, 0, 0x0663, 20, kRefuse},
};
// clang-format on

class FixAsciiTest : public ::testing::TestWithParam<FixCase> {};

TEST_P(FixAsciiTest, JudgesTheKey) {
    const FixCase& c = GetParam();
    EXPECT_EQ(FixASCII(c.text, c.selStart, c.selLength, c.keyAscii, c.lgth), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, FixAsciiTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FixCase>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace ferrovolt
