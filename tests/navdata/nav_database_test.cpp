#include "navdata/nav_database.h"

#include <gtest/gtest.h>

#include "navdata/nav_test_folder.h"
#include "navdata/runway_list.h"
#include "support/scripted_prompts.h"

namespace skyloom {
namespace {

using testing::NavTestFolder;
using testing::runwayLine;
using testing::ScriptedPrompts;

class NavDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.write("airports.dat",
                     "EDDF 50.033333 8.570556\r\n"
                     "SCEL -33.946111 -70.786111\r\n"
                     "LSZH 47.5 8.55\n"
                     "LOWW  48.110278\t16.569722\r\n"
                     "EGLL     51.4775 -0.461389\r\n"
                     "KLAX 33.9425 -118.408056 EDDX\r\n"
                     "EDDF 1 2\r\n"
                     "EDD\r\n\r\n");
        // The first EDDF line names EDDF only in the airport name columns.
        folder.write(
            "wpNavAPT.txt",
            runwayLine("EDDF CITY FIELD", "XXXX", "09 ", " 3000", "000.00", "090", "100") +
                "\r\nshort\r\n" +
                runwayLine("  FRANKFURT MAIN", "EDDF", "07L", "13123", "110.10", "070", "364") +
                "\r\n" + runwayLine("ZURICH", "LSZH", "14 ", "10827", "110.50", "137", "1416") +
                "\r\n" + runwayLine("FRANKFURT", "EDDF", "18 ", " 9240", "000.00", "180", "365") +
                "\r\n" + runwayLine("FRANKFURT", "EDDF", "18 ", " 9240", "000.00", "180", "365") +
                "\r\n" + runwayLine("DAMAGED", "EDDM", "08L", "13123", "110.30", "080", "x") +
                "\r\n");
        folder.write("wpNavRTE.txt", "A12 1 ABC 50.1 8.1\r\nUA1 1 DEF 51 9\r\nA1 1 GHI 52 10\r\n");
    }

    NavTestFolder folder;
    ScriptedPrompts prompts;
};

// Codes are compared exactly, on the first four characters of airports.dat
// and from column 25 on in wpNavAPT.txt; the first matching line wins.
TEST_F(NavDatabaseTest, AirportLookups) {
    NavDatabase nav(folder.path());
    const struct {
        const char* code;
        bool exists;
        const char* position;
        const char* latitude;
        const char* longitude;
        const char* elevation;
    } cases[] = {
        {"EDDF", true, "1 N 50.033333 E 8.570556", "50.033333", "8.570556", "364"},
        {"SCEL", true, "1 S 33.946111 W 70.786111", "-33.946111", "-70.786111", ""},
        {"LSZH", true, "1 N 47.500000 E 8.550000", "47.5", "8.55", "1416"},
        // A tab between the numbers: a blank to the position reader only.
        {"LOWW", true, "1 N 48.110278 E 16.569722", "?", "0", ""},
        // More than four blanks leave an empty field in the position: the fields shift.
        {"EGLL", true, "1 S .000000 E 51.477500", "51.4775", "-0.461389", ""},
        {"EDDM", false, "", "?", "0", ""},
        {"EDDX", false, "", "?", "0", ""},
        {"eddf", false, "", "?", "0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(nav.AirportExists(c.code, prompts), c.exists);
        EXPECT_EQ(nav.FindAirportPosition(c.code), c.position);
        std::string latitude = "?";
        EXPECT_EQ(nav.FindAirportCoordinates(c.code, latitude), c.longitude);
        EXPECT_EQ(latitude, c.latitude);
        EXPECT_EQ(nav.FindAirportElevation(c.code), c.elevation);
    }
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(NavDatabaseTest, RunwayListHasAHeadingAndEveryRunwayLineInFileOrder) {
    NavDatabase nav(folder.path());
    std::vector<std::string> runways{"old line"};
    ListDestinationRunways(nav, "EDDF", runways);
    const std::string eighteen =
        "RWy 18  - Frq: ---.-- - Head: 180\xB0 - Len:  9240 ft. - Elev: 365 ft.";
    EXPECT_EQ(runways, (std::vector<std::string>{
                           "Runways at FRANKFURT MAIN",
                           "RWy 07L - Frq: 110.10 - Head: 070\xB0 - Len: 13123 ft. - Elev: 364 ft.",
                           eighteen, eighteen}));
    // No runways, or a runway whose elevation is no number: an empty list.
    for (const char* code : {"KJFK", "EDDM"}) {
        runways = {"old line"};
        ListDestinationRunways(nav, code, runways);
        EXPECT_TRUE(runways.empty()) << code;
    }
}

TEST_F(NavDatabaseTest, IsAirwayNeedsTheNameFollowedByABlank) {
    NavDatabase nav(folder.path());
    EXPECT_TRUE(nav.IsAirway("A1"));
    EXPECT_TRUE(nav.IsAirway("A12"));
    EXPECT_FALSE(nav.IsAirway("A"));
    EXPECT_FALSE(nav.IsAirway("ABC"));
    folder.write("wpNavRTE.txt", "A12 1 ABC 50.1 8.1\r\n");
    EXPECT_FALSE(nav.IsAirway("A1"));  // the changed file is read again
}

TEST_F(NavDatabaseTest, WaypointSearchMatchesTheWordBetweenBlanksOnly) {
    folder.write("wpNavRTE.txt",
                 "UL1 1 ABC 50.5 8\r\n"
                 "UL2 1 XABC 51 9\r\n"
                 "UL3 7 ABC 52 ABC\r\n"
                 "ABC 1 DEF 53 10\r\n");
    NavDatabase nav(folder.path());
    auto linesHolding = [&nav](const std::string& word) {
        std::vector<std::string> lines;
        nav.forEachLineHoldingWaypoint(word, [&lines](const std::string& line) {
            lines.push_back(line);
            return true;
        });
        return lines;
    };
    EXPECT_EQ(linesHolding("ABC"),
              (std::vector<std::string>{"UL1 1 ABC 50.5 8", "UL3 7 ABC 52 ABC"}));
    EXPECT_EQ(linesHolding("7"), (std::vector<std::string>{"UL3 7 ABC 52 ABC"}));
    EXPECT_TRUE(linesHolding("10").empty());   // the last field has no blank after it
    EXPECT_TRUE(linesHolding("UL1").empty());  // nor the first one before it
}

TEST_F(NavDatabaseTest, MissingFilesFindNothingAndTheAirportFileIsReportedAtEveryCheck) {
    NavTestFolder empty;
    NavDatabase nav(empty.path());
    EXPECT_FALSE(nav.AirportExists("EDDF", prompts));
    EXPECT_FALSE(nav.AirportExists("EDDF", prompts));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, "Please check the path to PMDG-NAVDATA !");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(nav.FindAirportPosition("EDDF"), "");
    EXPECT_EQ(nav.FindAirportElevation("EDDF"), "");
    EXPECT_FALSE(nav.IsAirway("A1"));
    std::vector<std::string> runways{"old line"};
    ListDestinationRunways(nav, "EDDF", runways);
    EXPECT_TRUE(runways.empty());
}

}  // namespace
}  // namespace skyloom
