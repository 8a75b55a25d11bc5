#include "formats/kneeboard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "formats/flight_test_support.h"

namespace skyloom {
namespace {

using testing::expectOneMessage;
using testing::golden;
using testing::kSep;
using testing::readBytes;

TEST(KneeboardFile, RootBeforeFmcwpInAnyLetterCase) {
    const std::string page = kSep + "aircraft" + kSep + "kneeboard_keys.htm";
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"D:" + kSep + "Sim" + kSep + "fmcwp" + kSep + "navdata" + kSep,
         "D:" + kSep + "Sim" + page},
        {"E:" + kSep + "FMCWP" + kSep + "fmcwp" + kSep, "E:" + page},  // the first FMCWP
        {"D:" + kSep + "Navigraph" + kSep, std::nullopt},
    };
    for (const auto& [navData, expected] : cases) {
        EXPECT_EQ(KneeboardFile(navData), expected) << navData;
    }
}

class KneeboardTest : public ::testing::Test, public testing::ProgramFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(createFolder(simulator + "aircraft"));
        ASSERT_TRUE(createFolder(simulator + "FMCWP"));
        settings.pathNavData = simulator + "FMCWP" + kSep;
        testing::writeBytes(page, readBytes(golden("kneeboard_original.htm")));
        data.aircraft = Aircraft::Pss777;
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

// The second run writes the same page from the backup of the original.
TEST_F(KneeboardTest, FirstAndSecondRunWriteTheSamePage) {
    const std::string original = readBytes(page);
    for (int run = 1; run <= 2; ++run) {
        prompts = {};
        EXPECT_EQ(WriteKneeboardPage(context), KneeboardStatus::Written);
        EXPECT_EQ(readBytes(backup), original);
        EXPECT_EQ(readBytes(page), readBytes(golden("kneeboard_expected.htm"))) << run;
        expectOneMessage(prompts, MessageIcon::Information, "Finished");
    }
}

TEST_F(KneeboardTest, EmptyPrintTextNeedsAYes) {
    data.printText = " ";
    data.destinationRunways.clear();
    const std::string original = readBytes(page);
    prompts.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(WriteKneeboardPage(context), KneeboardStatus::Cancelled);
    expectOneMessage(prompts, MessageIcon::Question, "No Data in Print-Textbox, copy anyway ?");
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(readBytes(page), original);
    EXPECT_FALSE(fileExists(backup));

    EXPECT_EQ(WriteKneeboardPage(context), KneeboardStatus::Written);
    EXPECT_EQ(readBytes(page), std::string(kKneeboardOpening) + "\r\n <br>\r\n\r\n" +
                                   "PSS 777 /  Fuel: 13933 Liter - 12.15 Tonnen - 53.6 % - "
                                   "Time: 2:26\r\n\r\n" +
                                   original);
}

TEST_F(KneeboardTest, MissingFolderOrPageIsReportedAndNothingChanges) {
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
