#include "fuel/aircraft_choice.h"

#include <gtest/gtest.h>

#include <string>

#include "io/file_system.h"
#include "io/text_util.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::ScriptedPrompts;
using testing::TempFolder;

std::string fuelData(const std::string& name) {
    return skyloom::testing::testDataPath({"fuel", name});
}

class AircraftChoiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.programFolder = folder.path();
        // What a finished calculation leaves behind.
        data.aircraft = Aircraft::Pss777;
        data.routeListing = {"ABC\tN50 1.0\tE8 1.0", "DEF\tN51 2.0\tE9 2.0"};
        data.saveEnabled = true;
        data.fuel = {"13933", "12.15"};
        data.duration = "2:26";
        data.tankShare = "53.6 %";
    }

    void expectClearedOutputs() {
        EXPECT_TRUE(data.routeListing.empty());
        EXPECT_FALSE(data.saveEnabled);
        EXPECT_EQ(data.fuel[0], "");
        EXPECT_EQ(data.fuel[1], "");
        EXPECT_EQ(data.duration, "00:00");
        EXPECT_EQ(data.tankShare, "0 %");
    }

    TempFolder folder;
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
    CommandContext context{settings, data, prompts};
};

TEST(AircraftNames, EachOptionHasItsCaptionTypeAndPerformanceFile) {
    struct Row {
        Aircraft aircraft;
        const char* caption;
        const char* type;
        const char* file;
    };
    const Row rows[] = {
        {Aircraft::Pmdg737, "PMDG737", "737", "B737NG.dat"},
        {Aircraft::Pmdg747, "PMDG747", "747", "B747PMDG.dat"},
        {Aircraft::LevelD767, "LevelD 767", "767", "LevelD767.dat"},
        {Aircraft::Pss777, "PSS 777", "777", "PSS777.dat"},
    };
    for (const Row& row : rows) {
        EXPECT_STREQ(aircraftCaption(row.aircraft), row.caption);
        EXPECT_STREQ(aircraftTypeNumber(row.aircraft), row.type);
        EXPECT_STREQ(aircraftPerformanceFile(row.aircraft), row.file);
    }
}

TEST_F(AircraftChoiceTest, LoadsThePerformanceFileBesideTheProgramAndClearsTheResults) {
    ASSERT_TRUE(copyFile(fuelData("full.dat"), folder.file("B737NG.dat")));
    ChooseAircraft(context, Aircraft::Pmdg737);

    EXPECT_EQ(data.aircraft, Aircraft::Pmdg737);
    expectClearedOutputs();
    EXPECT_TRUE(prompts.messages.empty());
    const AircraftPerformance& p = settings.performance;
    EXPECT_EQ(p.taxi, 300);
    EXPECT_EQ(p.climb, 90);
    EXPECT_EQ(p.cruise, 60);
    EXPECT_EQ(p.descend, 20);
    EXPECT_EQ(p.reserve, 5000);
    EXPECT_EQ(p.capacity, 26000);
}

TEST_F(AircraftChoiceTest, EachOptionReadsItsOwnFile) {
    const Aircraft all[] = {Aircraft::Pmdg737, Aircraft::Pmdg747, Aircraft::LevelD767,
                            Aircraft::Pss777};
    int taxi = 100;
    for (Aircraft aircraft : all) {
        testing::writeBytes(folder.file(aircraftPerformanceFile(aircraft)),
                            "TAXI=" + std::to_string(taxi) + "\r\nGESAMT=90000\r\n");
        taxi += 100;
    }
    taxi = 100;
    for (Aircraft aircraft : all) {
        ChooseAircraft(context, aircraft);
        EXPECT_EQ(data.aircraft, aircraft);
        EXPECT_EQ(settings.performance.taxi, taxi) << aircraftPerformanceFile(aircraft);
        taxi += 100;
    }
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(AircraftChoiceTest, The747WithoutCapacityKeepsThe737Tank) {
    ASSERT_TRUE(copyFile(fuelData("full.dat"), folder.file("B737NG.dat")));
    ASSERT_TRUE(copyFile(fuelData("no_capacity.dat"), folder.file("B747PMDG.dat")));
    ChooseAircraft(context, Aircraft::Pmdg737);
    ChooseAircraft(context, Aircraft::Pmdg747);

    EXPECT_EQ(data.aircraft, Aircraft::Pmdg747);
    EXPECT_EQ(settings.performance.cruise, 229);
    EXPECT_EQ(settings.performance.capacity, 26000);
    expectClearedOutputs();
}

TEST_F(AircraftChoiceTest, AMissingFileIsReportedOnceAndTheChoiceStillHappens) {
    settings.performance = {300, 90, 60, 20, 5000, 26000};
    ChooseAircraft(context, Aircraft::Pss777);

    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageBox& box = prompts.messages[0];
    EXPECT_TRUE(contains(box.text, folder.file("PSS777.dat"))) << box.text;
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(box.title, "");
    EXPECT_EQ(data.aircraft, Aircraft::Pss777);
    expectClearedOutputs();
    EXPECT_EQ(settings.performance.cruise, 0);
    EXPECT_EQ(settings.performance.capacity, 0);
}

TEST_F(AircraftChoiceTest, FaultyValuesAreReportedInOneMessage) {
    ASSERT_TRUE(copyFile(fuelData("bad_values.dat"), folder.file("LevelD767.dat")));
    ChooseAircraft(context, Aircraft::LevelD767);

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(contains(prompts.messages[0].text, "CRUISE=6o"));
    EXPECT_TRUE(contains(prompts.messages[0].text, "LevelD767.dat"));
    EXPECT_EQ(settings.performance.taxi, 300);
    expectClearedOutputs();
}

}  // namespace
}  // namespace skyloom
