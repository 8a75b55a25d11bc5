// "Save FMC-Data": file names and folders per aircraft, the simulator plan
// switches, the refreshed cruise-altitude line, and what happens with a
// cancelled, unsafe or unwritable name.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "formats/save_fmc.h"
#include "io/file_system.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace {

using skyloom::Aircraft;
using skyloom::kPathSeparator;
using skyloom::MessageButtons;
using skyloom::MessageIcon;
using skyloom::testing::readBytes;
using skyloom::testing::ScriptedPrompts;
using skyloom::testing::TempFolder;

const std::vector<std::string> kFmcLines = {"FMC line 1", "", "FMC line 3"};
const std::vector<std::string> kPlanLines = {"[flightplan]",
                                             "title=EDDF to EGLL",
                                             "description=EDDF, EGLL",
                                             "type=IFR",
                                             "routetype=3",
                                             "cruising_altitude=31000",
                                             "departure_id=EDDF, x",
                                             "waypoint.0=EDDF, A, N50* 2.0', E8* 34.14', 364,"};

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(skyloom::toNativePath(folder))) {
        names.push_back(skyloom::fromNativePath(entry.path().filename()));
    }
    return names;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
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
        data.saveEnabled = true;
    }

    skyloom::SaveFmcResult save(const std::optional<std::string>& name) {
        prompts.inputAnswers = {name};
        skyloom::CommandContext context{settings, data, prompts};
        return skyloom::SaveFmcData(context);
    }

    bool nothingWritten() {
        return filesIn(pmdg.path()).empty() && filesIn(levelD.path()).empty() &&
               filesIn(pss.path()).empty() && filesIn(fs.path()).empty();
    }

    TempFolder pmdg, levelD, pss, fs;
    skyloom::Settings settings;
    skyloom::MainWindowData data;
    ScriptedPrompts prompts;
};

enum class Folder { Pmdg, LevelD, Pss, Fs };

struct NameCase {
    const char* name;
    Aircraft aircraft;
    bool createFsPlan;
    bool onlyFsPlan;
    const char* typed;
    std::vector<std::pair<Folder, std::string>> files;  // in the order written
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

class SaveFmcNames : public SaveFmc, public ::testing::WithParamInterface<NameCase> {
  protected:
    std::string folderOf(Folder folder) {
        switch (folder) {
            case Folder::Pmdg:
                return pmdg.path();
            case Folder::LevelD:
                return levelD.path();
            case Folder::Pss:
                return pss.path();
            case Folder::Fs:
                return fs.path();
        }
        return {};
    }
};

TEST_P(SaveFmcNames, WritesTheFilesOfTheChoice) {
    data.aircraft = GetParam().aircraft;
    data.createFsPlan = GetParam().createFsPlan;
    data.onlyFsPlan = GetParam().onlyFsPlan;

    auto result = save(std::string(GetParam().typed));

    EXPECT_FALSE(result.failed);
    std::vector<std::string> expected;
    std::size_t filesInAllFolders = 0;
    for (const auto& [folder, fileName] : GetParam().files) {
        std::string path = folderOf(folder) + kPathSeparator + fileName;
        expected.push_back(path);
        const auto& lines = folder == Folder::Fs ? data.planLines : kFmcLines;
        EXPECT_EQ(readBytes(path), joinCrLf(lines)) << path;
    }
    EXPECT_EQ(result.written, expected);
    for (Folder folder : {Folder::Pmdg, Folder::LevelD, Folder::Pss, Folder::Fs}) {
        filesInAllFolders += filesIn(folderOf(folder)).size();
    }
    EXPECT_EQ(filesInAllFolders, expected.size());

    ASSERT_EQ(prompts.inputs.size(), 1u);
    EXPECT_EQ(prompts.inputs[0].prompt, "Dateiname:");
    EXPECT_EQ(prompts.inputs[0].title, "Save Flightplan");
    EXPECT_EQ(prompts.inputs[0].preset, "");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Flightplan(s) saved!");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(prompts.messages[0].title, "");
    EXPECT_EQ(data.fmcLines, kFmcLines);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, SaveFmcNames,
    ::testing::Values(
        NameCase{"Pmdg737LowerCaseName",
                 Aircraft::Pmdg737,
                 false,
                 false,
                 "eddf-egll",
                 {{Folder::Pmdg, "737-EDDF-EGLL.rte"}}},
        NameCase{"Pmdg747WithPlan",
                 Aircraft::Pmdg747,
                 true,
                 false,
                 "NAME",
                 {{Folder::Pmdg, "747-NAME.rte"}, {Folder::Fs, "NAME.pln"}}},
        NameCase{
            "LevelD767", Aircraft::LevelD767, false, false, "Name", {{Folder::LevelD, "NAME.rte"}}},
        NameCase{"LevelD767WithPlan",
                 Aircraft::LevelD767,
                 true,
                 false,
                 "name",
                 {{Folder::LevelD, "NAME.rte"}, {Folder::Fs, "NAME.pln"}}},
        NameCase{"Pss777", Aircraft::Pss777, false, false, "name", {{Folder::Pss, "NAME.b2r"}}},
        NameCase{"Pss777WithPlan",
                 Aircraft::Pss777,
                 true,
                 false,
                 "eddf-egll",
                 {{Folder::Pss, "EDDF-EGLL.b2r"}, {Folder::Fs, "EDDF-EGLL.pln"}}},
        NameCase{"OnlyPlanPmdg", Aircraft::Pmdg737, true, true, "name", {{Folder::Fs, "NAME.pln"}}},
        NameCase{"OnlyPlanPss", Aircraft::Pss777, true, true, "name", {{Folder::Fs, "NAME.pln"}}}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST_F(SaveFmc, CruisingAltitudeLineIsRefreshedInPlanAndFile) {
    data.aircraft = Aircraft::Pmdg747;
    data.createFsPlan = true;
    data.cruiseAltitude = "35000";
    // Only the first line holding the key is replaced.
    data.planLines.push_back("waypoint.1=cruising_altitude, V, 0,X");

    save(std::string("NAME"));

    auto expected = kPlanLines;
    expected[5] = "cruising_altitude=35000";
    expected.push_back("waypoint.1=cruising_altitude, V, 0,X");
    EXPECT_EQ(data.planLines, expected);
    EXPECT_EQ(readBytes(fs.file("NAME.pln")), joinCrLf(expected));
    EXPECT_EQ(readBytes(pmdg.file("747-NAME.rte")), joinCrLf(kFmcLines));
}

TEST_F(SaveFmc, PlanIsLeftAloneWithoutCreateFsPlan) {
    data.aircraft = Aircraft::Pmdg737;
    data.createFsPlan = false;
    data.cruiseAltitude = "35000";
    save(std::string("NAME"));
    EXPECT_EQ(data.planLines, kPlanLines);
    EXPECT_TRUE(filesIn(fs.path()).empty());
}

TEST_F(SaveFmc, EmptyOrCancelledNameWritesNothingAndSaysNothing) {
    for (const auto& answer : {std::optional<std::string>(""), std::optional<std::string>()}) {
        data.aircraft = Aircraft::Pmdg747;
        data.createFsPlan = true;
        data.cruiseAltitude = "35000";
        prompts.messages.clear();
        auto result = save(answer);
        EXPECT_TRUE(result.written.empty());
        EXPECT_FALSE(result.failed);
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_TRUE(nothingWritten());
        EXPECT_EQ(data.planLines, kPlanLines);
    }
}

TEST_F(SaveFmc, NameThatLeavesTheFolderIsRefused) {
    for (const char* name : {"../X", "A/B", ".."}) {
        data.aircraft = Aircraft::Pmdg737;
        data.createFsPlan = true;
        prompts.messages.clear();
        auto result = save(std::string(name));
        EXPECT_TRUE(result.failed) << name;
        EXPECT_TRUE(result.written.empty()) << name;
        EXPECT_TRUE(nothingWritten()) << name;
        ASSERT_EQ(prompts.messages.size(), 1u) << name;
        EXPECT_NE(prompts.messages[0].text, "Flightplan(s) saved!") << name;
    }
    // Nothing appeared beside the output folders either.
    std::filesystem::path parent = skyloom::toNativePath(pmdg.path()).parent_path();
    EXPECT_FALSE(std::filesystem::exists(parent / "X.pln"));
    std::error_code ignored;
    std::filesystem::remove(parent / "X.pln", ignored);
}

TEST_F(SaveFmc, MissingFmcFolderIsReportedWithItsPath) {
    data.aircraft = Aircraft::Pmdg737;
    data.createFsPlan = false;
    std::string missing = pmdg.path() + kPathSeparator + "missing";
    settings.pathPmdgPlans = missing + kPathSeparator;

    auto result = save(std::string("NAME"));

    EXPECT_TRUE(result.failed);
    EXPECT_TRUE(result.written.empty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find(missing), std::string::npos)
        << prompts.messages[0].text;
    EXPECT_NE(prompts.messages[0].text, "Flightplan(s) saved!");
    EXPECT_FALSE(skyloom::folderExists(missing));
}

TEST_F(SaveFmc, MissingPlanFolderKeepsTheFmcFileAndReportsThePlanPath) {
    data.aircraft = Aircraft::LevelD767;
    data.createFsPlan = true;
    std::string missing = fs.path() + kPathSeparator + "missing";
    settings.pathFsPlans = missing + kPathSeparator;

    auto result = save(std::string("NAME"));

    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.written, (std::vector<std::string>{levelD.file("NAME.rte")}));
    EXPECT_EQ(readBytes(levelD.file("NAME.rte")), joinCrLf(kFmcLines));
    auto texts = prompts.messageTexts();
    ASSERT_FALSE(texts.empty());
    for (const auto& text : texts) {
        EXPECT_NE(text, "Flightplan(s) saved!");
    }
    bool named = false;
    for (const auto& text : texts) {
        named = named || text.find(missing) != std::string::npos;
    }
    EXPECT_TRUE(named) << texts.front();
}

TEST_F(SaveFmc, SavingAgainOverwrites) {
    data.aircraft = Aircraft::Pss777;
    data.createFsPlan = true;
    save(std::string("NAME"));
    data.fmcLines = {"second"};
    data.planLines = {"cruising_altitude=31000", "second plan"};
    data.cruiseAltitude = "33000";
    auto result = save(std::string("NAME"));
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(readBytes(pss.file("NAME.b2r")), "second\r\n");
    EXPECT_EQ(readBytes(fs.file("NAME.pln")), "cruising_altitude=33000\r\nsecond plan\r\n");
    EXPECT_EQ(filesIn(pss.path()).size(), 1u);
    EXPECT_EQ(filesIn(fs.path()).size(), 1u);
}

TEST_F(SaveFmc, EmptyListsGiveEmptyFiles) {
    data.aircraft = Aircraft::Pmdg737;
    data.createFsPlan = true;
    data.fmcLines.clear();
    data.planLines.clear();
    auto result = save(std::string("NAME"));
    EXPECT_FALSE(result.failed);
    EXPECT_TRUE(skyloom::fileExists(pmdg.file("737-NAME.rte")));
    EXPECT_EQ(readBytes(pmdg.file("737-NAME.rte")), "");
    EXPECT_TRUE(skyloom::fileExists(fs.file("NAME.pln")));
    EXPECT_EQ(readBytes(fs.file("NAME.pln")), "");
    EXPECT_EQ(prompts.messageTexts(), (std::vector<std::string>{"Flightplan(s) saved!"}));
}

}  // namespace
