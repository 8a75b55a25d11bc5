// Golden routes saved for every aircraft, byte for byte the files written by hand
// in tests/data/route/expected; the plan switches; names or folders that fail.

#include "commands/save_fmc.h"

#include <gtest/gtest.h>

#include "commands/trip.h"
#include "formats/flight_test_support.h"
#include "io/text_util.h"

namespace skyloom {
namespace {

using testing::Lines;
using testing::readBytes;
using testing::TempFolder;

struct SaveFmc : ::testing::Test {
    void SetUp() override { calculate("EDDF TAU DO LOGA MID EGLL", Aircraft::Pmdg737); }
    void calculate(const char* route, Aircraft aircraft) {
        trip = testing::Trip(route, aircraft);
        trip.calculate();
        trip.settings.pathPmdgPlans = pmdg.path() + kPathSeparator;
        trip.settings.pathLevelDPlans = levelD.path() + kPathSeparator;
        trip.settings.pathPssPlans = pss.path() + kPathSeparator;
        trip.settings.pathFsPlans = fs.path() + kPathSeparator;
    }
    SaveFmcResult save(const std::optional<std::string>& name) {
        trip.prompts.messages.clear();
        trip.prompts.inputAnswers = {name};
        CommandContext context{trip.settings, trip.data, trip.prompts};
        return SaveFmcData(context);
    }
    testing::Trip trip{""};
    TempFolder pmdg, levelD, pss, fs;
};

TEST_F(SaveFmc, EveryRouteForEveryAircraftIsItsGoldenFile) {
    const std::tuple<const char*, const char*, const char*> routes[] = {
        {"EDDF EGLL", "a_two_airports", "353"},
        {"EDDF TAU DO LOGA MID EGLL", "b_direct", "361"},
        {"EDDF TAU UL610 KOBLI UM601 PEPAX LOGA MID EGLL", "c_airways", "388"}};
    // Aircraft, folder, name prefix, extension, golden file suffix.
    const std::tuple<Aircraft, const TempFolder*, const char*, const char*, const char*> files[] = {
        {Aircraft::Pmdg737, &pmdg, "737-", ".rte", ".737.rte"},
        {Aircraft::Pmdg747, &pmdg, "747-", ".rte", ".747.rte"},
        {Aircraft::LevelD767, &levelD, "", ".rte", ".leveld.rte"},
        {Aircraft::Pss777, &pss, "", ".b2r", ".b2r"}};
    for (const auto& [route, stem, distance] : routes) {
        const std::string golden = testing::testDataPath({"route", "expected", stem});
        const std::string name = toUpper1252(stem);
        for (const auto& [aircraft, folder, prefix, extension, suffix] : files) {
            SCOPED_TRACE(std::string(stem) + suffix);
            calculate(route, aircraft);
            EXPECT_EQ(trip.data.distance, distance);  // whatever the aircraft
            const Lines written{folder->file(prefix + name + extension), fs.file(name + ".pln")};
            EXPECT_EQ(save(stem).written, written);
            EXPECT_EQ(readBytes(written[0]), readBytes(golden + suffix));
            EXPECT_EQ(readBytes(written[1]), readBytes(golden + ".pln"));
            // Nothing else: LOGA twice at one place is one candidate, so no choice.
            EXPECT_EQ(trip.prompts.messageTexts(), Lines{"Flightplan(s) saved!"});
        }
    }
    EXPECT_EQ(trip.prompts.inputs.at(0).prompt + trip.prompts.inputs.at(0).title,
              "Dateiname:Save Flightplan");
}

TEST_F(SaveFmc, PlanSwitchesAndTheRefreshedCruisingAltitude) {
    trip.data.cruiseAltitude = "35000";
    trip.data.planLines.push_back("waypoint.9=cruising_altitude, 0,X");
    trip.data.createFsPlan = false;
    EXPECT_EQ(save("A").written, Lines{pmdg.file("737-A.rte")});
    EXPECT_EQ(trip.data.planLines[5], "cruising_altitude=31000");
    trip.data.createFsPlan = trip.data.onlyFsPlan = true;
    EXPECT_EQ(save("B").written, Lines{fs.file("B.pln")});
    EXPECT_EQ(trip.data.planLines[5], "cruising_altitude=35000");
    EXPECT_EQ(trip.data.planLines.back(), "waypoint.9=cruising_altitude, 0,X");  // the first only
    EXPECT_NE(readBytes(fs.file("B.pln")).find("\r\ncruising_altitude=35000\r\n"),
              std::string::npos);
}

TEST_F(SaveFmc, NoNameAnUnsafeNameOrAMissingFolderWritesNothing) {
    const std::pair<std::optional<std::string>, bool> rows[] = {
        {std::nullopt, false}, {"", false}, {"../X", true}, {"A/B", true}, {"..", true}};
    for (const auto& [answer, refused] : rows) {
        SaveFmcResult result = save(answer);
        EXPECT_EQ(result.failed, refused) << answer.value_or("(cancelled)");
        EXPECT_TRUE(result.written.empty());
        EXPECT_EQ(trip.prompts.messages.size(), refused ? 1u : 0u);
    }
    const std::string missing = fs.path() + kPathSeparator + "missing";
    trip.settings.pathFsPlans = missing + kPathSeparator;
    SaveFmcResult result = save("NAME");
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.written, Lines{pmdg.file("737-NAME.rte")});  // written first, it stays
    const std::string plan = missing + kPathSeparator + "NAME.pln";
    testing::expectOneMessage(trip.prompts, MessageIcon::Critical,
                              "The file '" + plan + "' could not be created: its folder '" +
                                  missing + kPathSeparator + "' does not exist.",
                              false);
}

}  // namespace
}  // namespace skyloom
