#include <gtest/gtest.h>

#include <vector>

#include "io/file_system.h"
#include "settings/activation.h"
#include "settings/path_settings.h"
#include "settings/shutdown.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::ScriptedPrompts;
using testing::TempFolder;
using testing::writeBytes;

class LifecycleTest : public ::testing::Test {
  protected:
    LifecycleTest() { settings.programFolder = program.path(); }

    // Stands in for the option click handlers: records every choice and
    // sets the option like the window would.
    AircraftChooser recorder() {
        return [this](Aircraft aircraft) {
            chosen.push_back(aircraft);
            data.aircraft = aircraft;
        };
    }

    TempFolder program;
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
    std::vector<Aircraft> chosen;
};

TEST_F(LifecycleTest, AircraftIniRestoresEveryOptionSetToOne) {
    using A = Aircraft;
    struct Case {
        const char* bytes;  // nullptr: no AC.ini
        std::vector<Aircraft> expected;
    };
    const Case cases[] = {
        {"0\r\n0\r\n1\r\n0\r\n", {A::LevelD767}},
        {"0\r\n1\r\n0\r\n0\r\n", {A::Pmdg747}},
        {"0\r\n0\r\n0\r\n1\r\n", {A::Pss777}},
        {"1\r\n0\r\n1\r\n1\r\n", {A::Pmdg737, A::LevelD767, A::Pss777}},
        {"0\r\n1\r\n1\r\n", {A::Pmdg747, A::LevelD767}},
        {" 1 \r\n", {A::Pmdg737}},
        // Nothing chosen by the file: the PMDG 737NG, as without a file.
        {nullptr, {A::Pmdg737}},
        {"0\r\n0\r\n0\r\n0\r\n", {A::Pmdg737}},
        {"x", {A::Pmdg737}},
        {"2\r\n2\r\n2\r\n2\r\n", {A::Pmdg737}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        Settings local;
        local.programFolder = folder.path();
        if (c.bytes != nullptr) {
            writeBytes(folder.file("AC.ini"), c.bytes);
        }
        chosen.clear();
        data.aircraft = Aircraft::Pmdg737;
        RestoreAircraftChoice(local, recorder());
        EXPECT_EQ(chosen, c.expected) << (c.bytes ? c.bytes : "(missing)");
        EXPECT_EQ(data.aircraft, c.expected.back()) << "the last choice wins";
    }
}

TEST_F(LifecycleTest, FirstActivationRestoresOnceAndPathWindowFollowsMissingPathIni) {
    writeBytes(program.file("AC.ini"), "0\r\n1\r\n0\r\n0\r\n");
    bool activatedBefore = false;

    EXPECT_TRUE(ActivateMainWindow(activatedBefore, settings, recorder()));
    EXPECT_TRUE(activatedBefore);
    EXPECT_EQ(chosen, std::vector<Aircraft>{Aircraft::Pmdg747});

    // Every later activation asks for the path window again while path.ini is missing ...
    EXPECT_TRUE(ActivateMainWindow(activatedBefore, settings, recorder()));
    // ... and stops once it exists; the aircraft is never restored again.
    writeBytes(program.file("path.ini"), "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
    EXPECT_FALSE(ActivateMainWindow(activatedBefore, settings, recorder()));
    EXPECT_EQ(chosen.size(), 1u);
}

TEST_F(LifecycleTest, ClosingWritesCheckIniAndAircraftIni) {
    data.aircraft = Aircraft::Pss777;
    data.createFsPlan = false;
    WriteShutdownSettings(settings, data, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(readBytes(program.file("AC.ini")), "0\r\n0\r\n0\r\n1\r\n");
    EXPECT_EQ(readBytes(program.file("check.ini")), "0\r\n");

    // Replaced, not appended to, at the next close.
    data.aircraft = Aircraft::Pmdg737;
    data.createFsPlan = true;
    WriteShutdownSettings(settings, data, prompts);
    EXPECT_EQ(readBytes(program.file("AC.ini")), "1\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(readBytes(program.file("check.ini")), "1\r\n");
}

TEST_F(LifecycleTest, UnwritableSettingsAreReportedByName) {
    settings.programFolder = program.file("gone");
    WriteShutdownSettings(settings, data, prompts);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_NE(prompts.messages[0].text.find(settings.besideProgram("check.ini")),
              std::string::npos);
    EXPECT_NE(prompts.messages[1].text.find(settings.besideProgram("AC.ini")), std::string::npos);
    EXPECT_EQ(prompts.messages[1].icon, MessageIcon::Critical);
}

TEST_F(LifecycleTest, PathWindowProposesDummyFoldersUntilPathIniExists) {
    const std::string dummy = program.path() + kPathSeparator + "DUMMY" + kPathSeparator;
    EXPECT_EQ(DummyFolder(settings), dummy);
    EXPECT_FALSE(PathIniExists(settings));
    EXPECT_EQ(ProposedPathLines(settings), (PathLines{dummy, dummy, dummy, dummy, dummy, dummy}));

    writeBytes(program.file("path.ini"), "nav\r\npmdg\r\n");
    EXPECT_TRUE(PathIniExists(settings));
    EXPECT_EQ(ProposedPathLines(settings), (PathLines{"nav", "pmdg", "", "", "", ""}));
}

TEST_F(LifecycleTest, SavingPathsWritesTheFileAndTheSettings) {
    const PathLines lines{"n/", "p/", "i/", "f/", "l/", "s"};
    EXPECT_TRUE(SavePathSettings(settings, prompts, lines));
    EXPECT_EQ(readBytes(program.file("path.ini")), "n/\r\np/\r\ni/\r\nf/\r\nl/\r\ns\r\n");
    EXPECT_EQ(settings.pathNavData, "n/");
    EXPECT_EQ(settings.pathPssPlans, "s");
    EXPECT_TRUE(prompts.messages.empty());

    Settings elsewhere;
    elsewhere.programFolder = program.file("gone");
    EXPECT_FALSE(SavePathSettings(elsewhere, prompts, lines));
    EXPECT_EQ(elsewhere.pathLevelDPlans, "l/");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find("path.ini"), std::string::npos);
}

}  // namespace
}  // namespace skyloom
