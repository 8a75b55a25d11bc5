// The navigation file lookups, the destination runway list and the airport search.

#include <gtest/gtest.h>

#include "io/file_system.h"
#include "navdata/airport_search.h"
#include "navdata/nav_database.h"
#include "navdata/runway_list.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using Lines = std::vector<std::string>;

// A navigation database folder written by a test; path() is PathNavData.
struct NavFolder : testing::TempFolder {
    std::string path() const { return TempFolder::path() + kPathSeparator; }
    void write(const std::string& name, const std::string& bytes) {
        testing::writeBytes(file(name), bytes);
    }
};

// A wpNavAPT.txt runway line with its fields in their columns.
std::string runwayLine(std::string name, const std::string& code, const std::string& runway,
                       const std::string& length, const std::string& frequency,
                       const std::string& heading, const std::string& elevation) {
    name.resize(24, ' ');
    std::string line = name + code + runway + length;        // columns 25-28, 29-31, 32-36
    line.resize(60, ' ');                                    // columns 37-60 are not read
    return line + frequency + heading + "    " + elevation;  // 61-66, 67-69, the last five
}

class NavDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A second EDDF line: the lookups that stop take the first one.
        folder.write("airports.dat",
                     "EDDF 50.033333 8.570556\r\nSCEL -33.946111 -70.786111\r\nLSZH 47.5 8.55\n"
                     "LOWW  48.110278\t16.569722\r\nEGLL     51.4775 -0.461389\r\n"
                     "KLAX 33.9425 -118.408056 EDDX\r\nEDDF 1 2\r\nEDD\r\n\r\n");
        // The first EDDF line names EDDF only in the airport name columns; the
        // second LSZH line is damaged (its elevation is no number).
        const std::string eighteen =
            runwayLine("FRANKFURT", "EDDF", "18 ", " 9240", "000.00", "180", "365") + "\r\n";
        folder.write(
            "wpNavAPT.txt",
            runwayLine("EDDF CITY FIELD", "XXXX", "09 ", " 3000", "000.00", "090", "100") +
                "\r\nshort\r\n" +
                runwayLine("  FRANKFURT MAIN", "EDDF", "07L", "13123", "110.10", "070", "364") +
                "\r\n" + runwayLine("ZURICH", "LSZH", "14 ", "10827", "110.50", "137", "1416") +
                "\r\n" + eighteen + eighteen +
                runwayLine("ZURICH", "LSZH", "16 ", "12139", "000.00", "155", "14x6") + "\r\n" +
                runwayLine("DAMAGED", "EDDM", "08L", "13123", "110.30", "080", "x") + "\r\n" +
                runwayLine("ODD", "XXXX", "EDD", "X 123", "000.00", "000", "777") + "\r\n");
        folder.write("wpNavRTE.txt", "A12 1 ABC 50.1 8.1\r\nUA1 1 DEF 51 9\r\nA1 1 GHI 52 10\r\n");
    }

    NavFolder folder;
    testing::ScriptedPrompts prompts;
};

// Codes are compared exactly: airports.dat's first four characters, wpNavAPT.txt from column 25.
TEST_F(NavDatabaseTest, AirportLookups) {
    NavDatabase nav(folder.path());
    const struct {
        const char *code, *position, *latitude, *longitude, *elevation;
    } cases[] = {
        {"EDDF", "1 N 50.033333 E 8.570556", "50.033333", "8.570556", "364"},
        {"SCEL", "1 S 33.946111 W 70.786111", "-33.946111", "-70.786111", ""},
        {"LSZH", "1 N 47.500000 E 8.550000", "47.5", "8.55", "1416"},
        // A tab between the numbers: a blank to the position reader only.
        {"LOWW", "1 N 48.110278 E 16.569722", "?", "0", ""},
        // More than four blanks leave an empty field in the position: the fields shift.
        {"EGLL", "1 S .000000 E 51.477500", "51.4775", "-0.461389", ""},
        {"EDDM", "", "?", "0", ""},
        // Found from column 25 on, beyond the code columns too.
        {"EDDX", "", "?", "0", "777"},
        {"eddf", "", "?", "0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(nav.AirportExists(c.code, prompts), *c.position != '\0');
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
    Lines runways{"old line"};
    ListDestinationRunways(nav, "EDDF", runways);
    const std::string eighteen =
        "RWy 18  - Frq: ---.-- - Head: 180\xB0 - Len:  9240 ft. - Elev: 365 ft.";
    EXPECT_EQ(runways,
              (Lines{"Runways at FRANKFURT MAIN",
                     "RWy 07L - Frq: 110.10 - Head: 070\xB0 - Len: 13123 ft. - Elev: 364 ft.",
                     eighteen, eighteen}));
    // No runways, or a damaged runway line anywhere among them: an empty list.
    for (const char* code : {"KJFK", "EDDM", "LSZH"}) {
        runways = {"old line"};
        ListDestinationRunways(nav, code, runways);
        EXPECT_EQ(runways, Lines{}) << code;
    }
}

TEST_F(NavDatabaseTest, AirwaysAndWaypointsAreWholeWords) {
    NavDatabase nav(folder.path());
    EXPECT_TRUE(nav.IsAirway("A1") && nav.IsAirway("A12"));
    EXPECT_FALSE(nav.IsAirway("A") || nav.IsAirway("ABC"));
    folder.write("wpNavRTE.txt", "A12 1 ABC 50.1 8.1\r\nUL3 7 ABC 52 ABC\r\nABC 1 XABC 53 10\r\n");
    EXPECT_TRUE(nav.IsAirway("A1"));  // a calculation sees the files as they were when it began
    nav.checkForChanges();
    EXPECT_FALSE(nav.IsAirway("A1"));  // the next one reads the changed file
    auto linesHolding = [&nav](const std::string& word) {
        Lines lines;
        nav.forEachLineHoldingWaypoint(word, [&lines](const std::string& line) {
            lines.push_back(line);
            return true;
        });
        return lines;
    };
    EXPECT_EQ(linesHolding("ABC"), (Lines{"A12 1 ABC 50.1 8.1", "UL3 7 ABC 52 ABC"}));
    EXPECT_EQ(linesHolding("7"), Lines{"UL3 7 ABC 52 ABC"});
    EXPECT_EQ(linesHolding("10"), Lines{});  // the last field has no blank after it
}

TEST_F(NavDatabaseTest, MissingFilesFindNothingAndTheAirportFileIsReportedAtEveryCheck) {
    NavFolder empty;
    NavDatabase nav(empty.path());
    EXPECT_FALSE(nav.AirportExists("EDDF", prompts));
    EXPECT_FALSE(nav.AirportExists("EDDF", prompts));
    EXPECT_EQ(prompts.messageTexts(), Lines(2, "Please check the path to PMDG-NAVDATA !"));
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(nav.FindAirportElevation("EDDF") + nav.FindAirportPosition("EDDF"), "");
    EXPECT_FALSE(nav.IsAirway("A1"));
    Lines runways{"old line"};
    ListDestinationRunways(nav, "EDDF", runways);
    EXPECT_EQ(runways, Lines{});
}

// data/navdata/airport_search: EDDF has three runway lines, LSZH two; a ";" line names
// FRANKFURT HAHN (EDFH) before its own line; MÜNCHEN is written in Windows-1252.
TEST(AirportSearch, ListsEachMatchingAirportOnceInFileOrder) {
    const std::string frankfurt = "FRANKFURT MAIN          \tEDDF";
    const std::string hahn = "FRANKFURT HAHN          \tEDFH";
    const std::string munich = "M\xDCNCHEN FRANZ J STRAUSS \tEDDM";
    const std::pair<std::string, Lines> cases[] = {
        {"FRANKFURT", {frankfurt, hahn}},  // not the ";" line, though it comes first
        {"frankfurt", {frankfurt, hahn}},
        {"13123", {munich, frankfurt}},                // the runway length column
        {"1416", {"ZURICH                  \tLSZH"}},  // the elevation column
        {"m\xFCnchen", {munich}},                      // ü is upper-cased like ASCII letters
        {"MAIN    ", {frankfurt}},                     // blanks are part of the text
        {" ZURICH", {}},  // ... also leading ones: ZURICH starts its line
    };
    NavDatabase nav(testing::testDataPath({"navdata", "airport_search"}) + kPathSeparator);
    for (const auto& [text, entries] : cases) {
        auto result = SearchAirports(nav, text);
        EXPECT_EQ(result.outcome, AirportSearchOutcome::Listed) << text;
        EXPECT_EQ(result.entries, entries) << text;
    }
    EXPECT_EQ(SearchAirports(nav, "     ").outcome, AirportSearchOutcome::Unchanged);
    EXPECT_TRUE(!SearchesWhileTyping("EDDF") && SearchesWhileTyping("EDDFX"));
}

TEST(AirportSearch, AMissingFileIsReportedAndASemicolonAnywhereHidesALine) {
    NavFolder folder;
    NavDatabase nav(folder.path());
    auto result = SearchAirports(nav, "EDDI");
    EXPECT_EQ(result.outcome, AirportSearchOutcome::FileUnreadable);
    EXPECT_NE(result.message.find(folder.path() + "wpNavAPT.txt"), std::string::npos);
    folder.write(
        "wpNavAPT.txt",
        "TEMPELHOF; CLOSED       EDDI09L 6870\r\nTEMPELHOF               EDDI27R 6870\r\n");
    EXPECT_EQ(SearchAirports(nav, "EDDI").entries, Lines{"TEMPELHOF               \tEDDI"});
}

}  // namespace
}  // namespace skyloom
