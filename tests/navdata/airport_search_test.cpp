#include "navdata/airport_search.h"

#include <gtest/gtest.h>

#include "navdata/nav_test_folder.h"

namespace skyloom {
namespace {

// tests/data/navdata/airport_search/wpNavAPT.txt: EDDF has three runway
// lines, LSZH two; a line starting with ";" names FRANKFURT HAHN (EDFH), whose
// own line comes later; MÜNCHEN is written in Windows-1252.
std::string searchFolder() {
    return testing::testDataPath({"navdata", "airport_search"}) + kPathSeparator;
}

const std::string kFrankfurt = "FRANKFURT MAIN          \tEDDF";
const std::string kHahn = "FRANKFURT HAHN          \tEDFH";
const std::string kZurich = "ZURICH                  \tLSZH";
const std::string kMunich = "M\xDCNCHEN FRANZ J STRAUSS \tEDDM";

struct SearchCase {
    std::string text;
    std::vector<std::string> entries;
};

TEST(AirportSearch, ListsEachMatchingAirportOnceInFileOrder) {
    const SearchCase cases[] = {
        {"FRANKFURT", {kFrankfurt, kHahn}},  // not the ";" line, though it comes first
        {"frankfurt", {kFrankfurt, kHahn}},
        {"EDDF", {kFrankfurt}},
        {"13123", {kMunich, kFrankfurt}},  // the runway length column
        {"1416", {kZurich}},               // the elevation column
        {"m\xFCnchen", {kMunich}},         // ü is upper-cased like the ASCII letters
        {"MAIN    ", {kFrankfurt}},        // blanks are part of the text
        {" ZURICH", {}},                   // ... also leading ones: ZURICH starts its line
        {"KLAX", {}},
    };
    NavDatabase nav(searchFolder());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto result = SearchAirports(nav, c.text);
        EXPECT_EQ(result.outcome, AirportSearchOutcome::Listed);
        EXPECT_EQ(result.entries, c.entries);
        EXPECT_TRUE(result.message.empty());
    }
}

TEST(AirportSearch, BlankTextChangesNothingAndTypingSearchesFromFiveCharacters) {
    NavDatabase nav(searchFolder());
    for (const char* text : {"", "     "}) {
        auto result = SearchAirports(nav, text);
        EXPECT_EQ(result.outcome, AirportSearchOutcome::Unchanged) << '"' << text << '"';
        EXPECT_TRUE(result.entries.empty());
    }
    EXPECT_FALSE(SearchesWhileTyping("EDDF"));
    EXPECT_TRUE(SearchesWhileTyping("EDDFX"));
}

TEST(AirportSearch, AMissingFileIsReportedAndASemicolonAnywhereHidesALine) {
    testing::NavTestFolder folder;
    NavDatabase nav(folder.path());
    auto result = SearchAirports(nav, "EDDI");
    EXPECT_EQ(result.outcome, AirportSearchOutcome::FileUnreadable);
    EXPECT_NE(result.message.find(folder.path() + "wpNavAPT.txt"), std::string::npos)
        << result.message;

    folder.write("wpNavAPT.txt",
                 "TEMPELHOF; CLOSED       EDDI09L 6870\r\n"
                 "TEMPELHOF               EDDI27R 6870\r\n");
    EXPECT_EQ(SearchAirports(nav, "EDDI").entries,
              (std::vector<std::string>{"TEMPELHOF               \tEDDI"}));
}

}  // namespace
}  // namespace skyloom
