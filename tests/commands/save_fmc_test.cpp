// "Save FMC-Data": file names and folders per aircraft, the simulator plan
// switches, the refreshed cruise-altitude line, and what happens with a
// cancelled, unsafe or unwritable name.

#include "commands/save_fmc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "formats/flight_test_support.h"
#include "io/file_system.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::ScriptedPrompts;
using testing::TempFolder;
using Lines = std::vector<std::string>;

const Lines kFmcLines = {"FMC line 1", "", "FMC line 3"};
const Lines kPlanLines = {"[flightplan]", "title=EDDF to EGLL", "cruising_altitude=31000",
                          "waypoint.0=EDDF, A, N50* 2.0', E8* 34.14', 364,"};

std::size_t filesIn(const std::string& folder) {
    auto entries = std::filesystem::directory_iterator(toNativePath(folder));
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

std::string joinCrLf(const Lines& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

class SaveFmc : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.pathPmdgPlans = pmdg.path() + kPathSeparator;
        settings.pathLevelDPlans = levelD.path() + kPathSeparator;
        settings.pathPssPlans = pss.path() + kPathSeparator;
        settings.pathFsPlans = fs.path() + kPathSeparator;
        data.fmcLines = kFmcLines;
        data.planLines = kPlanLines;
        data.cruiseAltitude = "31000";
    }
    SaveFmcResult save(const std::optional<std::string>& name) {
        prompts.messages.clear();
        prompts.inputAnswers = {name};
        CommandContext context{settings, data, prompts};
        return SaveFmcData(context);
    }
    std::size_t filesWritten() {
        return filesIn(pmdg.path()) + filesIn(levelD.path()) + filesIn(pss.path()) +
               filesIn(fs.path());
    }

    TempFolder pmdg, levelD, pss, fs;
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
};

TEST_F(SaveFmc, WritesTheFilesOfTheChoice) {
    struct Case {
        Aircraft aircraft;
        bool createFsPlan;
        bool onlyFsPlan;
        const char* typed;
        std::vector<std::pair<const TempFolder*, const char*>> files;  // in the order written
        bool emptyLists;
    };
    const Case cases[] = {
        {Aircraft::Pmdg737, false, false, "eddf-egll", {{&pmdg, "737-EDDF-EGLL.rte"}}, false},
        {Aircraft::Pss777, true, false, "e-e", {{&pss, "E-E.b2r"}, {&fs, "E-E.pln"}}, false},
        {Aircraft::Pss777, true, true, "name", {{&fs, "NAME.pln"}}, false},
        {Aircraft::Pmdg737, true, false, "x", {{&pmdg, "737-X.rte"}, {&fs, "X.pln"}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        data.aircraft = c.aircraft;
        data.createFsPlan = c.createFsPlan;
        data.onlyFsPlan = c.onlyFsPlan;
        data.fmcLines = c.emptyLists ? Lines{} : kFmcLines;
        data.planLines = c.emptyLists ? Lines{} : kPlanLines;

        SaveFmcResult result = save(std::string(c.typed));

        EXPECT_FALSE(result.failed);
        Lines expected;
        for (const auto& [folder, name] : c.files) {
            expected.push_back(folder->file(name));
            EXPECT_EQ(readBytes(folder->file(name)),
                      c.emptyLists ? "" : joinCrLf(folder == &fs ? kPlanLines : kFmcLines));
        }
        EXPECT_EQ(result.written, expected);
        EXPECT_EQ(filesWritten(), expected.size());
        EXPECT_EQ(prompts.messages.size(), 1u);
        for (const std::string& path : expected) {
            std::filesystem::remove(toNativePath(path));
        }
    }
    ASSERT_EQ(prompts.inputs.size(), std::size(cases));
    EXPECT_EQ(prompts.inputs[0].prompt, "Dateiname:");
    EXPECT_EQ(prompts.inputs[0].title, "Save Flightplan");
}

TEST_F(SaveFmc, OnlyTheFirstCruisingAltitudeLineIsRefreshedAndOnlyWithThePlan) {
    data.aircraft = Aircraft::Pmdg747;
    data.cruiseAltitude = "35000";
    data.planLines.push_back("waypoint.1=cruising_altitude, V, 0,X");
    Lines refreshed = data.planLines;
    refreshed[2] = "cruising_altitude=35000";

    data.createFsPlan = false;
    save(std::string("NAME"));
    EXPECT_EQ(data.planLines[2], "cruising_altitude=31000");

    data.createFsPlan = true;
    save(std::string("NAME"));
    EXPECT_EQ(data.planLines, refreshed);
    EXPECT_EQ(readBytes(fs.file("NAME.pln")), joinCrLf(refreshed));
}

TEST_F(SaveFmc, NoNameOrAnUnsafeNameWritesNothing) {
    data.aircraft = Aircraft::Pmdg747;
    data.createFsPlan = true;
    data.cruiseAltitude = "35000";
    const std::pair<std::optional<std::string>, bool> cases[] = {
        {std::nullopt, false}, {"", false}, {"../X", true}, {"A/B", true}, {"..", true}};
    for (const auto& [answer, refused] : cases) {
        SaveFmcResult result = save(answer);
        EXPECT_EQ(result.failed, refused) << answer.value_or("(cancelled)");
        EXPECT_TRUE(result.written.empty());
        EXPECT_EQ(prompts.messages.size(), refused ? 1u : 0u);
    }
    EXPECT_EQ(filesWritten(), 0u);
    EXPECT_EQ(data.planLines, kPlanLines);
    EXPECT_FALSE(fileExists(
        fromNativePath(toNativePath(pmdg.path()).parent_path() / "X.pln")));  // not beside either
}

TEST_F(SaveFmc, MissingFolderIsReportedWithItsPath) {
    data.aircraft = Aircraft::LevelD767;
    data.createFsPlan = true;
    const std::string missing = fs.path() + kPathSeparator + "missing";
    settings.pathFsPlans = missing + kPathSeparator;
    SaveFmcResult result = save(std::string("NAME"));
    // The FMC file written first stays.
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.written, Lines{levelD.file("NAME.rte")});
    testing::expectOneMessage(prompts, MessageIcon::Critical, missing, false);

    settings.pathLevelDPlans = missing + kPathSeparator;
    result = save(std::string("OTHER"));
    EXPECT_TRUE(result.failed);
    EXPECT_TRUE(result.written.empty());
    testing::expectOneMessage(prompts, MessageIcon::Critical, missing, false);
    EXPECT_FALSE(folderExists(missing));
}

}  // namespace
}  // namespace skyloom
