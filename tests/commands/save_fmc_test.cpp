// "Save FMC-Data" after a real calculation: file names and folders per
// aircraft (compared byte for byte with the files written by hand for the
// calculation tests), the plan switches, the refreshed cruise-altitude line,
// and a cancelled, unsafe or unwritable name.

#include "commands/save_fmc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "commands/trip.h"
#include "formats/flight_test_support.h"

namespace skyloom {
namespace {

using testing::Lines;
using testing::TempFolder;
using testing::Trip;

struct SaveFmc : ::testing::Test {
    SaveFmc() {
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
    std::size_t filesWritten() {
        std::size_t count = 0;
        for (const TempFolder* folder : {&pmdg, &levelD, &pss, &fs}) {
            for ([[maybe_unused]] const auto& entry :
                 std::filesystem::directory_iterator(toNativePath(folder->path()))) {
                ++count;
            }
        }
        return count;
    }
    Trip trip{"EDDF TAU DO LOGA MID EGLL"};
    TempFolder pmdg, levelD, pss, fs;
};

TEST_F(SaveFmc, WritesTheFilesOfTheChoice) {
    const struct {
        Aircraft aircraft;
        bool createFsPlan, onlyFsPlan;
        const char* typed;
        std::vector<std::tuple<const TempFolder*, const char*, const char*>> files;
    } rows[] = {
        {Aircraft::Pmdg737, false, false, "eddf-egll", {{&pmdg, "737-EDDF-EGLL.rte", ".737.rte"}}},
        {Aircraft::Pmdg747,
         true,
         false,
         "n",
         {{&pmdg, "747-N.rte", ".747.rte"}, {&fs, "N.pln", ".pln"}}},
        {Aircraft::LevelD767, false, false, "x", {{&levelD, "X.rte", ".leveld.rte"}}},
        {Aircraft::Pss777, false, false, "e-e", {{&pss, "E-E.b2r", ".b2r"}}},
        {Aircraft::Pss777, true, true, "p", {{&fs, "P.pln", ".pln"}}},
    };
    const std::string golden = testing::testDataPath({"route", "expected", "b_direct"});
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        trip.data.aircraft = row.aircraft;
        trip.calculate();
        trip.data.createFsPlan = row.createFsPlan;
        trip.data.onlyFsPlan = row.onlyFsPlan;
        SaveFmcResult result = save(std::string(row.typed));
        Lines expected;
        for (const auto& [folder, name, suffix] : row.files) {
            expected.push_back(folder->file(name));
            EXPECT_EQ(testing::readBytes(expected.back()), testing::readBytes(golden + suffix));
        }
        EXPECT_FALSE(result.failed);
        EXPECT_EQ(result.written, expected);
        EXPECT_EQ(filesWritten(), expected.size());
        EXPECT_EQ(trip.prompts.messageTexts(), Lines{"Flightplan(s) saved!"});
        for (const std::string& path : expected) {
            std::filesystem::remove(toNativePath(path));
        }
    }
    EXPECT_EQ(trip.prompts.inputs.at(0).prompt, "Dateiname:");
    EXPECT_EQ(trip.prompts.inputs.at(0).title, "Save Flightplan");
}

TEST_F(SaveFmc, OnlyTheFirstCruisingAltitudeLineIsRefreshedAndOnlyWithThePlan) {
    trip.data.cruiseAltitude = "35000";
    trip.data.planLines.push_back("waypoint.9=cruising_altitude, 0,X");
    Lines refreshed = trip.data.planLines;
    refreshed[5] = "cruising_altitude=35000";
    trip.data.createFsPlan = false;
    save(std::string("NAME"));
    EXPECT_EQ(trip.data.planLines[5], "cruising_altitude=31000");
    trip.data.createFsPlan = true;
    save(std::string("NAME"));
    EXPECT_EQ(trip.data.planLines, refreshed);
    EXPECT_EQ(testing::readBytes(fs.file("NAME.pln")), testing::joinCrLf(refreshed));
}

TEST_F(SaveFmc, NoNameAnUnsafeNameOrAMissingFolderWritesNothing) {
    const std::pair<std::optional<std::string>, bool> rows[] = {
        {std::nullopt, false}, {"", false}, {"../X", true}, {"A/B", true}, {"..", true}};
    for (const auto& [answer, refused] : rows) {
        SaveFmcResult result = save(answer);
        EXPECT_EQ(result.failed, refused) << answer.value_or("(cancelled)");
        EXPECT_EQ(trip.prompts.messages.size(), refused ? 1u : 0u);
    }
    EXPECT_EQ(filesWritten(), 0u);
    const std::string missing = fs.path() + kPathSeparator + "missing";
    trip.settings.pathFsPlans = missing + kPathSeparator;
    SaveFmcResult result = save(std::string("NAME"));
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.written, Lines{pmdg.file("737-NAME.rte")});  // written first, it stays
    testing::expectOneMessage(trip.prompts, MessageIcon::Critical, missing, false);
    EXPECT_FALSE(folderExists(missing));
}

}  // namespace
}  // namespace skyloom
