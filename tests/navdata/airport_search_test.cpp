#include "navdata/airport_search.h"

#include <gtest/gtest.h>

#include "navdata/nav_test_folder.h"

namespace skyloom {
namespace {

using Lines = std::vector<std::string>;

// tests/data/navdata/airport_search/wpNavAPT.txt: EDDF has three runway
// lines, LSZH two; a line starting with ";" names FRANKFURT HAHN (EDFH), whose
// own line comes later; MÜNCHEN is written in Windows-1252.
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
    EXPECT_FALSE(SearchesWhileTyping("EDDF"));
    EXPECT_TRUE(SearchesWhileTyping("EDDFX"));
}

TEST(AirportSearch, AMissingFileIsReportedAndASemicolonAnywhereHidesALine) {
    testing::NavTestFolder folder;
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
