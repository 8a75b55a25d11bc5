#include "settings/startup.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "io/file_system.h"
#include "settings/airac_ident.h"
#include "settings/aircraft_table_file.h"
#include "settings/settings_files.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::ScriptedPrompts;
using testing::TempFolder;
using testing::writeBytes;

const std::string kUrl = "http://rfinder.asalink.net/free/";
const char* const kSummary =
    "There have been one or more errors in the path.ini.\r\nPlease set the paths properly!";
const char* const kLineMessages[6] = {
    "Please check the 1st line in the path.ini! - Wrong Path To PMDG-Data!",
    "Please check the 2nd line in the path.ini! - Wrong Path To PMDG-Flightplans!",
    "Please check the 3rd line in the path.ini! - Wrong Path To IVAP-Flightplans!",
    "Please check the 4th line in the path.ini! - Wrong Path To FS-Flightplans!",
    "Please check the 5th line in the path.ini! - Wrong Path To LevelD-767-Flightplans!",
    "Please check the 6th line in the path.ini! - Wrong Path To B777-Flightplans!",
};

class StartupTest : public ::testing::Test {
  protected:
    StartupTest() { settings.programFolder = program.path(); }

    // A folder inside the program folder as path.ini names it, with a trailing separator.
    std::string folderLine(const std::string& name, bool create) {
        if (create) {
            createFolder(program.file(name));
        }
        return program.file(name) + kPathSeparator;
    }

    TempFolder program;
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
};

// Asked until the address is typed in any letter case, one retry message per
// wrong answer (the cancelled box included); Cancel there ends the program
// before anything else is read.
TEST_F(StartupTest, FirstStartAsksForTheBuiltInAddress) {
    writeBytes(program.file("check.ini"), "0\r\n");
    prompts.inputAnswers = {std::string("http://rfinder.asalink.net/free"), std::nullopt,
                            std::string("HTTP://RFinder.ASALINK.net/FREE/")};
    prompts.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Cancel};
    EXPECT_TRUE(ReadStartupSettings(settings, data, prompts).endProgram);
    EXPECT_EQ(prompts.inputs.size(), 2u);
    EXPECT_FALSE(fileExists(program.file("url.ini")));
    EXPECT_TRUE(data.createFsPlan);

    prompts = {};
    prompts.inputAnswers = {std::nullopt, std::string("HTTP://RFinder.ASALINK.net/FREE/")};
    StartupOutcome outcome = ReadStartupSettings(settings, data, prompts);
    EXPECT_FALSE(outcome.endProgram);
    EXPECT_FALSE(outcome.pathIniExists);
    ASSERT_EQ(prompts.inputs.size(), 2u);
    EXPECT_EQ(prompts.inputs[1].title, "Initialize");
    EXPECT_EQ(prompts.inputs[1].prompt, "Fill in the following path:\r\n\r\n" + kUrl + "\r\n");
    EXPECT_EQ(prompts.inputs[1].preset, "");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "wrong input! retry!");
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(settings.routeFinderUrl, "HTTP://RFinder.ASALINK.net/FREE/");
    EXPECT_EQ(readBytes(program.file("url.ini")), "HTTP://RFinder.ASALINK.net/FREE/\r\n");
    EXPECT_FALSE(data.createFsPlan);                // check.ini is read after the address
    EXPECT_EQ(settings.aircraftTable.type[0], "");  // defaults stand without AC.dat
    EXPECT_EQ(outcome.windowTitle, std::string("Skyloom Version ") + SKYLOOM_VERSION + " - ");
}

// A line that names no folder gets its message, then comes the summary; the
// lines are kept whatever the check says.
TEST_F(StartupTest, PathIniLinesNamingNoFolderAreReportedInOrderAndKept) {
    EXPECT_FALSE(ReadPathSettings(settings, prompts));  // no path.ini: nothing to say
    EXPECT_TRUE(prompts.messages.empty());

    const std::string good = folderLine("good", true);
    const struct {
        std::vector<std::string> lines;
        std::vector<int> wrongLines;  // from 0
    } cases[] = {
        {{good, folderLine("pmdg", false), good, good, folderLine("leveld", false), good}, {1, 4}},
        {{good, good, good}, {3, 4, 5}},
        {{}, {0, 1, 2, 3, 4, 5}},
        {{"", good, "", good, good, good, "surplus"}, {0, 2}},
    };
    for (const auto& c : cases) {
        std::string bytes;
        PathLines expectedLines;
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            bytes += c.lines[i] + "\r\n";
            if (i < expectedLines.size()) {
                expectedLines[i] = c.lines[i];
            }
        }
        writeBytes(program.file("path.ini"), bytes);
        ScriptedPrompts fresh;
        EXPECT_TRUE(ReadPathSettings(settings, fresh));
        std::vector<std::string> expected;
        for (int line : c.wrongLines) {
            expected.emplace_back(kLineMessages[line]);
        }
        expected.emplace_back(kSummary);
        EXPECT_EQ(fresh.messageTexts(), expected) << bytes;
        for (const MessageBox& box : fresh.messages) {
            EXPECT_EQ(box.buttons, MessageButtons::Ok);
            EXPECT_EQ(box.title, "");
        }
        EXPECT_EQ(pathSettingsOf(settings), expectedLines);
    }
}

// Only a first line of 0 or 1 changes "create FS-PLAN".
TEST_F(StartupTest, CheckIniSetsCreateFsPlan) {
    const struct {
        const char* bytes;  // nullptr: no check.ini
        bool before;
        bool after;
    } cases[] = {
        {nullptr, false, false},      {"0\r\n", true, false},  {"1", false, true},
        {" 1\r\n0\r\n", false, true}, {"2\r\n", false, false}, {"1x\r\n", false, false},
        {"\r\n1\r\n", false, false},
    };
    for (const auto& c : cases) {
        if (c.bytes != nullptr) {
            writeBytes(program.file("check.ini"), c.bytes);
        }
        data.createFsPlan = c.before;
        ReadCheckSetting(settings, data);
        EXPECT_EQ(data.createFsPlan, c.after) << (c.bytes ? c.bytes : "(missing)");
    }
}

// Folders named with letters outside ASCII, as on the pilot's machine.
TEST_F(StartupTest, FullStartReadsEverySettingsFileSilently) {
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
    writeBytes(lines[0] + "fmc_ident.txt", "[Ident]\r\nAIRAC=0705\r\nVALID=2007\r\n");

    StartupOutcome outcome = ReadStartupSettings(settings, data, prompts);

    EXPECT_FALSE(outcome.endProgram);
    EXPECT_TRUE(outcome.pathIniExists);
    EXPECT_TRUE(prompts.inputs.empty());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(settings.routeFinderUrl, kUrl);
    EXPECT_EQ(pathSettingsOf(settings), lines);
    EXPECT_FALSE(data.createFsPlan);
    EXPECT_EQ(settings.aircraftTable.type[1], "B744");
    EXPECT_EQ(outcome.windowTitle,
              std::string("Skyloom Version ") + SKYLOOM_VERSION + " - 0705 - 2007");
}

TEST(ProgramFolder, TheExecutablesFolderHoldsTheFilesShippedBesideTheProgram) {
    Settings settings;
    settings.programFolder = executableFolder();
    for (const char* name :
         {"AC.dat", "B737NG.dat", "B747PMDG.dat", "LevelD767.dat", "PSS777.dat"}) {
        EXPECT_TRUE(fileExists(settings.besideProgram(name))) << settings.besideProgram(name);
    }
    ReadAircraftTable(settings);
    EXPECT_EQ(settings.aircraftTable.type[0], "B738");
}

// The value of lines 2 and 3: after the first "=", up to the next "=".
TEST(AiracText, ValuesOfLinesTwoAndThree) {
    const struct {
        const char* bytes;  // nullptr: no fmc_ident.txt
        const char* expected;
    } cases[] = {
        {"[Ident]\r\nAIRAC=0705\r\nVALID=2007\r\n", "0705 - 2007"},
        {"x\nA=07=05\nB=20=07=x", "07 - 20"},
        {"x\r\nA=\r\nB= 2007 \r\nmore=lines\r\n", " -  2007 "},
        // Too short or without the key=value form: nothing to show.
        {"[Ident]\r\nAIRAC=0705\r\n", ""},
        {"[Ident]\r\nAIRAC 0705\r\nVALID=2007\r\n", ""},
        {nullptr, ""},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (c.bytes != nullptr) {
            writeBytes(folder.file("fmc_ident.txt"), c.bytes);
        }
        EXPECT_EQ(ReadAiracText(folder.file("fmc_ident.txt")), c.expected)
            << (c.bytes ? c.bytes : "(missing)");
    }
}

using Entry = std::vector<std::string>;  // type, second field, wake category

std::vector<Entry> firstEntries(const std::string& bytes, std::size_t count) {
    TempFolder folder;
    writeBytes(folder.file("AC.dat"), bytes);
    auto table = ReadAircraftTableFile(folder.file("AC.dat"));
    EXPECT_TRUE(table.has_value());
    std::vector<Entry> entries;
    for (std::size_t i = 0; table && i < count; ++i) {
        entries.push_back({table->type[i], table->mtlText[i], table->wakeCategory[i]});
    }
    return entries;
}

// Line n fills entry n; a blank line keeps its number. Fields are cut at
// every ":" and kept untrimmed. At most 51 lines are read.
TEST(AircraftTableFile, LineNumberIsEntryNumber) {
    EXPECT_EQ(firstEntries("B738:1:M\r\nB744:1:H\r\n   \r\nA320:1:M\r\n", 5),
              (std::vector<Entry>{{"B738", "1", "M"},
                                  {"B744", "1", "H"},
                                  {"", "", ""},
                                  {"A320", "1", "M"},
                                  {"", "", ""}}));
    EXPECT_EQ(firstEntries(" B738 : 1 :M \r\nA:B:C:D\nB772\nB772:2\r\n::H\r\n\tDC10:1:H", 6),
              (std::vector<Entry>{{" B738 ", " 1 ", "M "},
                                  {"A", "B", "C"},
                                  {"B772", "", ""},
                                  {"B772", "2", ""},
                                  {"", "", "H"},
                                  {"\tDC10", "1", "H"}}));
    std::string sixty;
    for (int i = 0; i < 60; ++i) {
        sixty.append("T").append(std::to_string(i)).append(":x:M\r\n");
    }
    EXPECT_EQ(firstEntries(sixty, 51).back(), (Entry{"T50", "x", "M"}));
    TempFolder folder;
    EXPECT_FALSE(ReadAircraftTableFile(folder.file("AC.dat")).has_value());
}

}  // namespace
}  // namespace skyloom
