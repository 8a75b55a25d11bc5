// The performance files and the aircraft table that ship beside the program.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "fuel/aircraft_choice.h"
#include "fuel/fuel_time.h"
#include "io/file_system.h"
#include "io/text_util.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::ScriptedPrompts;
using testing::testDataDir;

std::string programData(const std::string& name) {
    const std::string up = std::string("..") + kPathSeparator;
    return testDataDir() + kPathSeparator + up + up + "data" + kPathSeparator + "program" +
           kPathSeparator + name;
}

// Every line, the last one too, ends with CR LF.
void expectCrLfLines(const std::string& bytes) {
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(rightOf(bytes, 2), "\r\n");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare line feed at byte " << i;
        }
    }
}

const Aircraft kAllAircraft[] = {Aircraft::Pmdg737, Aircraft::Pmdg747, Aircraft::LevelD767,
                                 Aircraft::Pss777};

TEST(BundledPerformanceFiles, HoldEverySixKeysOnceAndNothingElse) {
    const std::set<std::string> keys = {"TAXI", "CLIMB", "CRUISE", "DESCEND", "RESERVE", "GESAMT"};
    for (Aircraft aircraft : kAllAircraft) {
        SCOPED_TRACE(aircraftPerformanceFile(aircraft));
        std::string bytes = readBytes(programData(aircraftPerformanceFile(aircraft)));
        expectCrLfLines(bytes);
        std::map<std::string, int> seen;
        for (const std::string& line : splitLines(bytes)) {
            if (contains(line, "//") || trimBlanks(line).empty()) {
                continue;
            }
            std::vector<std::string> pieces = splitAt(line, '=');
            ASSERT_EQ(pieces.size(), 2u) << line;
            EXPECT_TRUE(keys.count(pieces[0])) << "unknown key in: " << line;
            ++seen[pieces[0]];
        }
        for (const std::string& key : keys) {
            EXPECT_EQ(seen[key], 1) << key;
        }
    }
}

TEST(BundledPerformanceFiles, LoadWithoutProblemsAndGivePlausibleFigures) {
    for (Aircraft aircraft : kAllAircraft) {
        SCOPED_TRACE(aircraftPerformanceFile(aircraft));
        AircraftPerformance p;
        EXPECT_EQ(LoadPerformanceFile(programData(aircraftPerformanceFile(aircraft)), p), "");
        EXPECT_GT(p.taxi, 0);
        EXPECT_GT(p.descend, 0);
        EXPECT_GT(p.cruise, p.descend);
        EXPECT_GT(p.climb, p.cruise);
        EXPECT_GT(p.reserve, p.taxi);
        EXPECT_GT(p.capacity, p.reserve);
    }
}

// A 3000 nm flight at 35000 ft: the long-haul aircraft carry it in their
// tanks, and every aircraft burns between 5 and 40 litres per nautical mile.
TEST(BundledPerformanceFiles, GiveSensibleFuelForALongFlight) {
    for (Aircraft aircraft : kAllAircraft) {
        SCOPED_TRACE(aircraftPerformanceFile(aircraft));
        Settings settings;
        MainWindowData data;
        ScriptedPrompts prompts;
        CommandContext context{settings, data, prompts};
        ASSERT_EQ(LoadPerformanceFile(programData(aircraftPerformanceFile(aircraft)),
                                      settings.performance),
                  "");
        data.cruiseAltitude = "35000";
        data.distance = "3000";
        CalculateFuelAndTime(context);

        EXPECT_EQ(data.duration, "6:54");
        const double litres = leadingNumber(data.fuel[0]);
        const double tripLitres = litres - settings.performance.reserve;
        EXPECT_GT(tripLitres / 3000, 5.0);
        EXPECT_LT(tripLitres / 3000, 40.0);
        if (aircraft != Aircraft::Pmdg737) {
            EXPECT_LT(litres, settings.performance.capacity);
            EXPECT_EQ(data.tankShareColour, kBlue);
            EXPECT_TRUE(prompts.messages.empty());
        }
    }
}

TEST(BundledAircraftTable, HoldsUpTo51TypesWithTheFourOptionsFirst) {
    std::string bytes = readBytes(programData("AC.dat"));
    expectCrLfLines(bytes);
    std::vector<std::string> lines = splitLines(bytes);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_LE(lines.size(), 51u);

    std::set<std::string> types;
    for (const std::string& line : lines) {
        std::vector<std::string> fields = splitAt(line, ':');
        ASSERT_EQ(fields.size(), 3u) << line;
        EXPECT_EQ(trimBlanks(fields[0]), fields[0]) << line;
        EXPECT_GE(fields[0].size(), 2u) << line;
        EXPECT_LE(fields[0].size(), 4u) << line;
        EXPECT_FALSE(trimBlanks(fields[1]).empty()) << line;
        EXPECT_TRUE(fields[2] == "L" || fields[2] == "M" || fields[2] == "H") << line;
        EXPECT_TRUE(types.insert(fields[0]).second) << "twice: " << line;
    }
    EXPECT_EQ(lines[0], "B738:B737-800:M");
    EXPECT_EQ(lines[1], "B744:B747-400:H");
    EXPECT_EQ(leftOf(lines[2], 5), "B763:");
    EXPECT_EQ(rightOf(lines[2], 2), ":H");
    EXPECT_EQ(leftOf(lines[3], 5), "B772:");
    EXPECT_EQ(rightOf(lines[3], 2), ":H");
}

}  // namespace
}  // namespace skyloom
