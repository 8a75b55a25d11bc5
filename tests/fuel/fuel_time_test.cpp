#include "fuel/fuel_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "fuel/number_format.h"
#include "support/scripted_prompts.h"

namespace skyloom {
namespace {

const std::string kAltitudeMessage =
    "Die Flugh\xF6"
    "he kann bei der eingegebenen Entfernung nicht erreicht werden!";
const AircraftPerformance kPerformance{300, 90, 60, 20, 5000, 26000};
constexpr int kHuge = 2000000000;  // a tank that nothing fills

// Each run starts from outputs left over from an earlier run, so an output
// that is not written shows.
struct Calculation {
    Settings settings;
    MainWindowData data;
    testing::ScriptedPrompts prompts;

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
    std::string message() const {
        EXPECT_LE(prompts.messages.size(), 1u);
        return prompts.messages.empty() ? "" : prompts.messages[0].text;
    }
};

AircraftPerformance withCapacity(int capacity) {
    AircraftPerformance p = kPerformance;
    p.capacity = capacity;
    return p;
}

TEST(FuelAndTime, DurationFuelTonnesAndShare) {
    const std::string tooSmall = "Attention! Fuel-Capacity too low for this flight!";
    const struct {
        AircraftPerformance performance;
        const char* altitude;
        std::string distance, duration, litres, tonnes, share, message;
    } cases[] = {
        {kPerformance, "31000", "1000", "2:26", "13933", "12.15", "53.6 %", ""},
        {kPerformance, "35000", "152", "0:35", "7231", "6.78", "27.8 %", ""},
        {kPerformance, "12000", "300", "0:45", "7945", "7.36", "30.6 %", ""},
        {withCapacity(10000), "31000", "1000", "2:26", "13933", "12.15", "139.3 %", tooSmall},
        // Only the leading number of a text counts; no number is no altitude, and
        // without one the whole 1000 nm are flown at cruise: 133.3 min, 8300 l.
        {kPerformance, "31000 ft", "1000 nm", "2:26", "13933", "12.15", "53.6 %", ""},
        {kPerformance, "FL310", "1000", "2:13", "13300", "11.64", "51.2 %", ""},
        {kPerformance, "-5000", "1000", "2:13", "13300", "11.64", "51.2 %", ""},
        // Exactly full tanks are within capacity.
        {{1000, 0, 0, 0, 0, 1000}, "0", "0", "0:00", "1000", "5.80", "100.0 %", ""},
        // 7 nm at cruise take 0.93 minutes and 0.93 litres: both cut, not rounded.
        {{0, 0, 1, 0, 0, 1}, "0", "7", "0:00", "0", "5.00", "93.3 %", ""},
        // 1000 minutes at cruise: tonnes grouped, litres not; hours beyond a day.
        {{0, 0, 10000, 0, 0, kHuge}, "0", "7500", "16:40", "10000000", "8,005.00", "0.5 %", ""},
        {{0, 0, 0, 0, 0, kHuge}, "0", "45075", "100:10", "0", "5.00", "0.0 %", ""},
        // Without a capacity there is no share, and the tank counts as too small.
        {withCapacity(0), "31000", "1000", "2:26", "13933", "12.15", "old %", tooSmall},
        // A distance too large to compute with leaves the figures alone.
        {kPerformance, "31000", std::string(400, '9'), "9:99", "old litres", "old tonnes", "old %",
         tooSmall},
        // Too short to reach the altitude and leave it again (about 51.85 nm for
        // 12000 ft, 133.95 nm for 31000 ft): nothing changes.
        {kPerformance, "12000", "51", "9:99", "old litres", "old tonnes", "old %",
         kAltitudeMessage},
        {kPerformance, "12000", "52", "0:12", "5961", "5.77", "22.9 %", ""},
        {kPerformance, "31000", "133", "9:99", "old litres", "old tonnes", "old %",
         kAltitudeMessage},
        {kPerformance, "31000", "abc", "9:99", "old litres", "old tonnes", "old %",
         kAltitudeMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.altitude) + " ft, " + c.distance.substr(0, 8) + " nm");
        Calculation run(c.performance, c.altitude, c.distance);
        EXPECT_EQ(run.data.duration, c.duration);
        EXPECT_EQ(run.data.fuel[0], c.litres);
        EXPECT_EQ(run.data.fuel[1], c.tonnes);
        EXPECT_EQ(run.data.tankShare, c.share);
        EXPECT_EQ(run.message(), c.message);
        // Label6 turns blue before any check, red when the tank is too small.
        EXPECT_EQ(run.data.tankShareColour, c.message == tooSmall ? kRed : kBlue);
    }
    Calculation run(kPerformance, "12000", "51");
    EXPECT_EQ(run.prompts.messages.at(0).title, "Hinweis");
    EXPECT_EQ(run.prompts.messages.at(0).icon, MessageIcon::Critical);
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
        {999.995, 2, true, "1,000.00"},
        {123456789.0, 2, true, "123,456,789.00"},
        {1.005, 2, true, "1.01"},  // a double a hair below the decimal half still rounds up
        {-1234.5, 2, true, "-1,234.50"},
        {-0.004, 2, true, "0.00"},
        // The share pattern "0.0" and whole numbers.
        {0.04, 1, false, "0.0"},
        {99.95, 1, false, "100.0"},
        {2.5, 0, false, "3"},
        {-2.5, 0, false, "-3"},
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
