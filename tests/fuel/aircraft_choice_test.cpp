#include "fuel/aircraft_choice.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "io/file_system.h"
#include "io/text_util.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::TempFolder;
using testing::writeBytes;
using Figures = std::array<int, 6>;

Figures figures(const AircraftPerformance& p) {
    return {p.taxi, p.climb, p.cruise, p.descend, p.reserve, p.capacity};
}

// Each file is read over a record that already holds other figures, so a line
// that is wrongly skipped or wrongly taken shows.
TEST(PerformanceFile, LineRules) {
    const std::pair<const char*, Figures> cases[] = {
        {"TAXI=300\r\nCLIMB=90\r\nCRUISE=60\r\nDESCEND=20\r\nRESERVE=5000\r\nGESAMT=26000\r\n",
         {300, 90, 60, 20, 5000, 26000}},
        // "//" anywhere makes a comment.
        {"TAXI=300\r\n// CLIMB=1\r\nCRUISE=60 // per minute\r\nGESAMT=5//000\r\n",
         {300, 0, 0, 0, 0, 7777}},
        // Blanks around the value are allowed; the key is compared exactly.
        {"\r\n  \r\nTAXI= 300\r\nCLIMB=  90  \r\ntaxi=1\r\nTAXI =3\r\n TAXI=4\r\nFLAPS=5\r\n",
         {300, 90, 0, 0, 0, 7777}},
        // The last of a repeated key wins; a value ends at a second "=".
        {"CLIMB=80\r\nCLIMB=90\r\nDESCEND=20=7\r\n", {0, 90, 0, 20, 0, 7777}},
        {"TAXI=-2147483648\r\nCLIMB=+90\r\nCRUISE=2147483647\r\n",
         {-2147483647 - 1, 90, 2147483647, 0, 0, 7777}},
        {"TAXI=300\nRESERVE=5000\nGESAMT=26000", {300, 0, 0, 0, 5000, 26000}},
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

// Every option loads its own file beside the program (a missing one is
// reported and counts as zeros) and clears the results of the last calculation.
TEST(AircraftChoice, EachOptionLoadsItsOwnFileAndClearsTheResults) {
    TempFolder folder;
    Settings settings;
    settings.programFolder = folder.path();
    MainWindowData data;
    testing::ScriptedPrompts prompts;
    CommandContext context{settings, data, prompts};
    const std::tuple<Aircraft, const char*, const char*, const char*> rows[] = {
        {Aircraft::Pmdg737, "PMDG737", "B737NG.dat", "TAXI=1\r\nGESAMT=26000\r\n"},
        {Aircraft::Pmdg747, "PMDG747", "B747PMDG.dat", "TAXI=2\r\n"},  // the 737's tank stays
        {Aircraft::LevelD767, "LevelD 767", "LevelD767.dat", "TAXI=3\r\n"},
        {Aircraft::Pss777, "PSS 777", "PSS777.dat", nullptr},
    };
    for (const auto& [aircraft, caption, file, content] : rows) {
        if (content != nullptr) {
            writeBytes(folder.file(file), content);
        }
    }
    int taxi = 0;
    for (const auto& [aircraft, caption, file, content] : rows) {
        data.routeListing = {"ABC\tN50 1.0\tE8 1.0"};
        data.saveEnabled = true;
        data.fuel = {"13933", "12.15"};
        data.duration = "2:26";
        data.tankShare = "53.6 %";
        ChooseAircraft(context, aircraft);
        EXPECT_STREQ(aircraftCaption(aircraft), caption);
        EXPECT_EQ(data.aircraft, aircraft);
        EXPECT_TRUE(data.routeListing.empty());
        EXPECT_FALSE(data.saveEnabled);
        EXPECT_EQ(data.fuel, (std::array<std::string, 2>{"", ""}));
        EXPECT_EQ(std::tie(data.duration, data.tankShare), std::make_tuple("00:00", "0 %"));
        if (content != nullptr) {
            EXPECT_EQ(settings.performance.taxi, ++taxi);
            EXPECT_EQ(settings.performance.capacity, 26000);
        }
    }
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(contains(prompts.messages[0].text, folder.file("PSS777.dat")));
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(figures(settings.performance), Figures{});
}

// The files shipped beside the program load without complaint, every line
// ended by CR LF.
TEST(AircraftChoice, ShippedFilesLoadCleanly) {
    const std::string program = testing::testDataPath({"..", "..", "data", "program"});
    for (const char* name :
         {"B737NG.dat", "B747PMDG.dat", "LevelD767.dat", "PSS777.dat", "AC.dat"}) {
        const std::string bytes = testing::readBytes(program + kPathSeparator + name);
        EXPECT_EQ(rightOf(bytes, 2), "\r\n") << name;
        EXPECT_EQ(splitAt(bytes, "\n").size(), splitAt(bytes, kCrLf).size()) << name;
    }
    AircraftPerformance p;
    EXPECT_EQ(LoadPerformanceFile(program + kPathSeparator + "PSS777.dat", p), "");
    EXPECT_GT(p.capacity, p.reserve);
}

}  // namespace
}  // namespace skyloom
