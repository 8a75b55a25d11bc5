// Every route through both readers of the navigation files, the indexed one
// and the literal reference, for all four aircraft: the data stores, the
// messages and the waypoint choices must be the same.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "commands/calculate.h"
#include "formats/saved_flight.h"
#include "nav_generator.h"
#include "navdata/nav_file.h"
#include "support/literal_nav_lines.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

// Answers every waypoint choice by a fixed script (the n-th choice takes
// candidate n modulo their number) and keeps what was asked and said.
struct ScriptedChooser : Prompts {
    std::vector<std::string> said;
    MessageAnswer message(const MessageBox& box) override {
        said.push_back(box.text);
        return MessageAnswer::Ok;
    }
    std::optional<std::string> input(const InputBox&) override { return std::nullopt; }
    std::string chooseWaypoint(const WaypointChoice& choice) override {
        std::string asked = choice.previousPoint;
        for (const std::string& candidate : choice.candidates) {
            asked += "|" + candidate;
        }
        said.push_back(asked);
        return choice.candidates[said.size() % choice.candidates.size()];
    }
    std::optional<std::string> saveFile(const FileDialog&) override { return std::nullopt; }
    std::optional<std::string> openFile(const FileDialog&) override { return std::nullopt; }
};

// All a calculation leaves behind, as text to compare.
std::vector<std::string> outcome(const std::string& folder, const std::string& route,
                                 Aircraft aircraft, const NavLinesMaker& maker) {
    Settings settings;
    settings.pathNavData = folder;
    settings.performance = {300, 90, 60, 20, 5000, 26000};
    MainWindowData data;
    data.route = route;
    data.aircraft = aircraft;
    ScriptedChooser prompts;
    CommandContext context{settings, data, prompts};
    NavDatabase nav(folder, maker);
    const CalculateResult result = Calculate(context, nav);
    std::vector<std::string> all = SavedFlightLines(data);
    for (const auto* list :
         {&data.planWaypointLines, &data.unresolved, &data.routePoints, &prompts.said}) {
        all.insert(all.end(), list->begin(), list->end());
    }
    all.push_back(data.fuel[0] + " " + data.fuel[1] + " " + data.duration + " " + data.tankShare +
                  " " + std::to_string(result.completed) + std::to_string(result.routeIncomplete) +
                  settings.chosenWaypoint);
    return all;
}

void expectSameThroughBothReaders(const std::string& folder, const std::string& route) {
    for (const Aircraft aircraft : kAllAircraft) {
        EXPECT_EQ(outcome(folder, route, aircraft, {}),
                  outcome(folder, route, aircraft, testing::LiteralNavLines::make))
            << route << " for " << aircraftCaption(aircraft);
    }
}

TEST(ReaderDifferential, TheCalculationTestRoutes) {
    const std::string folder = testing::testDataPath({"route", "nav"}) + kPathSeparator;
    for (const char* route :
         {"EDDF EGLL", "EGLL EDDF", "EDDF EDEQ", "EDDF KJFK", "EDDF TAU DO LOGA MID EGLL",
          "EDDF TAU UL610 KOBLI UM601 PEPAX LOGA MID EGLL", "EDDF TAU UL610 UM601 PEPAX EGLL",
          "EDDF ELK UM6019 OWL EGLL", "EDDF FOXX A1 GOLF EGLL", "EDDF HILLS UL975 BRIDG EGLL",
          "EDDF IVER UL975 BRIDG EGLL", "EDDF RIVER UL975 HILLS EGLL",
          "EDDF KOBLI UL610 KOBLI EGLL", "EDDF NOWHERE TAU UZ999 EGLL", "EDDF TAU KOBLI EGLL",
          "EDDF UL610 KOBLI EGLL", "EDDF UL610 EGLL", "EDDF KRL 5330N KJFK ", "EDDFBITBURGEGLL"}) {
        expectSameThroughBothReaders(folder, route);
    }
    expectSameThroughBothReaders(testing::testDataPath({"simplan", "nav"}) + kPathSeparator,
                                 "EDDF TAU T161 ASKIK DO GIBSA EDDM");
}

TEST(ReaderDifferential, TheSampleDatabase) {
    const std::string folder =
        testing::testDataPath({"..", "..", "data", "navdata-sample"}) + kPathSeparator;
    for (const char* route : {"EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK",
                              "EBBR HEVRO UP6 DINAN KOPAS METZO UP6 BASLO LSZH",
                              "LSZH RIKON UZ29 KEMOT UT180 LANZO UN850 VEXIT LOWW"}) {
        expectSameThroughBothReaders(folder, route);
    }
}

// Routes across a generated database with airways of up to 80 points, points
// on several airways, identifiers at several places and tails of others.
TEST(ReaderDifferential, GeneratedRoutes) {
    testing::TempFolder folder;
    const navgen::GeneratedNavDatabase database =
        navgen::GenerateNavDatabase(7, navgen::NavScale::Small, 6);
    ASSERT_TRUE(navgen::WriteNavDatabase(database, folder.path()));
    for (const std::string& route : database.routes) {
        expectSameThroughBothReaders(folder.path() + kPathSeparator, route);
    }
}

// A plan with every index, on columns 6 to 10.
constexpr NavIndexPlan kEveryIndex{true, true, 6, 5, true};

// The lines each lookup gives, word by word, through one reader.
std::vector<std::string> lookups(NavLines& file, const std::vector<std::string>& words) {
    std::vector<std::string> seen;
    const auto keep = [&seen](const std::string& line) {
        seen.push_back(line);
        return true;
    };
    file.forEachLine(keep);
    for (const std::string& word : words) {
        seen.push_back("starting " + word);
        file.forEachLineStartingWith(word, keep);
        seen.push_back("holding " + word);
        file.forEachLineHolding(word, keep);
        seen.push_back("columns " + word);
        file.forEachLineWithColumns(kEveryIndex.columnStart, kEveryIndex.columnWidth, word, keep);
        seen.push_back("from the columns on " + word);
        file.forEachLineHoldingFrom(kEveryIndex.columnStart, word, keep);
    }
    return seen;
}

// Line ends of every kind, a last line without one, blank, short and indented
// lines, a word twice in one line, in the columns and after them, numbers,
// and a file that changes between lookups.
TEST(ReaderDifferential, LinesOfEveryShape) {
    testing::TempFolder folder;
    const std::string path = folder.file("wpNavRTE.txt");
    const std::vector<std::string> words = {"UL610", "DO",     "KOBLI", "",      "50.1",
                                            "A B",   " UL610", "001 D", "2 KOB", "OBLI "};
    NavFile indexed(path, kEveryIndex);
    for (const char* bytes : {
             "UL610 001 DO 50.1 8.1\r\nUL610 002 KOBLI KOBLI 50.2\n\r\n UL610 003 DO 1 2\r\n"
             "DO 001 UL610 4 5\nUL610  004 KOBLI 6 7\nUM601 KOBLI KOBLI\nUM601 KOBLI",
             "UL610 001 DO 50.1 8.1\r\r\nX\r\n\n\nUL610\nUL610 \nKOBLI",
             "",
         }) {
        testing::writeBytes(path, bytes);
        indexed.checkForChange();
        testing::LiteralNavLines literal(path);
        EXPECT_EQ(lookups(indexed, words), lookups(literal, words)) << bytes;
    }
}

// The indexes kept in a cache between runs give the same lines as the file;
// a damaged cache, or one of an older file, is built anew.
TEST(ReaderDifferential, IndexesFromTheCache) {
    testing::TempFolder folder;
    const std::string path = folder.file("wpNavRTE.txt");
    const std::string cache = folder.file("cache") + kPathSeparator + "rte.index";
    const std::vector<std::string> words = {"UL610", "DO", "KOBLI", "UM601", "2 KOB"};
    testing::writeBytes(path,
                        "UL610 001 DO 50.1 8.1\r\nUL610 002 KOBLI 50.2 8\r\n"
                        "UM601 001 KOBLI 50.2 8\r\nUM601 002 DO 4 5\r\n");
    testing::LiteralNavLines literal(path);
    const auto expected = lookups(literal, words);
    const auto viaFreshReader = [&] {
        NavFile reader(path, kEveryIndex, cache);
        return lookups(reader, words);
    };
    EXPECT_EQ(viaFreshReader(), expected);  // builds the index and keeps it
    const std::string kept = testing::readBytes(cache);
    ASSERT_FALSE(kept.empty());
    // Taken from the cache, which is therefore not written again.
    // (Whole seconds: Windows keeps file times in steps of 100 ns.)
    const auto old = std::chrono::floor<std::chrono::seconds>(
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(24));
    std::filesystem::last_write_time(toNativePath(cache), old);
    EXPECT_EQ(viaFreshReader(), expected);
    EXPECT_EQ(std::filesystem::last_write_time(toNativePath(cache)), old);
    for (std::size_t at = 0; at < kept.size(); ++at) {  // every byte of it
        std::string damaged = kept;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
        testing::writeBytes(cache, damaged);
        EXPECT_EQ(viaFreshReader(), expected) << "damaged at " << at;
    }
    testing::writeBytes(cache, kept.substr(0, kept.size() / 3));
    EXPECT_EQ(viaFreshReader(), expected);
    testing::writeBytes(path, "UM601 001 DO 1 2\r\nUL610 001 KOBLI 3 4\r\n");
    EXPECT_EQ(viaFreshReader(), lookups(literal, words));  // the file changed
}

}  // namespace
}  // namespace skyloom
