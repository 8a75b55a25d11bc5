#include "fuel/aircraft_choice.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "io/file_system.h"
#include "io/text_util.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::ScriptedPrompts;
using testing::TempFolder;
using testing::writeBytes;

std::array<int, 6> figures(const AircraftPerformance& p) {
    return {p.taxi, p.climb, p.cruise, p.descend, p.reserve, p.capacity};
}

// Each file is read over a record that already holds other figures, so a line
// that is wrongly skipped or wrongly taken shows.
TEST(PerformanceFile, LineRules) {
    const struct {
        const char* name;
        const char* content;
        std::array<int, 6> expected;
    } cases[] = {
        {"all six keys",
         "TAXI=300\r\nCLIMB=90\r\nCRUISE=60\r\nDESCEND=20\r\nRESERVE=5000\r\nGESAMT=26000\r\n",
         {300, 90, 60, 20, 5000, 26000}},
        {"'//' anywhere makes a comment",
         "TAXI=300\r\n// CLIMB=1\r\nCRUISE=60 // per minute\r\nGESAMT=5//000\r\n",
         {300, 0, 0, 0, 0, 7777}},
        {"empty and blank lines", "\r\n   \r\nTAXI=300\r\n\r\n", {300, 0, 0, 0, 0, 7777}},
        // Blanks around the value are allowed; the key is compared exactly.
        {"exact keys",
         "TAXI= 300\r\nCLIMB=  90  \r\ntaxi=1\r\nCruise=2\r\nTAXI =3\r\n TAXI=4\r\n",
         {300, 90, 0, 0, 0, 7777}},
        {"unknown key", "FLAPS=5\r\nTAXI=300\r\n", {300, 0, 0, 0, 0, 7777}},
        {"last of a repeated key wins",
         "CLIMB=80\r\nCLIMB=90\r\nGESAMT=1\r\nGESAMT=171170\r\n",
         {0, 90, 0, 0, 0, 171170}},
        {"value ends at a second '='", "DESCEND=20=7\r\n", {0, 0, 0, 20, 0, 7777}},
        {"signs and 32-bit limits",
         "TAXI=-2147483648\r\nCLIMB=+90\r\nCRUISE=2147483647\r\n",
         {-2147483647 - 1, 90, 2147483647, 0, 0, 7777}},
        {"bare line feeds", "TAXI=300\nRESERVE=5000\nGESAMT=26000", {300, 0, 0, 0, 5000, 26000}},
        {"empty file", "", {0, 0, 0, 0, 0, 7777}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        writeBytes(folder.file("perf.dat"), c.content);
        AircraftPerformance performance{11, 22, 33, 44, 55, 7777};
        EXPECT_EQ(LoadPerformanceFile(folder.file("perf.dat"), performance), "");
        EXPECT_EQ(figures(performance), c.expected);
    }
}

TEST(PerformanceFile, ValuesThatAreNotWholeNumbersCountAsZeroAndAreReported) {
    AircraftPerformance performance{1, 2, 3, 4, 5, 26000};
    const std::string path = testing::testDataPath({"fuel", "bad_values.dat"});
    const std::string problem = LoadPerformanceFile(path, performance);
    EXPECT_EQ(figures(performance), (std::array<int, 6>{300, 90, 0, 0, 0, 0}));
    for (const char* part : {path.c_str(), "line 2: CRUISE=6o", "line 4: RESERVE=5000.5",
                             "line 5: DESCEND", "line 6: GESAMT=99999999999"}) {
        EXPECT_TRUE(contains(problem, part)) << part << " in " << problem;
    }
    EXPECT_FALSE(contains(problem, "TAXI")) << problem;
}

TEST(PerformanceFile, AMissingFileOrAFolderCountsEverythingAsZero) {
    TempFolder folder;
    for (const std::string& path : {folder.file("B747PMDG.dat"), folder.path()}) {
        AircraftPerformance performance{300, 90, 60, 20, 5000, 26000};
        const std::string problem = LoadPerformanceFile(path, performance);
        EXPECT_TRUE(contains(problem, path)) << problem;
        EXPECT_EQ(figures(performance), (std::array<int, 6>{}));
    }
}

class AircraftChoiceTest : public ::testing::Test {
  protected:
    AircraftChoiceTest() { settings.programFolder = folder.path(); }

    // Chooses after a finished calculation has left its results behind.
    void choose(Aircraft aircraft) {
        data.routeListing = {"ABC\tN50 1.0\tE8 1.0"};
        data.saveEnabled = true;
        data.fuel = {"13933", "12.15"};
        data.duration = "2:26";
        data.tankShare = "53.6 %";
        ChooseAircraft(context, aircraft);
        EXPECT_EQ(data.aircraft, aircraft);
        EXPECT_TRUE(data.routeListing.empty());
        EXPECT_FALSE(data.saveEnabled);
        EXPECT_EQ(data.fuel, (std::array<std::string, 2>{"", ""}));
        EXPECT_EQ(data.duration, "00:00");
        EXPECT_EQ(data.tankShare, "0 %");
    }

    TempFolder folder;
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
    CommandContext context{settings, data, prompts};
};

TEST_F(AircraftChoiceTest, EachOptionLoadsItsOwnFileBesideTheProgramAndClearsTheResults) {
    const struct {
        Aircraft aircraft;
        const char* caption;
        const char* type;
        const char* file;
        const char* content;
    } rows[] = {
        {Aircraft::Pmdg737, "PMDG737", "737", "B737NG.dat", "TAXI=1\r\nGESAMT=26000\r\n"},
        // Without GESAMT the 737's tank stays.
        {Aircraft::Pmdg747, "PMDG747", "747", "B747PMDG.dat", "TAXI=2\r\n"},
        {Aircraft::LevelD767, "LevelD 767", "767", "LevelD767.dat", "TAXI=3\r\n"},
        {Aircraft::Pss777, "PSS 777", "777", "PSS777.dat", "TAXI=4\r\n"},
    };
    for (const auto& row : rows) {
        writeBytes(folder.file(row.file), row.content);
    }
    int taxi = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption);
        EXPECT_STREQ(aircraftCaption(row.aircraft), row.caption);
        EXPECT_STREQ(aircraftTypeNumber(row.aircraft), row.type);
        EXPECT_STREQ(aircraftPerformanceFile(row.aircraft), row.file);
        choose(row.aircraft);
        EXPECT_EQ(settings.performance.taxi, ++taxi);
        EXPECT_EQ(settings.performance.capacity, 26000);
    }
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(AircraftChoiceTest, AMissingFileIsReportedOnceAndTheChoiceStillHappens) {
    settings.performance = {300, 90, 60, 20, 5000, 26000};
    choose(Aircraft::Pss777);
    ASSERT_EQ(prompts.messages.size(), 1u);
    const MessageBox& box = prompts.messages[0];
    EXPECT_TRUE(contains(box.text, folder.file("PSS777.dat"))) << box.text;
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(box.title, "");
    EXPECT_EQ(figures(settings.performance), (std::array<int, 6>{}));
}

// The performance files and the aircraft table that ship beside the program.
std::string programData(const std::string& name) {
    const std::string up = std::string("..") + kPathSeparator;
    return testing::testDataDir() + kPathSeparator + up + up + "data" + kPathSeparator + "program" +
           kPathSeparator + name;
}

// Every line, the last one too, ends with CR LF.
std::vector<std::string> crLfLines(const std::string& name) {
    const std::string bytes = testing::readBytes(programData(name));
    EXPECT_EQ(rightOf(bytes, 2), "\r\n");
    EXPECT_EQ(splitAt(bytes, "\n").size(), splitAt(bytes, kCrLf).size()) << "bare line feed";
    return splitLines(bytes);
}

TEST(BundledFiles, PerformanceFilesHoldEachKeyOnceWithPlausibleFigures) {
    for (Aircraft aircraft :
         {Aircraft::Pmdg737, Aircraft::Pmdg747, Aircraft::LevelD767, Aircraft::Pss777}) {
        const std::string name = aircraftPerformanceFile(aircraft);
        SCOPED_TRACE(name);
        std::multiset<std::string> keys;
        for (const std::string& line : crLfLines(name)) {
            if (!contains(line, "//") && !trimBlanks(line).empty()) {
                keys.insert(splitAt(line, '=')[0]);
            }
        }
        EXPECT_EQ(keys, (std::multiset<std::string>{"CLIMB", "CRUISE", "DESCEND", "GESAMT",
                                                    "RESERVE", "TAXI"}));
        AircraftPerformance p;
        ASSERT_EQ(LoadPerformanceFile(programData(name), p), "");
        EXPECT_GT(p.taxi, 0);
        EXPECT_GT(p.cruise, p.descend);
        EXPECT_GT(p.climb, p.cruise);
        EXPECT_GT(p.capacity, p.reserve);
    }
}

TEST(BundledFiles, AircraftTableHoldsUpTo51TypesWithTheFourOptionsFirst) {
    const std::vector<std::string> lines = crLfLines("AC.dat");
    ASSERT_GE(lines.size(), 4u);
    EXPECT_LE(lines.size(), 51u);
    std::set<std::string> types;
    for (const std::string& line : lines) {
        std::vector<std::string> fields = splitAt(line, ':');
        ASSERT_EQ(fields.size(), 3u) << line;
        EXPECT_EQ(trimBlanks(fields[0]), fields[0]) << line;
        EXPECT_TRUE(fields[0].size() >= 2 && fields[0].size() <= 4) << line;
        EXPECT_FALSE(trimBlanks(fields[1]).empty()) << line;
        EXPECT_TRUE(fields[2] == "L" || fields[2] == "M" || fields[2] == "H") << line;
        EXPECT_TRUE(types.insert(fields[0]).second) << "twice: " << line;
    }
    EXPECT_EQ(lines[0], "B738:B737-800:M");
    EXPECT_EQ(lines[1], "B744:B747-400:H");
    EXPECT_EQ(leftOf(lines[2], 5) + rightOf(lines[2], 2), "B763::H");
    EXPECT_EQ(leftOf(lines[3], 5) + rightOf(lines[3], 2), "B772::H");
}

}  // namespace
}  // namespace skyloom
