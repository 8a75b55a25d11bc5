#include "io/text_util.h"

#include <gtest/gtest.h>

namespace skyloom {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndIgnoresTheRest) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"", 0.0},         {"abc", 0.0},    {"  42", 42.0},     {"-8.5 W", -8.5},
        {"1000 nm", 1000}, {"+3.25", 3.25}, {".5", 0.5},        {"12,5", 12.0},
        {"-", 0.0},        {"\t7", 7.0},    {"31000ft", 31000}, {"1e3", 1.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
    EXPECT_FALSE(hasLeadingNumber(""));
    EXPECT_FALSE(hasLeadingNumber("x1"));
    EXPECT_TRUE(hasLeadingNumber(" 0"));
}

TEST(ParseNumber, AcceptsOnlyAWholeNumberText) {
    EXPECT_EQ(parseNumber("50.033333"), 50.033333);
    EXPECT_EQ(parseNumber(" -0.5 "), -0.5);
    EXPECT_EQ(parseNumber("50,5"), 50.5);
    EXPECT_EQ(parseNumber("1E2"), 100.0);
    for (const char* bad : {"", " ", "abc", "1.2.3", "5x", "--1", "1e", "-", ".", "1 2"}) {
        EXPECT_FALSE(parseNumber(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(ParseWholeNumber, KeepsToItsRange) {
    EXPECT_EQ(parseWholeNumber(" 300 ", 0, 1000), 300);
    EXPECT_EQ(parseWholeNumber("-12", -100, 100), -12);
    EXPECT_FALSE(parseWholeNumber("300.5", 0, 1000));
    EXPECT_FALSE(parseWholeNumber("1001", 0, 1000));
    EXPECT_FALSE(parseWholeNumber("99999999999999999999999", 0, 1000));
    EXPECT_FALSE(parseWholeNumber("", 0, 1000));
}

TEST(PlainDecimal, WritesFifteenSignificantDigitsWithoutExponentOrTrailingZeros) {
    EXPECT_EQ(plainDecimal(47.5), "47.5");
    EXPECT_EQ(plainDecimal(-8.0), "8");
    EXPECT_EQ(plainDecimal(50.033333), "50.033333");
    EXPECT_EQ(plainDecimal(-122.374889), "122.374889");
    EXPECT_EQ(plainDecimal(0.0000123), "0.0000123");
    EXPECT_EQ(plainDecimal(0.0), "0");
    EXPECT_EQ(plainDecimal(1.0 / 3.0), "0.333333333333333");
}

TEST(TextHelpers, SplitTrimAndCut) {
    EXPECT_EQ(splitAt("a  b", ' '), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitAt("", ' '), (std::vector<std::string>{""}));
    EXPECT_EQ(splitAt("a\r\n\r\nb\r\n", kCrLf), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(splitAt("a\nb", kCrLf), (std::vector<std::string>{"a\nb"}));
    EXPECT_EQ(splitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(trimBlanks("\t a \t"), "\t a \t");
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(rightOf("EDDF", 5), "EDDF");
    EXPECT_EQ(midOf("abcdef", 3, 2), "cd");
    EXPECT_EQ(midOf("abc", 7, 2), "");
    EXPECT_EQ(replaceAll("aaa", "aa", "a"), "aa");
}

TEST(TextHelpers, UpperCaseKnowsTheAccentedLettersOfTheCodePage) {
    EXPECT_EQ(toUpper1252("eddf sid"), "EDDF SID");
    EXPECT_EQ(toUpper1252("\xE4\xF6\xFC\xE9"), "\xC4\xD6\xDC\xC9");  // äöüé
    EXPECT_EQ(toUpper1252("\xF7\xDF"), "\xF7\xDF");                  // ÷ and ß stay
}

}  // namespace
}  // namespace skyloom
