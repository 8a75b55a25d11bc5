#include "commands/print_plan.h"

#include <gtest/gtest.h>

#include "formats/flight_test_support.h"

namespace skyloom {
namespace {

// n copies of "ABCDEFGHI " followed by `tail`: blanks at characters 10, 20, ...
std::string routeLine(int groups, const std::string& tail) {
    std::string line;
    for (int i = 0; i < groups; ++i) {
        line += "ABCDEFGHI ";
    }
    return line + tail;
}

const std::string kHead = "EDDF-KJFK PLAN\r\n---------------\r\n";

TEST(NormalisePrintText, LineBreakLosesOneBlank) {
    EXPECT_EQ(NormalisePrintText("A\r\n  B\r\n C\r\nD \r\n"), "A\r\n B\r\nC\r\nD \r\n");
    EXPECT_EQ(NormalisePrintText(" A\n B"), " A\n B");  // only after CR LF
}

TEST(RewrapRouteLine, WrapsTheLineAfterTheSeparator) {
    const std::string line84 = routeLine(8, "ABCD");
    const std::string line85 = routeLine(8, "ABC D");
    const std::string line120 = routeLine(11, "ABCDEFGHIJ");
    const std::string line200 = routeLine(19, "ABCDEFGHIJ");
    ASSERT_EQ(line84.size(), 84u);
    ASSERT_EQ(line85.size(), 85u);
    ASSERT_EQ(line120.size(), 120u);
    ASSERT_EQ(line200.size(), 200u);

    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"84 characters stay", kHead + line84 + "\r\nEND", kHead + line84 + "\r\nEND"},
        {"85 characters break at character 84", kHead + line85 + "\r\nEND",
         kHead + routeLine(8, "ABC") + "\r\nD\r\nEND"},
        {"a blank at character 83 is the first one taken",
         kHead + routeLine(8, "AB CDEFG") + "\r\n", kHead + routeLine(8, "AB") + "\r\nCDEFG\r\n"},
        {"a blank at character 82 is too early", kHead + routeLine(8, "A BCDEFGH IJ") + "\r\n",
         kHead + routeLine(8, "A BCDEFGH") + "\r\nIJ\r\n"},
        {"120 characters break at the first blank from character 83", kHead + line120 + "\r\nEND",
         kHead + line120.substr(0, 89) + "\r\n" + line120.substr(90) + "\r\nEND"},
        {"200 characters break twice", kHead + line200 + "\r\nEND",
         kHead + line200.substr(0, 89) + "\r\n" + line200.substr(90, 79) + "\r\n" +
             line200.substr(170) + "\r\nEND"},
        {"trailing blanks are kept after the break", kHead + line120 + "  \r\nEND",
         kHead + line120.substr(0, 89) + "\r\n" + line120.substr(90) + "  \r\nEND"},
        {"only the first separator counts", kHead + line120 + "\r\n---\r\nEND",
         kHead + line120.substr(0, 89) + "\r\n" + line120.substr(90) + "\r\n---\r\nEND"},
        {"the route line is wrapped wherever it stands",
         kHead + line120 + "\r\n" + line120 + "\r\n",
         kHead + line120.substr(0, 89) + "\r\n" + line120.substr(90) + "\r\n" +
             line120.substr(0, 89) + "\r\n" + line120.substr(90) + "\r\n"},
        {"no separator", "PLAN\r\n" + line120 + "\r\nEND", "PLAN\r\n" + line120 + "\r\nEND"},
        {"route line is the last line", kHead + line120, kHead + line120},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_FALSE(RewrapRouteLine(text).has_value()) << c.name;
        EXPECT_EQ(text, c.expected) << c.name;
    }
}

class PrintPlanTest : public ::testing::Test, public testing::ProgramFixture {
  protected:
    void SetUp() override {
        data.aircraft = Aircraft::Pss777;
        data.cruiseAltitude = "35000";
        data.distance = "3349";
        data.fuel = {"13933", "12.15"};
        data.tankShare = "53.6 %";
        data.duration = "2:26";
        data.destinationRunways = {"04L 12079 ft", "22R 12079 ft"};
    }
};

TEST_F(PrintPlanTest, EmptyPrintTextIsRefused) {
    data.printText = " \r\n";  // a line break is no blank: only blanks count as empty
    EXPECT_TRUE(PrintPlanLines(context).has_value());
    data.printText = "   ";
    EXPECT_FALSE(PrintPlanLines(context).has_value());
    testing::expectOneMessage(prompts, MessageIcon::Information, "Nothing to print!");
}

TEST_F(PrintPlanTest, LinesInPrintOrderAndTheTextChangedInPlace) {
    const std::string line120 = routeLine(11, "ABCDEFGHIJ");
    data.printText = "PLAN\r\n  ------\r\n" + line120 + "\r\n  END\r\n";

    std::optional<std::vector<std::string>> lines = PrintPlanLines(context);

    ASSERT_TRUE(lines.has_value());
    const std::string first = line120.substr(0, 89);
    const std::string second = line120.substr(90);
    const std::vector<std::string> expected = {
        "",
        "Cruise Level: 35000 - Distance: 3349 nautical miles.",
        "PLAN",
        " ------",
        first,
        second,
        " END",
        "",
        "PSS 777 /  Fuel: 13933 Liter - 12.15 Tonnen - 53.6 % - Time: 2:26",
        "",
        "04L 12079 ft",
        "22R 12079 ft",
    };
    EXPECT_EQ(*lines, expected);
    EXPECT_EQ(data.printText, "PLAN\r\n ------\r\n" + first + "\r\n" + second + "\r\n END\r\n");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PrintPlanTest, RewrapFailureShowsNumberAndDescription) {
    // The last blank of the route line is at character 80: none to break at.
    const std::string original = "PLAN -\r\n" + routeLine(8, "ABCDEFGHIJKL") + "\r\nEND";
    data.printText = original;
    EXPECT_FALSE(PrintPlanLines(context).has_value());
    EXPECT_EQ(data.printText, original);
    testing::expectOneMessage(prompts, MessageIcon::Critical, "5 - ", false);
    EXPECT_EQ(prompts.messages[0].text.find("5 - "), 0u);
}

}  // namespace
}  // namespace skyloom
