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

    // Stands in for the option click handlers: records every choice.
    AircraftChooser recorder() {
        return [this](Aircraft aircraft) { chosen.push_back(aircraft); };
    }

    TempFolder program;
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
    std::vector<Aircraft> chosen;
};

// Every option whose line holds 1 is clicked, in order, so the last one ends
// chosen; without a 1 (or without AC.ini) the PMDG 737NG is.
TEST_F(LifecycleTest, AircraftIniClicksEveryOptionSetToOne) {
    using A = Aircraft;
    const struct {
        const char* bytes;  // nullptr: no AC.ini
        std::vector<Aircraft> expected;
    } cases[] = {
        {nullptr, {A::Pmdg737}},
        {"0\r\n0\r\n1\r\n0\r\n", {A::LevelD767}},
        {"1\r\n0\r\n1\r\n1\r\n", {A::Pmdg737, A::LevelD767, A::Pss777}},
        {" 0 \n 1 ", {A::Pmdg747}},
        {"0\r\nx\r\n0\r\n1\r\n", {A::Pss777}},
        {"0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n", {A::Pmdg737}},  // a fifth line is no option
        {"0\r\n2\r\n-1\r\n0\r\n", {A::Pmdg737}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes ? c.bytes : "(missing)");
        if (c.bytes != nullptr) {
            writeBytes(program.file("AC.ini"), c.bytes);
        }
        chosen.clear();
        RestoreAircraftChoice(settings, recorder());
        EXPECT_EQ(chosen, c.expected);
    }
}

TEST_F(LifecycleTest, FirstActivationRestoresOnceAndPathWindowFollowsMissingPathIni) {
    writeBytes(program.file("AC.ini"), "0\r\n1\r\n0\r\n0\r\n");
    bool activatedBefore = false;
    EXPECT_TRUE(ActivateMainWindow(activatedBefore, settings, recorder()));
    EXPECT_EQ(chosen, std::vector<Aircraft>{Aircraft::Pmdg747});
    // Every activation asks for the path window while path.ini is missing ...
    EXPECT_TRUE(ActivateMainWindow(activatedBefore, settings, recorder()));
    // ... and none once it exists; the aircraft is never restored again.
    writeBytes(program.file("path.ini"), "a\r\n");
    EXPECT_FALSE(ActivateMainWindow(activatedBefore, settings, recorder()));
    EXPECT_EQ(chosen.size(), 1u);
}

TEST_F(LifecycleTest, ClosingWritesCheckIniAndAircraftIniAnew) {
    const struct {
        Aircraft aircraft;
        bool createFsPlan;
        const char* acIni;
        const char* checkIni;
    } cases[] = {
        {Aircraft::Pss777, false, "0\r\n0\r\n0\r\n1\r\n", "0\r\n"},
        {Aircraft::Pmdg737, true, "1\r\n0\r\n0\r\n0\r\n", "1\r\n"},
        {Aircraft::Pmdg747, true, "0\r\n1\r\n0\r\n0\r\n", "1\r\n"},
        {Aircraft::LevelD767, false, "0\r\n0\r\n1\r\n0\r\n", "0\r\n"},
    };
    for (const auto& c : cases) {
        data.aircraft = c.aircraft;
        data.createFsPlan = c.createFsPlan;
        WriteShutdownSettings(settings, data, prompts);
        EXPECT_EQ(readBytes(program.file("AC.ini")), c.acIni);
        EXPECT_EQ(readBytes(program.file("check.ini")), c.checkIni);
    }
    EXPECT_TRUE(prompts.messages.empty());

    settings.programFolder = program.file("gone");
    WriteShutdownSettings(settings, data, prompts);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_NE(prompts.messages[0].text.find(settings.besideProgram("check.ini")),
              std::string::npos);
    EXPECT_NE(prompts.messages[1].text.find(settings.besideProgram("AC.ini")), std::string::npos);
    EXPECT_EQ(prompts.messages[1].icon, MessageIcon::Critical);
    EXPECT_EQ(prompts.messages[1].buttons, MessageButtons::Ok);
}

// The path window shows the lines of path.ini in order, or six DUMMY folders.
TEST_F(LifecycleTest, PathWindowProposesPathIniLinesOrDummyFolders) {
    const std::string dummy = program.path() + kPathSeparator + "DUMMY" + kPathSeparator;
    const struct {
        const char* bytes;  // nullptr: no path.ini
        PathLines expected;
    } cases[] = {
        {nullptr, {dummy, dummy, dummy, dummy, dummy, dummy}},
        {"C:\\nav\\\r\nC:\\pmdg\\\r\nC:\\ivap\\\r\nC:\\fs\\\r\nC:\\leveld\\\r\nC:\\pss\\\r\n",
         {"C:\\nav\\", "C:\\pmdg\\", "C:\\ivap\\", "C:\\fs\\", "C:\\leveld\\", "C:\\pss\\"}},
        {"1\n2\n3\n4\n5\n6\n7\n8\n", {"1", "2", "3", "4", "5", "6"}},
        {"\r\n\r\nx", {"", "", "x", "", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes ? c.bytes : "(missing)");
        if (c.bytes != nullptr) {
            writeBytes(program.file("path.ini"), c.bytes);
        }
        EXPECT_EQ(PathIniExists(settings), c.bytes != nullptr);
        EXPECT_EQ(ProposedPathLines(settings), c.expected);
    }
}

TEST_F(LifecycleTest, SavingPathsWritesTheFileAndTheSettingsAsTheyStand) {
    const PathLines lines{"n\\", "", "i\\", " f ", "l\\", "s"};
    EXPECT_TRUE(SavePathSettings(settings, prompts, lines));
    EXPECT_EQ(readBytes(program.file("path.ini")), "n\\\r\n\r\ni\\\r\n f \r\nl\\\r\ns\r\n");
    EXPECT_EQ(pathSettingsOf(settings), lines);
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace skyloom
