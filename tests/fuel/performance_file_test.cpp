#include <gtest/gtest.h>

#include <string>

#include "fuel/aircraft_choice.h"
#include "io/file_system.h"
#include "io/text_util.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::TempFolder;
using testing::writeBytes;

std::string fuelData(const std::string& name) {
    return skyloom::testing::testDataPath({"fuel", name});
}

void expectPerformance(const AircraftPerformance& p, int taxi, int climb, int cruise, int descend,
                       int reserve, int capacity) {
    EXPECT_EQ(p.taxi, taxi);
    EXPECT_EQ(p.climb, climb);
    EXPECT_EQ(p.cruise, cruise);
    EXPECT_EQ(p.descend, descend);
    EXPECT_EQ(p.reserve, reserve);
    EXPECT_EQ(p.capacity, capacity);
}

TEST(LoadPerformanceFile, ReadsAllSixValues) {
    AircraftPerformance performance;
    EXPECT_EQ(LoadPerformanceFile(fuelData("full.dat"), performance), "");
    expectPerformance(performance, 300, 90, 60, 20, 5000, 26000);
}

struct LineCase {
    const char* name;
    const char* content;
    AircraftPerformance expected;
};

// Each file is read over a record that already holds other figures, so a line
// that is wrongly skipped or wrongly taken shows.
TEST(LoadPerformanceFile, AppliesTheLineRules) {
    const LineCase cases[] = {
        {"comment line", "TAXI=300\r\n// CRUISE=60\r\nCLIMB=90\r\n", {300, 90, 0, 0, 0, 7777}},
        {"trailing comment skips the line", "CRUISE=60 // per minute\r\n", {0, 0, 0, 0, 0, 7777}},
        {"comment marker inside", "GESAMT=5//000\r\n", {0, 0, 0, 0, 0, 7777}},
        {"empty and blank lines", "\r\n   \r\nTAXI=300\r\n\r\n", {300, 0, 0, 0, 0, 7777}},
        {"lower-case key", "taxi=300\r\nCruise=60\r\n", {0, 0, 0, 0, 0, 7777}},
        {"blank before equals", "TAXI =300\r\n", {0, 0, 0, 0, 0, 7777}},
        {"blank before key", " TAXI=300\r\n", {0, 0, 0, 0, 0, 7777}},
        {"blanks around value", "TAXI= 300\r\nCLIMB=  90  \r\n", {300, 90, 0, 0, 0, 7777}},
        {"unknown key", "FLAPS=5\r\nTAXI=300\r\n", {300, 0, 0, 0, 0, 7777}},
        {"last duplicate wins", "CLIMB=80\r\nCLIMB=90\r\n", {0, 90, 0, 0, 0, 7777}},
        {"text after a second equals", "DESCEND=20=7\r\n", {0, 0, 0, 20, 0, 7777}},
        {"signed values", "TAXI=-100\r\nCLIMB=+90\r\n", {-100, 90, 0, 0, 0, 7777}},
        {"capacity replaced", "GESAMT=171170\r\n", {0, 0, 0, 0, 0, 171170}},
        {"bare line feeds", "TAXI=300\nRESERVE=5000\nGESAMT=26000", {300, 0, 0, 0, 5000, 26000}},
        {"empty file", "", {0, 0, 0, 0, 0, 7777}},
        {"32-bit limits",
         "TAXI=2147483647\r\nCLIMB=-2147483648\r\n",
         {2147483647, -2147483647 - 1, 0, 0, 0, 7777}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        writeBytes(folder.file("perf.dat"), c.content);
        AircraftPerformance performance{11, 22, 33, 44, 55, 7777};
        EXPECT_EQ(LoadPerformanceFile(folder.file("perf.dat"), performance), "");
        const AircraftPerformance& e = c.expected;
        expectPerformance(performance, e.taxi, e.climb, e.cruise, e.descend, e.reserve, e.capacity);
    }
}

TEST(LoadPerformanceFile, KeepsTheCapacityWhenTheFileHasNone) {
    AircraftPerformance performance;
    ASSERT_EQ(LoadPerformanceFile(fuelData("full.dat"), performance), "");
    EXPECT_EQ(LoadPerformanceFile(fuelData("no_capacity.dat"), performance), "");
    expectPerformance(performance, 1000, 333, 229, 42, 12500, 26000);
}

TEST(LoadPerformanceFile, ReportsValuesThatAreNotWholeNumbersAndCountsThemAsZero) {
    AircraftPerformance performance{1, 2, 3, 4, 5, 26000};
    const std::string path = fuelData("bad_values.dat");
    std::string problem = LoadPerformanceFile(path, performance);
    expectPerformance(performance, 300, 90, 0, 0, 0, 0);
    EXPECT_TRUE(contains(problem, path)) << problem;
    EXPECT_TRUE(contains(problem, "line 2: CRUISE=6o")) << problem;
    EXPECT_TRUE(contains(problem, "line 4: RESERVE=5000.5")) << problem;
    EXPECT_TRUE(contains(problem, "line 5: DESCEND")) << problem;
    EXPECT_TRUE(contains(problem, "line 6: GESAMT=99999999999")) << problem;
    EXPECT_FALSE(contains(problem, "TAXI")) << problem;
    EXPECT_FALSE(contains(problem, "CLIMB")) << problem;
}

TEST(LoadPerformanceFile, ReportsAnEmptyValue) {
    TempFolder folder;
    writeBytes(folder.file("perf.dat"), "TAXI=\r\nCLIMB=90\r\n");
    AircraftPerformance performance{7, 7, 7, 7, 7, 7};
    std::string problem = LoadPerformanceFile(folder.file("perf.dat"), performance);
    EXPECT_TRUE(contains(problem, "line 1: TAXI=")) << problem;
    expectPerformance(performance, 0, 90, 0, 0, 0, 7);
}

TEST(LoadPerformanceFile, ListsAtMostTenFaultyLines) {
    TempFolder folder;
    std::string content;
    for (int i = 0; i < 14; ++i) {
        content += "CRUISE=x\r\n";
    }
    writeBytes(folder.file("perf.dat"), content);
    AircraftPerformance performance;
    std::string problem = LoadPerformanceFile(folder.file("perf.dat"), performance);
    EXPECT_TRUE(contains(problem, "line 10: CRUISE=x")) << problem;
    EXPECT_FALSE(contains(problem, "line 11:")) << problem;
    EXPECT_TRUE(contains(problem, "... and 4 more")) << problem;
}

TEST(LoadPerformanceFile, ReportsAMissingFileAndCountsEverythingAsZero) {
    TempFolder folder;
    AircraftPerformance performance{300, 90, 60, 20, 5000, 26000};
    const std::string path = folder.file("B747PMDG.dat");
    std::string problem = LoadPerformanceFile(path, performance);
    EXPECT_TRUE(contains(problem, path)) << problem;
    EXPECT_TRUE(contains(problem, "missing")) << problem;
    expectPerformance(performance, 0, 0, 0, 0, 0, 0);
}

TEST(LoadPerformanceFile, TreatsAFolderAsAMissingFile) {
    TempFolder folder;
    AircraftPerformance performance{300, 90, 60, 20, 5000, 26000};
    EXPECT_NE(LoadPerformanceFile(folder.path(), performance), "");
    expectPerformance(performance, 0, 0, 0, 0, 0, 0);
}

}  // namespace
}  // namespace skyloom
