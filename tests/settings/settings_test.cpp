// The settings files beside the program, from start-up to shut-down.

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "io/file_system.h"
#include "settings/activation.h"
#include "settings/airac_ident.h"
#include "settings/aircraft_table_file.h"
#include "settings/path_settings.h"
#include "settings/settings_files.h"
#include "settings/shutdown.h"
#include "settings/startup.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;
using Lines = std::vector<std::string>;
using A = Aircraft;

const std::string kUrl = "http://rfinder.asalink.net/free/";

class SettingsTest : public ::testing::Test {
  protected:
    SettingsTest() { settings.programFolder = program.path(); }

    // Writes the file, or removes it when bytes is null.
    void put(const char* name, const char* bytes) {
        std::filesystem::remove(toNativePath(program.file(name)));
        if (bytes != nullptr) {
            writeBytes(program.file(name), bytes);
        }
    }
    // A folder inside the program folder as path.ini names it.
    std::string folderLine(const std::string& name, bool create) {
        EXPECT_TRUE(!create || createFolder(program.file(name)));
        return program.file(name) + kPathSeparator;
    }

    TempFolder program;
    Settings settings;
    MainWindowData data;
    testing::ScriptedPrompts prompts;
};

// Asked until the address is typed in any letter case, one retry message per
// wrong answer; Cancel there ends the program before anything else is read.
TEST_F(SettingsTest, FirstStartAsksForTheBuiltInAddress) {
    put("check.ini", "0\r\n");
    prompts.inputAnswers = {"http://rfinder.asalink.net/free", std::nullopt};
    prompts.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Cancel};
    EXPECT_TRUE(ReadStartupSettings(settings, data, prompts).endProgram);
    EXPECT_FALSE(fileExists(program.file("url.ini")));
    EXPECT_TRUE(data.createFsPlan);

    prompts = {};
    prompts.inputAnswers = {std::nullopt, std::string("HTTP://RFinder.ASALINK.net/FREE/")};
    StartupOutcome outcome = ReadStartupSettings(settings, data, prompts);
    EXPECT_FALSE(outcome.endProgram || outcome.pathIniExists);
    EXPECT_EQ(prompts.inputs.at(1).prompt, "Fill in the following path:\r\n\r\n" + kUrl + "\r\n");
    EXPECT_EQ(prompts.messageTexts(), Lines{"wrong input! retry!"});
    EXPECT_EQ(readBytes(program.file("url.ini")), "HTTP://RFinder.ASALINK.net/FREE/\r\n");
    EXPECT_FALSE(data.createFsPlan);  // check.ini is read after the address
    EXPECT_EQ(outcome.windowTitle, std::string("Skyloom Version ") + SKYLOOM_VERSION + " - ");
}

// Folders named with letters outside ASCII, as on the pilot's machine.
TEST_F(SettingsTest, FullStartReadsEverySettingsFileSilently) {
    settings.programFolder = program.file("Skyloom Z\xFCrich");
    ASSERT_TRUE(createFolder(settings.programFolder));
    const char* const names[kPathLineCount] = {"M\xFCnchen", "Pl\xE4ne", "IVAP \x80",
                                               "FS",         "LevelD",   "\xC9t\xE9"};
    PathLines lines;
    std::string pathIni;
    for (int i = 0; i < kPathLineCount; ++i) {
        lines[i] = folderLine(names[i], true);
        pathIni += lines[i] + "\r\n";
    }
    writeBytes(settings.besideProgram("path.ini"), pathIni);
    writeBytes(settings.besideProgram("url.ini"), kUrl + "\r\nsecond line\r\n");
    writeBytes(settings.besideProgram("check.ini"), "0\r\n");
    writeBytes(settings.besideProgram("AC.dat"), "B738:1:M\r\nB744:1:H\r\n");
    // The values of lines 2 and 3 of fmc_ident.txt: after the first "=", up to the next.
    writeBytes(lines[0] + "fmc_ident.txt", "[Ident]\r\nAIRAC=0705=x\r\nVALID= 2007\r\n");

    StartupOutcome outcome = ReadStartupSettings(settings, data, prompts);
    EXPECT_TRUE(outcome.pathIniExists);
    EXPECT_TRUE(prompts.inputs.empty());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(settings.routeFinderUrl, kUrl);
    EXPECT_EQ(pathSettingsOf(settings), lines);
    EXPECT_FALSE(data.createFsPlan);
    EXPECT_EQ(settings.aircraftTable.type[1], "B744");
    EXPECT_EQ(outcome.windowTitle,
              std::string("Skyloom Version ") + SKYLOOM_VERSION + " - 0705 -  2007");
}

// A line naming no folder gets its message, then comes the summary; the lines are kept.
TEST_F(SettingsTest, PathIniLinesNamingNoFolderAreReportedInOrderAndKept) {
    EXPECT_FALSE(ReadPathSettings(settings, prompts));  // no path.ini: nothing to say
    EXPECT_TRUE(prompts.messages.empty());
    const std::string ok = folderLine("good", true);
    const std::string bad = folderLine("bad", false);
    const Lines wrong = {"1st line in the path.ini! - Wrong Path To PMDG-Data!",
                         "2nd line in the path.ini! - Wrong Path To PMDG-Flightplans!",
                         "3rd line in the path.ini! - Wrong Path To IVAP-Flightplans!",
                         "4th line in the path.ini! - Wrong Path To FS-Flightplans!",
                         "5th line in the path.ini! - Wrong Path To LevelD-767-Flightplans!",
                         "6th line in the path.ini! - Wrong Path To B777-Flightplans!"};
    const std::pair<Lines, std::vector<int>> cases[] = {
        {{ok, bad, ok, ok, bad, ok}, {1, 4}},
        {{ok, ok, ok}, {3, 4, 5}},
        {{"", ok, "", ok, ok, ok, "surplus"}, {0, 2}}};
    for (auto [lines, wrongLines] : cases) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + "\r\n";
        }
        put("path.ini", bytes.c_str());
        prompts = {};
        EXPECT_TRUE(ReadPathSettings(settings, prompts));
        Lines expected;
        for (int n : wrongLines) {
            expected.push_back("Please check the " + wrong[n]);
        }
        expected.push_back(
            "There have been one or more errors in the path.ini.\r\nPlease set the paths "
            "properly!");
        EXPECT_EQ(prompts.messageTexts(), expected);
        lines.resize(kPathLineCount);
        const PathLines read = pathSettingsOf(settings);
        EXPECT_EQ(Lines(read.begin(), read.end()), lines);
    }
}

// Only a first line of 0 or 1 changes "create FS-PLAN".
TEST_F(SettingsTest, CheckIniSetsCreateFsPlan) {
    const std::tuple<const char*, bool, bool> cases[] = {
        {nullptr, false, false},      {"0\r\n", true, false},  {"1", false, true},
        {" 1\r\n0\r\n", false, true}, {"2\r\n", false, false}, {"\r\n1\r\n", false, false},
    };
    for (const auto& [bytes, before, after] : cases) {
        put("check.ini", bytes);
        data.createFsPlan = before;
        ReadCheckSetting(settings, data);
        EXPECT_EQ(data.createFsPlan, after) << (bytes ? bytes : "(missing)");
    }
}

// Line n fills entry n, fields cut at every ":" and kept untrimmed; 51 lines at most.
TEST_F(SettingsTest, AircraftTableLineNumberIsEntryNumber) {
    std::string bytes = " B738 : 1 :M \r\n   \r\nA:B:C:D\nB772\r\n::H\r\n";
    for (int i = 5; i < 60; ++i) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely of "T" + a temporary.
        bytes += 'T';
        bytes += std::to_string(i);
        bytes += ":x:M\r\n";
    }
    put("AC.dat", bytes.c_str());
    auto table = ReadAircraftTableFile(program.file("AC.dat"));
    ASSERT_TRUE(table);
    const Lines expected[] = {{" B738 ", " 1 ", "M "}, {"", "", ""},  {"A", "B", "C"},
                              {"B772", "", ""},        {"", "", "H"}, {"T50", "x", "M"}};
    for (std::size_t i : {0, 1, 2, 3, 4, 50}) {
        EXPECT_EQ((Lines{table->type[i], table->mtlText[i], table->wakeCategory[i]}),
                  expected[i == 50 ? 5 : i]);
    }
    EXPECT_FALSE(ReadAircraftTableFile(program.file("none.dat")));
}

// The first activation clicks every option whose line holds 1, in order, or
// the PMDG 737NG; every activation asks for the path window while path.ini is missing.
TEST_F(SettingsTest, AircraftIniClicksEveryOptionSetToOneAtTheFirstActivation) {
    std::vector<Aircraft> chosen;
    auto recorder = [&chosen](Aircraft aircraft) { chosen.push_back(aircraft); };
    const std::pair<const char*, std::vector<Aircraft>> cases[] = {
        {nullptr, {A::Pmdg737}},
        {"1\r\n0\r\n1\r\n1\r\n", {A::Pmdg737, A::LevelD767, A::Pss777}},
        {" 0 \n 1 ", {A::Pmdg747}},
        {"0\r\n0\r\n0\r\n0\r\n1\r\n", {A::Pmdg737}},  // a fifth line is no option
        {"0\r\n2\r\n-1\r\nx\r\n", {A::Pmdg737}},
    };
    for (const auto& [bytes, expected] : cases) {
        put("AC.ini", bytes);
        chosen.clear();
        bool activatedBefore = false;
        EXPECT_TRUE(ActivateMainWindow(activatedBefore, settings, recorder));
        EXPECT_EQ(chosen, expected) << (bytes ? bytes : "(missing)");
        EXPECT_TRUE(ActivateMainWindow(activatedBefore, settings, recorder));
        EXPECT_EQ(chosen, expected);
    }
    put("path.ini", "a\r\n");
    bool activatedBefore = true;
    EXPECT_FALSE(ActivateMainWindow(activatedBefore, settings, recorder));
}

// Closing writes what the next start restores; a failed write names the file.
TEST_F(SettingsTest, ClosingWritesCheckIniAndAircraftIniAnew) {
    data.aircraft = A::LevelD767;
    WriteShutdownSettings(settings, data, prompts);
    EXPECT_EQ(readBytes(program.file("AC.ini")), "0\r\n0\r\n1\r\n0\r\n");
    EXPECT_EQ(readBytes(program.file("check.ini")), "1\r\n");
    settings.programFolder = program.file("gone");
    WriteShutdownSettings(settings, data, prompts);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_NE(prompts.messages[1].text.find(settings.besideProgram("AC.ini")), std::string::npos);
}

// The path window shows the lines of path.ini, or six DUMMY folders, and saves them as they stand.
TEST_F(SettingsTest, PathWindowProposesAndSavesPathIniLines) {
    const std::string dummy = program.path() + kPathSeparator + "DUMMY" + kPathSeparator;
    const std::pair<const char*, PathLines> cases[] = {
        {nullptr, {dummy, dummy, dummy, dummy, dummy, dummy}},
        {"\r\n\r\nx", {"", "", "x", "", "", ""}},
    };
    for (const auto& [bytes, expected] : cases) {
        put("path.ini", bytes);
        EXPECT_EQ(PathIniExists(settings), bytes != nullptr);
        EXPECT_EQ(ProposedPathLines(settings), expected);
    }
    const PathLines lines{"n\\", "", "i\\", " f ", "l\\", "s"};
    EXPECT_TRUE(SavePathSettings(settings, prompts, lines));
    EXPECT_EQ(readBytes(program.file("path.ini")), "n\\\r\n\r\ni\\\r\n f \r\nl\\\r\ns\r\n");
    EXPECT_EQ(pathSettingsOf(settings), lines);
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace skyloom
