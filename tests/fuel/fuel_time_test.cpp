#include "fuel/fuel_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "io/number_format.h"
#include "support/scripted_prompts.h"

namespace skyloom {
namespace {

using testing::ScriptedPrompts;

const std::string kAltitudeMessage =
    "Die Flugh\xF6"
    "he kann bei der eingegebenen Entfernung nicht erreicht werden!";
const std::string kCapacityMessage = "Attention! Fuel-Capacity too low for this flight!";
const AircraftPerformance kPerformance{300, 90, 60, 20, 5000, 26000};
constexpr int kHuge = 2000000000;  // a tank that nothing fills

// Each run starts from outputs left over from an earlier run, so an output
// that is not written shows.
struct Calculation {
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;

    Calculation(const AircraftPerformance& performance, const std::string& altitude,
                const std::string& distance) {
        settings.performance = performance;
        data.duration = "9:99";
        data.fuel = {"old litres", "old tonnes"};
        data.tankShare = "old %";
        data.tankShareColour = kRed;
        data.cruiseAltitude = altitude;
        data.distance = distance;
        CommandContext context{settings, data, prompts};
        CalculateFuelAndTime(context);
    }
};

void expectOneMessage(const ScriptedPrompts& prompts, const std::string& text, MessageIcon icon,
                      const std::string& title) {
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, text);
    EXPECT_EQ(prompts.messages[0].icon, icon);
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(prompts.messages[0].title, title);
}

AircraftPerformance withCapacity(int capacity) {
    AircraftPerformance p = kPerformance;
    p.capacity = capacity;
    return p;
}

TEST(FuelAndTime, DurationFuelTonnesAndShare) {
    struct Case {
        AircraftPerformance performance;
        const char* altitude;
        std::string distance;
        const char* duration;
        const char* litres;
        const char* tonnes;
        const char* share;
        bool tankTooSmall;
    };
    const Case cases[] = {
        {kPerformance, "31000", "1000", "2:26", "13933", "12.15", "53.6 %", false},
        {kPerformance, "35000", "152", "0:35", "7231", "6.78", "27.8 %", false},
        {kPerformance, "12000", "300", "0:45", "7945", "7.36", "30.6 %", false},
        {withCapacity(10000), "31000", "1000", "2:26", "13933", "12.15", "139.3 %", true},
        // Only the leading number of a text counts; no number is no altitude, and
        // without one the whole 1000 nm are flown at cruise: 133.3 min, 8300 l.
        {kPerformance, "31000 ft", "1000 nm", "2:26", "13933", "12.15", "53.6 %", false},
        {kPerformance, "FL310", "1000", "2:13", "13300", "11.64", "51.2 %", false},
        {kPerformance, "-5000", "1000", "2:13", "13300", "11.64", "51.2 %", false},
        // Exactly full tanks are within capacity.
        {{1000, 0, 0, 0, 0, 1000}, "0", "0", "0:00", "1000", "5.80", "100.0 %", false},
        // 7 nm at cruise take 0.93 minutes and 0.93 litres: both cut, not rounded.
        {{0, 0, 1, 0, 0, 1}, "0", "7", "0:00", "0", "5.00", "93.3 %", false},
        // 1000 minutes at cruise: tonnes grouped, litres not.
        {{0, 0, 10000, 0, 0, kHuge}, "0", "7500", "16:40", "10000000", "8,005.00", "0.5 %", false},
        // Without a capacity there is no share, and the tank counts as too small.
        {withCapacity(0), "31000", "1000", "2:26", "13933", "12.15", "old %", true},
        // A distance too large to compute with leaves the figures alone.
        {kPerformance, "31000", std::string(400, '9'), "9:99", "old litres", "old tonnes", "old %",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.altitude) + " ft, " + c.distance.substr(0, 8) + " nm");
        Calculation run(c.performance, c.altitude, c.distance);
        EXPECT_EQ(run.data.duration, c.duration);
        EXPECT_EQ(run.data.fuel[0], c.litres);
        EXPECT_EQ(run.data.fuel[1], c.tonnes);
        EXPECT_EQ(run.data.tankShare, c.share);
        EXPECT_EQ(run.data.tankShareColour, c.tankTooSmall ? kRed : kBlue);
        if (c.tankTooSmall) {
            expectOneMessage(run.prompts, kCapacityMessage, MessageIcon::Information, "");
        } else {
            EXPECT_TRUE(run.prompts.messages.empty());
        }
    }
}

TEST(FuelAndTime, DurationIsWholeHoursAndTwoDigitMinutes) {
    // Without an altitude the aircraft flies 7.5 nm a minute all the way.
    const struct {
        const char* distance;
        const char* duration;
    } cases[] = {{"7", "0:00"},     {"75", "0:10"},    {"450", "1:00"},
                 {"4538", "10:05"}, {"7492", "16:38"}, {"45000", "100:00"}};
    for (const auto& c : cases) {
        Calculation run(withCapacity(kHuge), "0", c.distance);
        EXPECT_EQ(run.data.duration, c.duration) << c.distance << " nm";
    }
}

// The shortest distances that reach the altitude and leave it again are about
// 51.85 nm for 12000 ft, 133.95 nm for 31000 ft and 151.23 nm for 35000 ft.
TEST(FuelAndTime, AltitudeOutOfReachShowsItsMessageAndChangesNothing) {
    const struct {
        const char* altitude;
        const char* distance;
        bool reachable;
    } cases[] = {
        {"12000", "51", false}, {"12000", "52", true},   {"31000", "133", false},
        {"31000", "134", true}, {"35000", "151", false}, {"35000", "152", true},
        {"31000", "", false},   {"31000", "abc", false}, {"0", "-10", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.altitude) + " ft, '" + c.distance + "'");
        Calculation run(kPerformance, c.altitude, c.distance);
        if (c.reachable) {
            EXPECT_TRUE(run.prompts.messages.empty());
            EXPECT_NE(run.data.duration, "9:99");
            continue;
        }
        expectOneMessage(run.prompts, kAltitudeMessage, MessageIcon::Critical, "Hinweis");
        EXPECT_EQ(run.data.duration, "9:99");
        EXPECT_EQ(run.data.fuel[0], "old litres");
        EXPECT_EQ(run.data.fuel[1], "old tonnes");
        EXPECT_EQ(run.data.tankShare, "old %");
        // Label6 has turned blue before the check.
        EXPECT_EQ(run.data.tankShareColour, kBlue);
    }
}

TEST(FormatFixed, RoundsHalfAwayFromZeroAndGroupsThousands) {
    const struct {
        double value;
        int decimals;
        bool grouped;
        const char* expected;
    } cases[] = {
        // The tonnes pattern "##,##0.00".
        {12.1465, 2, true, "12.15"},
        {0.5, 2, true, "0.50"},
        {1000.0, 2, true, "1,000.00"},
        {999.995, 2, true, "1,000.00"},
        {123456789.0, 2, true, "123,456,789.00"},
        // A double a hair below the decimal half still rounds up.
        {1.005, 2, true, "1.01"},
        {0.125, 2, true, "0.13"},
        {-1234.5, 2, true, "-1,234.50"},
        {-0.004, 2, true, "0.00"},
        // The share pattern "0.0" and whole numbers.
        {0.04, 1, false, "0.0"},
        {99.95, 1, false, "100.0"},
        {2.5, 0, false, "3"},
        {-2.5, 0, false, "-3"},
        {1e20, 0, false, "100000000000000000000"},
        // Values that are no numbers give no text.
        {std::numeric_limits<double>::infinity(), 2, true, ""},
        {std::nan(""), 1, false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.decimals, c.grouped), c.expected)
            << c.value << " with " << c.decimals << " decimals";
    }
}

}  // namespace
}  // namespace skyloom
