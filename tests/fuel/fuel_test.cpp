// The performance files, the aircraft choice and the fuel and time calculation.

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <tuple>

#include "fuel/aircraft_choice.h"
#include "fuel/fuel_time.h"
#include "io/file_system.h"
#include "io/number_format.h"
#include "io/text_util.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::TempFolder;
using testing::writeBytes;
using Figures = std::array<int, 6>;
using Lines = std::vector<std::string>;

Figures figures(const AircraftPerformance& p) {
    return {p.taxi, p.climb, p.cruise, p.descend, p.reserve, p.capacity};
}

// Each file is read over other figures, so a line wrongly skipped or taken
// shows; keys not in the file count as zero, except GESAMT.
TEST(PerformanceFile, LineRules) {
    const std::pair<const char*, Figures> cases[] = {
        {"TAXI=-2147483648\nCLIMB=+90\nCRUISE=2147483647\nDESCEND=20\nRESERVE=5000\nGESAMT=26000",
         {-2147483647 - 1, 90, 2147483647, 20, 5000, 26000}},
        // "//" anywhere makes a comment; blanks around the value are allowed, the
        // key is compared exactly; the last of a repeated key wins; a value ends
        // at a second "=".
        {"\r\n  \r\nTAXI= 300\r\n// CLIMB=1\r\nCLIMB=  80  \r\nCLIMB=90\r\nCRUISE=60 // per "
         "minute\r\n"
         "taxi=1\r\nTAXI =3\r\n TAXI=4\r\nFLAPS=5\r\nDESCEND=20=7\r\nGESAMT=5//000\r\n",
         {300, 90, 0, 20, 0, 7777}},
    };
    for (const auto& [content, expected] : cases) {
        TempFolder folder;
        writeBytes(folder.file("perf.dat"), content);
        AircraftPerformance performance{11, 22, 33, 44, 55, 7777};
        EXPECT_EQ(LoadPerformanceFile(folder.file("perf.dat"), performance), "");
        EXPECT_EQ(figures(performance), expected) << content;
    }
}

TEST(PerformanceFile, ValuesThatAreNotWholeNumbersCountAsZeroAndAreReported) {
    AircraftPerformance performance{1, 2, 3, 4, 5, 26000};
    const std::string path = testing::testDataPath({"fuel", "bad_values.dat"});
    const std::string problem = LoadPerformanceFile(path, performance);
    EXPECT_EQ(figures(performance), (Figures{300, 90, 0, 0, 0, 0}));
    for (const char* part : {path.c_str(), "line 2: CRUISE=6o", "line 4: RESERVE=5000.5",
                             "line 5: DESCEND", "line 6: GESAMT=99999999999"}) {
        EXPECT_TRUE(contains(problem, part)) << part << " in " << problem;
    }
    EXPECT_FALSE(contains(problem, "TAXI")) << problem;
}

// Each option loads its own file (a missing one is reported, zeros) and clears the results.
TEST(AircraftChoice, EachOptionLoadsItsOwnFileAndClearsTheResults) {
    TempFolder folder;
    Settings settings;
    settings.programFolder = folder.path();
    MainWindowData data;
    testing::ScriptedPrompts prompts;
    CommandContext context{settings, data, prompts};
    writeBytes(folder.file("B737NG.dat"), "TAXI=1\r\nGESAMT=26000\r\n");
    writeBytes(folder.file("B747PMDG.dat"), "TAXI=2\r\n");  // the 737's tank stays
    writeBytes(folder.file("LevelD767.dat"), "TAXI=3\r\n");
    const std::tuple<Aircraft, const char*, int> rows[] = {{Aircraft::Pmdg737, "PMDG737", 1},
                                                           {Aircraft::Pmdg747, "PMDG747", 2},
                                                           {Aircraft::LevelD767, "LevelD 767", 3},
                                                           {Aircraft::Pss777, "PSS 777", 0}};
    for (const auto& [aircraft, caption, taxi] : rows) {
        data.routeListing = {"ABC\tN50 1.0\tE8 1.0"};
        data.saveEnabled = true;
        data.fuel = {"13933", "12.15"};
        data.duration = data.tankShare = "old";
        ChooseAircraft(context, aircraft);
        EXPECT_STREQ(aircraftCaption(aircraft), caption);
        EXPECT_EQ(data.aircraft, aircraft);
        EXPECT_TRUE(data.routeListing.empty() && !data.saveEnabled);
        EXPECT_EQ(std::tie(data.fuel[0], data.fuel[1], data.duration, data.tankShare),
                  std::make_tuple("", "", "00:00", "0 %"));
        EXPECT_EQ(settings.performance.taxi, taxi);
        EXPECT_EQ(settings.performance.capacity, taxi ? 26000 : 0);
    }
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(contains(prompts.messages[0].text, folder.file("PSS777.dat")));
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
}

const AircraftPerformance kPerformance{300, 90, 60, 20, 5000, 26000};
constexpr int kHuge = 2000000000;  // a tank that nothing fills

AircraftPerformance withCapacity(int capacity) {
    AircraftPerformance p = kPerformance;
    p.capacity = capacity;
    return p;
}

// Duration, litres, tonnes and share, joined by blanks; each run starts from
// outputs left over from an earlier run ("old"), so one not written shows.
TEST(FuelAndTime, DurationFuelTonnesAndShare) {
    const std::string old = "old old old old";
    const std::string tooSmall = "Attention! Fuel-Capacity too low for this flight!";
    const std::string tooHigh =
        "Die Flugh\xF6he kann bei der eingegebenen Entfernung nicht erreicht werden!";
    const std::tuple<AircraftPerformance, const char*, std::string, std::string, std::string>
        cases[] = {
            {kPerformance, "31000", "1000", "2:26 13933 12.15 53.6 %", ""},
            {kPerformance, "35000", "152", "0:35 7231 6.78 27.8 %", ""},
            {kPerformance, "12000", "300", "0:45 7945 7.36 30.6 %", ""},
            {withCapacity(10000), "31000", "1000", "2:26 13933 12.15 139.3 %", tooSmall},
            // Only the leading number of a text counts; no number is no altitude, and
            // without one the whole 1000 nm are flown at cruise: 133.3 min, 8300 l.
            {kPerformance, "31000 ft", "1000 nm", "2:26 13933 12.15 53.6 %", ""},
            {kPerformance, "FL310", "1000", "2:13 13300 11.64 51.2 %", ""},
            {kPerformance, "-5000", "1000", "2:13 13300 11.64 51.2 %", ""},
            // Exactly full tanks are within capacity.
            {{1000, 0, 0, 0, 0, 1000}, "0", "0", "0:00 1000 5.80 100.0 %", ""},
            // 7 nm at cruise take 0.93 minutes and 0.93 litres: both cut, not rounded.
            {{0, 0, 1, 0, 0, 1}, "0", "7", "0:00 0 5.00 93.3 %", ""},
            // 1000 minutes at cruise: tonnes grouped, litres not; hours beyond a day.
            {{0, 0, 10000, 0, 0, kHuge}, "0", "7500", "16:40 10000000 8,005.00 0.5 %", ""},
            {{0, 0, 0, 0, 0, kHuge}, "0", "45075", "100:10 0 5.00 0.0 %", ""},
            // Without a capacity there is no share, and the tank counts as too small.
            {withCapacity(0), "31000", "1000", "2:26 13933 12.15 old", tooSmall},
            // A distance too large to compute with leaves the figures alone.
            {kPerformance, "31000", std::string(400, '9'), old, tooSmall},
            // Too short to reach the altitude and leave it again (about 51.85 nm for
            // 12000 ft, 133.95 nm for 31000 ft): nothing changes.
            {kPerformance, "12000", "51", old, tooHigh},
            {kPerformance, "12000", "52", "0:12 5961 5.77 22.9 %", ""},
            {kPerformance, "31000", "133", old, tooHigh},
            {kPerformance, "31000", "abc", old, tooHigh},
        };
    for (const auto& [performance, altitude, distance, outputs, message] : cases) {
        SCOPED_TRACE(std::string(altitude) + " ft, " + distance.substr(0, 8) + " nm");
        Settings settings;
        settings.performance = performance;
        MainWindowData data;
        data.duration = data.fuel[0] = data.fuel[1] = data.tankShare = "old";
        data.tankShareColour = kRed;
        data.cruiseAltitude = altitude;
        data.distance = distance;
        testing::ScriptedPrompts prompts;
        CommandContext context{settings, data, prompts};
        CalculateFuelAndTime(context);
        EXPECT_EQ(data.duration + " " + data.fuel[0] + " " + data.fuel[1] + " " + data.tankShare,
                  outputs);
        EXPECT_EQ(prompts.messageTexts(), message.empty() ? Lines{} : Lines{message});
        // Label6 turns blue before any check, red when the tank is too small.
        EXPECT_EQ(data.tankShareColour, message == tooSmall ? kRed : kBlue);
        if (message == tooHigh) {
            EXPECT_EQ(prompts.messages[0].title, "Hinweis");
            EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
        }
    }
}

TEST(FormatFixed, RoundsHalfAwayFromZeroAndGroupsThousands) {
    // The tonnes pattern "##,##0.00", the share pattern "0.0" and whole numbers.
    const std::tuple<double, int, bool, const char*> cases[] = {
        {12.1465, 2, true, "12.15"}, {999.995, 2, true, "1,000.00"},
        {1.005, 2, true, "1.01"},  // a double a hair below the decimal half still rounds up
        {-0.004, 2, true, "0.00"},   {99.95, 1, false, "100.0"},
        {-2.5, 0, false, "-3"},      {std::numeric_limits<double>::infinity(), 2, true, ""}};
    for (const auto& [value, decimals, grouped, expected] : cases) {
        EXPECT_EQ(formatFixed(value, decimals, grouped), expected) << value;
    }
}

}  // namespace
}  // namespace skyloom
