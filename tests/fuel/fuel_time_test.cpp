#include "fuel/fuel_time.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scripted_prompts.h"

namespace skyloom {
namespace {

using testing::ScriptedPrompts;

const std::string kAltitudeMessage =
    "Die Flugh\xF6"
    "he kann bei der eingegebenen Entfernung nicht erreicht werden!";
const std::string kCapacityMessage = "Attention! Fuel-Capacity too low for this flight!";

class FuelTimeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.performance = {300, 90, 60, 20, 5000, 26000};
        // Left over from an earlier run, so an output that is not written shows.
        data.duration = "9:99";
        data.fuel = {"old litres", "old tonnes"};
        data.tankShare = "old %";
        data.tankShareColour = kRed;
    }

    void run(const std::string& altitude, const std::string& distance) {
        data.cruiseAltitude = altitude;
        data.distance = distance;
        CalculateFuelAndTime(context);
    }

    void expectUnchangedOutputs() {
        EXPECT_EQ(data.duration, "9:99");
        EXPECT_EQ(data.fuel[0], "old litres");
        EXPECT_EQ(data.fuel[1], "old tonnes");
        EXPECT_EQ(data.tankShare, "old %");
    }

    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
    CommandContext context{settings, data, prompts};
};

struct FlightCase {
    const char* altitude;
    const char* distance;
    int capacity;
    const char* duration;
    const char* litres;
    const char* tonnes;
    const char* share;
    bool tooLittleTank;
};

TEST_F(FuelTimeTest, ComputesDurationFuelAndShare) {
    const FlightCase cases[] = {
        {"31000", "1000", 26000, "2:26", "13933", "12.15", "53.6 %", false},
        {"35000", "152", 26000, "0:35", "7231", "6.78", "27.8 %", false},
        {"12000", "300", 26000, "0:45", "7945", "7.36", "30.6 %", false},
        {"31000", "1000", 10000, "2:26", "13933", "12.15", "139.3 %", true},
        // Only the leading number of each text counts.
        {"31000 ft", "1000 nm", 26000, "2:26", "13933", "12.15", "53.6 %", false},
        // No altitude: the whole 1000 nm at cruise, 133.3 minutes, 8300 l trip fuel.
        {"FL310", "1000", 26000, "2:13", "13300", "11.64", "51.2 %", false},
        {"", "1000", 26000, "2:13", "13300", "11.64", "51.2 %", false},
        // An altitude below zero counts as none.
        {"-5000", "1000", 26000, "2:13", "13300", "11.64", "51.2 %", false},
    };
    for (const FlightCase& c : cases) {
        SCOPED_TRACE(std::string(c.altitude) + " ft, " + c.distance + " nm");
        prompts.messages.clear();
        settings.performance.capacity = c.capacity;
        run(c.altitude, c.distance);
        EXPECT_EQ(data.duration, c.duration);
        EXPECT_EQ(data.fuel[0], c.litres);
        EXPECT_EQ(data.fuel[1], c.tonnes);
        EXPECT_EQ(data.tankShare, c.share);
        if (c.tooLittleTank) {
            EXPECT_EQ(data.tankShareColour, kRed);
            ASSERT_EQ(prompts.messages.size(), 1u);
            EXPECT_EQ(prompts.messages[0].text, kCapacityMessage);
            EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
            EXPECT_EQ(prompts.messages[0].title, "");
        } else {
            EXPECT_EQ(data.tankShareColour, kBlue);
            EXPECT_TRUE(prompts.messages.empty());
        }
    }
}

TEST_F(FuelTimeTest, WritesTheDurationAsHoursAndTwoDigitMinutes) {
    // With no altitude the aircraft flies 7.5 nm per minute all the way.
    const struct {
        const char* distance;
        const char* duration;
    } cases[] = {
        {"0", "0:00"},     {"7", "0:00"},     {"75", "0:10"},
        {"263", "0:35"},   {"450", "1:00"},   {"1095", "2:26"},
        {"4538", "10:05"}, {"7492", "16:38"}, {"45000", "100:00"},
    };
    settings.performance.capacity = 2000000000;
    for (const auto& c : cases) {
        run("0", c.distance);
        EXPECT_EQ(data.duration, c.duration) << c.distance << " nm";
    }
}

TEST_F(FuelTimeTest, GroupsLargeTonnesButNotLitres) {
    // 7500 nm at cruise are 1000 minutes: 10,000,000 litres, 8,000 + 5 tonnes.
    settings.performance = {0, 0, 10000, 0, 0, 2000000000};
    run("0", "7500");
    EXPECT_EQ(data.fuel[0], "10000000");
    EXPECT_EQ(data.fuel[1], "8,005.00");
    EXPECT_EQ(data.tankShare, "0.5 %");
}

TEST_F(FuelTimeTest, ExactlyFullTanksAreWithinCapacity) {
    settings.performance = {1000, 0, 0, 0, 0, 1000};
    run("0", "0");
    EXPECT_EQ(data.fuel[0], "1000");
    EXPECT_EQ(data.fuel[1], "5.80");
    EXPECT_EQ(data.tankShare, "100.0 %");
    EXPECT_EQ(data.tankShareColour, kBlue);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FuelTimeTest, TooShortADistanceShowsTheAltitudeMessageAndChangesNothing) {
    const struct {
        const char* altitude;
        const char* distance;
    } cases[] = {
        {"35000", "151"}, {"31000", "133"}, {"12000", "51"}, {"31000", ""},
        {"31000", "abc"}, {"0", ""},        {"0", "nm 500"}, {"0", "-10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.altitude) + " ft, '" + c.distance + "'");
        prompts.messages.clear();
        data.tankShareColour = kRed;
        run(c.altitude, c.distance);
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, kAltitudeMessage);
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(prompts.messages[0].title, "Hinweis");
        expectUnchangedOutputs();
        // Label6 has already turned blue before the check.
        EXPECT_EQ(data.tankShareColour, kBlue);
    }
}

TEST_F(FuelTimeTest, TheShortestReachableDistancesPass) {
    const struct {
        const char* altitude;
        const char* distance;
    } cases[] = {{"12000", "52"}, {"31000", "134"}, {"35000", "152"}};
    for (const auto& c : cases) {
        prompts.messages.clear();
        run(c.altitude, c.distance);
        EXPECT_TRUE(prompts.messages.empty()) << c.altitude;
        EXPECT_NE(data.duration, "9:99") << c.altitude;
    }
}

TEST_F(FuelTimeTest, WithoutCapacityTheShareStaysAndTheTankCountsAsTooSmall) {
    settings.performance.capacity = 0;
    run("31000", "1000");
    EXPECT_EQ(data.duration, "2:26");
    EXPECT_EQ(data.fuel[0], "13933");
    EXPECT_EQ(data.fuel[1], "12.15");
    EXPECT_EQ(data.tankShare, "old %");
    EXPECT_EQ(data.tankShareColour, kRed);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, kCapacityMessage);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
}

TEST_F(FuelTimeTest, AnAbsurdDistanceLeavesTheFiguresAloneInsteadOfPrintingGarbage) {
    run("31000", std::string(400, '9'));
    expectUnchangedOutputs();
    EXPECT_EQ(data.tankShareColour, kRed);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, kCapacityMessage);
}

}  // namespace
}  // namespace skyloom
