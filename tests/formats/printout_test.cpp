// The print text, the lines printed and the kneeboard page.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "commands/kneeboard_page.h"
#include "commands/print_plan.h"
#include "formats/flight_test_support.h"
#include "formats/kneeboard.h"
#include "formats/print_text.h"

namespace skyloom {
namespace {

using testing::expectOneMessage;
using testing::golden;
using testing::kSep;
using testing::readBytes;

// n copies of "ABCDEFGHI " followed by `tail`: blanks at characters 10, 20, ...
std::string routeLine(int groups, const std::string& tail) {
    std::string line;
    for (int i = 0; i < groups; ++i) {
        line += "ABCDEFGHI ";
    }
    return line + tail;
}

TEST(PrintText, ALineBreakLosesOneBlankAndTheRouteLineWrapsAfterTheSeparator) {
    EXPECT_EQ(NormalisePrintText("A\r\n  B\r\n C\r\nD \r\n"), "A\r\n B\r\nC\r\nD \r\n");
    EXPECT_EQ(NormalisePrintText(" A\n B"), " A\n B");  // only after CR LF

    const std::string head = "EDDF-KJFK PLAN\r\n---------------\r\n";
    const std::string l120 = routeLine(11, "ABCDEFGHIJ");
    const std::string l200 = routeLine(19, "ABCDEFGHIJ");
    const std::string wrapped120 = l120.substr(0, 89) + "\r\n" + l120.substr(90);
    const std::pair<std::string, std::string> cases[] = {
        {head + routeLine(8, "ABCD") + "\r\nEND", head + routeLine(8, "ABCD") + "\r\nEND"},  // 84
        {head + routeLine(8, "ABC D") + "\r\nEND", head + routeLine(8, "ABC") + "\r\nD\r\nEND"},
        // A blank at character 83 is the first one taken, one at 82 is too early.
        {head + routeLine(8, "AB CDEFG") + "\r\n", head + routeLine(8, "AB") + "\r\nCDEFG\r\n"},
        {head + routeLine(8, "A BCDEFGH IJ") + "\r\n",
         head + routeLine(8, "A BCDEFGH") + "\r\nIJ\r\n"},
        {head + l200 + "\r\nEND", head + l200.substr(0, 89) + "\r\n" + l200.substr(90, 79) +
                                      "\r\n" + l200.substr(170) + "\r\nEND"},
        {head + l120 + "  \r\n---\r\n" + l120, head + wrapped120 + "  \r\n---\r\n" + wrapped120},
        {"PLAN\r\n" + l120 + "\r\nEND", "PLAN\r\n" + l120 + "\r\nEND"},  // no separator
    };
    for (const auto& [text, expected] : cases) {
        std::string rewrapped = text;
        EXPECT_FALSE(RewrapRouteLine(rewrapped).has_value()) << text;
        EXPECT_EQ(rewrapped, expected);
    }
}

TEST(KneeboardFile, RootBeforeFmcwpInAnyLetterCase) {
    const std::string page = kSep + "aircraft" + kSep + "kneeboard_keys.htm";
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"D:" + kSep + "Sim" + kSep + "fmcwp" + kSep + "navdata" + kSep,
         "D:" + kSep + "Sim" + page},
        {"E:" + kSep + "FMCWP" + kSep + "fmcwp" + kSep, "E:" + page},  // the first FMCWP
        {"D:" + kSep + "Navigraph" + kSep, std::nullopt}};
    for (const auto& [navData, expected] : cases) {
        EXPECT_EQ(KneeboardFile(navData), expected) << navData;
    }
}

// A calculated flight of the PSS 777 and a simulator folder with its kneeboard page.
class PrintoutTest : public ::testing::Test, public testing::ProgramFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(createFolder(simulator + "aircraft"));
        ASSERT_TRUE(createFolder(simulator + "FMCWP"));
        settings.pathNavData = simulator + "FMCWP" + kSep;
        testing::writeBytes(page, readBytes(golden("kneeboard_original.htm")));
        data.aircraft = Aircraft::Pss777;
        data.cruiseAltitude = "35000";
        data.distance = "3349";
        data.fuel = {"13933", "12.15"};
        data.tankShare = "53.6 %";
        data.duration = "2:26";
        data.destinationRunways = {"04L 12079 ft", "22R 12079 ft"};
        data.printText = "EDDF - KJFK\r\n" + std::string(25, '-') + "\r\n ABC UL610 DEF\r\n" +
                         std::string(10, '-') + "X";
    }
    const std::string simulator = folder.file("FS9") + kSep;
    const std::string page = simulator + "aircraft" + kSep + "kneeboard_keys.htm";
    const std::string backup = simulator + "aircraft" + kSep + "kneeboard_keys.original";
};

TEST_F(PrintoutTest, LinesInPrintOrderAndTheTextChangedInPlace) {
    const std::string line120 = routeLine(11, "ABCDEFGHIJ");
    data.printText = "PLAN\r\n  ------\r\n" + line120 + "\r\n  END\r\n";
    std::optional<std::vector<std::string>> lines = PrintPlanLines(context);
    const std::string first = line120.substr(0, 89);
    const std::string second = line120.substr(90);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "", "Cruise Level: 35000 - Distance: 3349 nautical miles.", "PLAN",
                         " ------", first, second, " END", "",
                         "PSS 777 /  Fuel: 13933 Liter - 12.15 Tonnen - 53.6 % - Time: 2:26", "",
                         "04L 12079 ft", "22R 12079 ft"}));
    EXPECT_EQ(data.printText, "PLAN\r\n ------\r\n" + first + "\r\n" + second + "\r\n END\r\n");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PrintoutTest, BlankTextOrARouteLineThatCannotBreakPrintsNothing) {
    data.printText = " \r\n";  // a line break is no blank: only blanks count as empty
    EXPECT_TRUE(PrintPlanLines(context).has_value());
    data.printText = "   ";
    EXPECT_FALSE(PrintPlanLines(context).has_value());
    testing::expectOneMessage(prompts, MessageIcon::Information, "Nothing to print!");

    // The last blank of the route line is at character 80: none to break at.
    const std::string original = "PLAN -\r\n" + routeLine(8, "ABCDEFGHIJKL") + "\r\nEND";
    data.printText = original;
    prompts = {};
    EXPECT_FALSE(PrintPlanLines(context).has_value());
    EXPECT_EQ(data.printText, original);
    testing::expectOneMessage(prompts, MessageIcon::Critical, "5 - ", false);
    EXPECT_EQ(prompts.messages[0].text.find("5 - "), 0u);
}

// The second run writes the same page from the backup of the original.
TEST_F(PrintoutTest, FirstAndSecondRunWriteTheSamePage) {
    const std::string original = readBytes(page);
    for (int run = 1; run <= 2; ++run) {
        prompts = {};
        EXPECT_EQ(WriteKneeboardPage(context), KneeboardStatus::Written);
        EXPECT_EQ(readBytes(backup), original);
        EXPECT_EQ(readBytes(page), readBytes(golden("kneeboard_expected.htm"))) << run;
        expectOneMessage(prompts, MessageIcon::Information, "Finished");
    }
}

TEST_F(PrintoutTest, EmptyPrintTextNeedsAYes) {
    data.printText = " ";
    data.destinationRunways.clear();
    const std::string original = readBytes(page);
    prompts.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(WriteKneeboardPage(context), KneeboardStatus::Cancelled);
    expectOneMessage(prompts, MessageIcon::Question, "No Data in Print-Textbox, copy anyway ?");
    EXPECT_EQ(readBytes(page), original);

    EXPECT_EQ(WriteKneeboardPage(context), KneeboardStatus::Written);
    EXPECT_EQ(readBytes(page), std::string(kKneeboardOpening) + "\r\n <br>\r\n\r\n" +
                                   "PSS 777 /  Fuel: 13933 Liter - 12.15 Tonnen - 53.6 % - "
                                   "Time: 2:26\r\n\r\n" +
                                   original);
}

TEST_F(PrintoutTest, MissingFolderOrPageIsReportedAndNothingChanges) {
    const std::string original = readBytes(page);
    settings.pathNavData = folder.file("Navigraph") + kSep;
    EXPECT_EQ(WriteKneeboardPage(context), KneeboardStatus::Failed);
    expectOneMessage(prompts, MessageIcon::Critical, settings.pathNavData, false);
    EXPECT_EQ(readBytes(page), original);

    settings.pathNavData = simulator + "FMCWP" + kSep;
    std::filesystem::remove(toNativePath(page));
    prompts = {};
    EXPECT_EQ(WriteKneeboardPage(context), KneeboardStatus::Failed);
    expectOneMessage(prompts, MessageIcon::Critical, page, false);
    EXPECT_FALSE(fileExists(page));
    EXPECT_FALSE(fileExists(backup));
}

}  // namespace
}  // namespace skyloom
