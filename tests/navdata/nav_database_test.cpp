#include "navdata/nav_database.h"

#include <gtest/gtest.h>

#include "navdata/nav_test_folder.h"
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
                     "EDDF 1 2\r\n");
        folder.write(
            "wpNavAPT.txt",
            runwayLine("FRANKFURT MAIN", "EDDF", "07L", "13123", "110.10", "070", "364") + "\r\n" +
                runwayLine("EDDF CITY FIELD", "XXXX", "09 ", " 3000", "000.00", "090", "100") +
                "\r\n" + runwayLine("ZURICH", "LSZH", "14 ", "10827", "110.50", "137", "1416") +
                "\r\n");
        folder.write("wpNavRTE.txt", "A12 1 ABC 50.1 8.1\r\nUA1 1 DEF 51 9\r\nA1 1 GHI 52 10\r\n");
    }

    NavTestFolder folder;
    ScriptedPrompts prompts;
};

TEST_F(NavDatabaseTest, AirportExistsComparesTheFirstFourCharactersExactly) {
    NavDatabase nav(folder.path());
    EXPECT_TRUE(nav.AirportExists("EDDF", prompts));
    EXPECT_TRUE(nav.AirportExists("EGLL", prompts));
    EXPECT_FALSE(nav.AirportExists("eddf", prompts));
    EXPECT_FALSE(nav.AirportExists("KJFK", prompts));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(NavDatabaseTest, AMissingAirportFileIsReportedAtEveryCheck) {
    NavTestFolder empty;
    NavDatabase nav(empty.path());
    EXPECT_FALSE(nav.AirportExists("EDDF", prompts));
    EXPECT_FALSE(nav.AirportExists("EDDF", prompts));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, "Please check the path to PMDG-NAVDATA !");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(nav.FindAirportPosition("EDDF"), "");
    EXPECT_EQ(nav.FindAirportElevation("EDDF"), "");
    EXPECT_FALSE(nav.IsAirway("A1"));
}

TEST_F(NavDatabaseTest, FindAirportPositionBuildsTheRecordText) {
    NavDatabase nav(folder.path());
    struct Case {
        const char* code;
        const char* expected;
    };
    const Case cases[] = {
        {"EDDF", "1 N 50.033333 E 8.570556"},  // the first line wins
        {"SCEL", "1 S 33.946111 W 70.786111"},
        {"LSZH", "1 N 47.500000 E 8.550000"},
        {"LOWW", "1 N 48.110278 E 16.569722"},  // a tab between the numbers
        // More than four blanks leave an empty field after folding: the fields shift.
        {"EGLL", "1 S .000000 E 51.477500"},
        {"KJFK", ""},
        {"eddf", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nav.FindAirportPosition(c.code), c.expected) << c.code;
    }
}

TEST_F(NavDatabaseTest, FindAirportCoordinatesKeepsSignsAndDigits) {
    NavDatabase nav(folder.path());
    std::string latitude = "unchanged";
    EXPECT_EQ(nav.FindAirportCoordinates("SCEL", latitude), "-70.786111");
    EXPECT_EQ(latitude, "-33.946111");
    EXPECT_EQ(nav.FindAirportCoordinates("EGLL", latitude), "-0.461389");
    EXPECT_EQ(latitude, "51.4775");
    latitude = "unchanged";
    EXPECT_EQ(nav.FindAirportCoordinates("KJFK", latitude), "0");
    EXPECT_EQ(latitude, "unchanged");
}

TEST_F(NavDatabaseTest, FindAirportElevationLooksFromColumn25On) {
    NavDatabase nav(folder.path());
    EXPECT_EQ(nav.FindAirportElevation("EDDF"), "364");
    EXPECT_EQ(nav.FindAirportElevation("LSZH"), "1416");
    // "EDDF CITY FIELD" only names EDDF in the airport name columns.
    folder.write(
        "wpNavAPT.txt",
        runwayLine("EDDF CITY FIELD", "XXXX", "09 ", " 3000", "000.00", "090", "100") + "\r\n");
    EXPECT_EQ(nav.FindAirportElevation("EDDF"), "");
    folder.write("wpNavAPT.txt",
                 runwayLine("BAD", "EDDF", "07L", "13123", "110.10", "070", "x") + "\r\n");
    EXPECT_EQ(nav.FindAirportElevation("EDDF"), "");
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

std::vector<std::string> linesHolding(NavDatabase& nav, const std::string& word) {
    std::vector<std::string> lines;
    nav.forEachLineHoldingWaypoint(word, [&lines](const std::string& line) {
        lines.push_back(line);
        return true;
    });
    return lines;
}

TEST_F(NavDatabaseTest, WaypointSearchMatchesTheWordBetweenBlanksOnly) {
    folder.write("wpNavRTE.txt",
                 "UL1 1 ABC 50.5 8\r\n"
                 "UL2 1 XABC 51 9\r\n"
                 "UL3 7 ABC 52 ABC\r\n"
                 "ABC 1 DEF 53 10\r\n"
                 "UL4 1 A\tB 54 11\r\n");
    NavDatabase nav(folder.path());
    EXPECT_EQ(linesHolding(nav, "ABC"),
              (std::vector<std::string>{"UL1 1 ABC 50.5 8", "UL3 7 ABC 52 ABC"}));
    EXPECT_EQ(linesHolding(nav, "50.5"), (std::vector<std::string>{"UL1 1 ABC 50.5 8"}));
    EXPECT_EQ(linesHolding(nav, "7"), (std::vector<std::string>{"UL3 7 ABC 52 ABC"}));
    EXPECT_EQ(linesHolding(nav, "A\tB"), (std::vector<std::string>{"UL4 1 A\tB 54 11"}));
    EXPECT_TRUE(linesHolding(nav, "10").empty());   // the last field has no blank after it
    EXPECT_TRUE(linesHolding(nav, "UL1").empty());  // nor the first one before it

    std::vector<std::string> airway;
    nav.forEachLineOfAirway("ABC", [&airway](const std::string& line) {
        airway.push_back(line);
        return true;
    });
    EXPECT_EQ(airway, (std::vector<std::string>{"ABC 1 DEF 53 10"}));

    folder.write("wpNavRTE.txt", "UL9 1 ABC 1 2\r\n");
    EXPECT_EQ(linesHolding(nav, "ABC"), (std::vector<std::string>{"UL9 1 ABC 1 2"}));
}

TEST_F(NavDatabaseTest, GarbageFilesFindNothingAndDoNotCrash) {
    std::string garbage(100000, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 7919) % 256);
    }
    folder.write("airports.dat", garbage);
    folder.write("wpNavAPT.txt", "short\r\n\r\n" + garbage);
    folder.write("wpNavRTE.txt", garbage);
    NavDatabase nav(folder.path());
    EXPECT_FALSE(nav.AirportExists("EDDF", prompts));
    EXPECT_EQ(nav.FindAirportPosition("EDDF"), "");
    EXPECT_EQ(nav.FindAirportElevation("EDDF"), "");
    EXPECT_FALSE(nav.IsAirway("UL610"));
}

}  // namespace
}  // namespace skyloom
