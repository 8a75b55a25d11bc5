#include "settings/startup.h"

#include <gtest/gtest.h>

#include "io/file_system.h"
#include "settings/settings_files.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::ScriptedPrompts;
using testing::TempFolder;
using testing::writeBytes;

const char* const kFirstStartPrompt =
    "Fill in the following path:\r\n\r\nhttp://rfinder.asalink.net/free/\r\n";
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

    // A folder inside the program folder, as path.ini names it (with a trailing separator).
    std::string folderLine(const std::string& name, bool create) {
        std::string folder = program.file(name);
        if (create) {
            createFolder(folder);
        }
        return folder + kPathSeparator;
    }

    void expectRetryMessage(const MessageBox& box) {
        EXPECT_EQ(box.text, "wrong input! retry!");
        EXPECT_EQ(box.buttons, MessageButtons::OkCancel);
        EXPECT_EQ(box.icon, MessageIcon::Information);
        EXPECT_EQ(box.title, "");
    }

    TempFolder program;
    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
};

TEST_F(StartupTest, FirstStartAsksUntilTheBuiltInAddressIsTyped) {
    prompts.inputAnswers = {std::string("http://rfinder.asalink.net/paid/"), std::nullopt,
                            std::string("http://rfinder.asalink.net/free/")};
    prompts.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Ok};

    StartupOutcome outcome = ReadStartupSettings(settings, data, prompts);

    EXPECT_FALSE(outcome.endProgram);
    EXPECT_FALSE(outcome.pathIniExists);
    ASSERT_EQ(prompts.inputs.size(), 3u);
    for (const InputBox& box : prompts.inputs) {
        EXPECT_EQ(box.title, "Initialize");
        EXPECT_EQ(box.prompt, kFirstStartPrompt);
        EXPECT_EQ(box.preset, "");
    }
    // One retry message per wrong answer (the cancelled box included), nothing else.
    ASSERT_EQ(prompts.messages.size(), 2u);
    expectRetryMessage(prompts.messages[0]);
    expectRetryMessage(prompts.messages[1]);
    EXPECT_EQ(settings.routeFinderUrl, "http://rfinder.asalink.net/free/");
    EXPECT_EQ(readBytes(program.file("url.ini")), "http://rfinder.asalink.net/free/\r\n");
    // Defaults stand without the other files.
    EXPECT_TRUE(data.createFsPlan);
    EXPECT_EQ(settings.aircraftTable.type[0], "");
    EXPECT_EQ(settings.airacText, "");
    EXPECT_EQ(outcome.windowTitle, std::string("Skyloom Version ") + SKYLOOM_VERSION + " - ");
    EXPECT_FALSE(fileExists(program.file("path.ini")));
}

TEST_F(StartupTest, OtherLetterCaseIsAcceptedAndKeptAsTyped) {
    prompts.inputAnswers = {std::string("HTTP://RFinder.ASALINK.net/FREE/")};
    EXPECT_TRUE(ReadRouteFinderUrl(settings, prompts));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(settings.routeFinderUrl, "HTTP://RFinder.ASALINK.net/FREE/");
    EXPECT_EQ(readBytes(program.file("url.ini")), "HTTP://RFinder.ASALINK.net/FREE/\r\n");
}

TEST_F(StartupTest, CancelInTheRetryMessageEndsTheProgram) {
    prompts.inputAnswers = {std::string("http://rfinder.asalink.net/free")};
    prompts.messageAnswers = {MessageAnswer::Cancel};
    writeBytes(program.file("check.ini"), "0\r\n");

    StartupOutcome outcome = ReadStartupSettings(settings, data, prompts);

    EXPECT_TRUE(outcome.endProgram);
    EXPECT_EQ(prompts.inputs.size(), 1u);
    ASSERT_EQ(prompts.messages.size(), 1u);
    expectRetryMessage(prompts.messages[0]);
    EXPECT_FALSE(fileExists(program.file("url.ini")));
    EXPECT_EQ(settings.routeFinderUrl, "");
    EXPECT_TRUE(data.createFsPlan) << "nothing after url.ini may be read";
}

TEST_F(StartupTest, EmptyUrlIniIsAskedForAgainAndRewritten) {
    for (const char* bytes : {"", "\r\n", "   \r\nhttp://later/\r\n"}) {
        writeBytes(program.file("url.ini"), bytes);
        ScriptedPrompts fresh;
        fresh.inputAnswers = {std::string("http://rfinder.asalink.net/free/")};
        EXPECT_TRUE(ReadRouteFinderUrl(settings, fresh));
        EXPECT_EQ(fresh.inputs.size(), 1u) << bytes;
        EXPECT_EQ(readBytes(program.file("url.ini")), "http://rfinder.asalink.net/free/\r\n");
    }
}

TEST_F(StartupTest, UnwritableUrlIniIsReportedAndTheRunGoesOn) {
    settings.programFolder = program.file("missing");
    prompts.inputAnswers = {std::string("http://rfinder.asalink.net/free/")};
    EXPECT_TRUE(ReadRouteFinderUrl(settings, prompts));
    EXPECT_EQ(settings.routeFinderUrl, "http://rfinder.asalink.net/free/");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find(settings.besideProgram("url.ini")), std::string::npos);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
}

TEST_F(StartupTest, MissingFoldersOnLinesTwoAndFiveAreReportedInOrderAndKept) {
    const PathLines lines{folderLine("nav", true),     folderLine("pmdg", false),
                          folderLine("ivap", true),    folderLine("fs", true),
                          folderLine("leveld", false), folderLine("pss", true)};
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    writeBytes(program.file("path.ini"), bytes);

    EXPECT_TRUE(ReadPathSettings(settings, prompts));

    EXPECT_EQ(prompts.messageTexts(),
              (std::vector<std::string>{kLineMessages[1], kLineMessages[4], kSummary}));
    for (const MessageBox& box : prompts.messages) {
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_EQ(box.title, "");
    }
    EXPECT_EQ(settings.pathNavData, lines[0]);
    EXPECT_EQ(settings.pathPmdgPlans, lines[1]);
    EXPECT_EQ(settings.pathIvapPlans, lines[2]);
    EXPECT_EQ(settings.pathFsPlans, lines[3]);
    EXPECT_EQ(settings.pathLevelDPlans, lines[4]);
    EXPECT_EQ(settings.pathPssPlans, lines[5]);
}

TEST_F(StartupTest, ShortOrGarbledPathIniReportsEveryMissingLine) {
    struct Case {
        std::string bytes;
        std::vector<int> wrongLines;  // 0-based
    };
    const std::string good = folderLine("good", true);
    const Case cases[] = {
        {good + "\r\n" + good + "\r\n" + good + "\r\n", {3, 4, 5}},
        {good, {1, 2, 3, 4, 5}},
        {"", {0, 1, 2, 3, 4, 5}},
        {std::string("\0\xff\x80\r\n", 5) + good + "\r\n\r\n" + good + "\n" + good + "\n" + good,
         {0, 2}},
    };
    for (const Case& c : cases) {
        writeBytes(program.file("path.ini"), c.bytes);
        ScriptedPrompts fresh;
        Settings read;
        read.programFolder = program.path();
        EXPECT_TRUE(ReadPathSettings(read, fresh));
        std::vector<std::string> expected;
        for (int line : c.wrongLines) {
            expected.emplace_back(kLineMessages[line]);
        }
        expected.emplace_back(kSummary);
        EXPECT_EQ(fresh.messageTexts(), expected) << c.bytes;
    }
}

TEST_F(StartupTest, MissingPathIniIsSilent) {
    EXPECT_FALSE(ReadPathSettings(settings, prompts));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(settings.pathNavData, "");
}

TEST_F(StartupTest, CheckIniSetsCreateFsPlanOnlyForZeroOrOne) {
    struct Case {
        const char* bytes;  // nullptr: no check.ini
        bool before;
        bool after;
    };
    const Case cases[] = {
        {"0\r\n", true, false},  {"1\r\n", false, true}, {"2\r\n", true, true},
        {"2\r\n", false, false}, {"junk", true, true},   {nullptr, true, true},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        Settings local;
        local.programFolder = folder.path();
        if (c.bytes != nullptr) {
            writeBytes(folder.file("check.ini"), c.bytes);
        }
        MainWindowData local_data;
        local_data.createFsPlan = c.before;
        ReadCheckSetting(local, local_data);
        EXPECT_EQ(local_data.createFsPlan, c.after) << (c.bytes ? c.bytes : "(missing)");
    }
}

TEST_F(StartupTest, FullStartReadsEverySettingsFile) {
    writeBytes(program.file("url.ini"), "http://rfinder.asalink.net/free/\r\n");
    const std::string nav = folderLine("nav", true);
    std::string bytes;
    for (int i = 0; i < 6; ++i) {
        bytes += nav + "\r\n";
    }
    writeBytes(program.file("path.ini"), bytes);
    writeBytes(program.file("check.ini"), "0\r\n");
    writeBytes(program.file("AC.dat"), "B738:1:M\r\nB744:1:H\r\n\r\nA320:1:M\r\n");
    writeBytes(program.file("nav") + kPathSeparator + "fmc_ident.txt",
               "[Ident]\r\nAIRAC=0705\r\nVALID=2007\r\n");

    StartupOutcome outcome = ReadStartupSettings(settings, data, prompts);

    EXPECT_FALSE(outcome.endProgram);
    EXPECT_TRUE(outcome.pathIniExists);
    EXPECT_TRUE(prompts.inputs.empty());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(data.createFsPlan);
    EXPECT_EQ(settings.aircraftTable.type[1], "B744");
    EXPECT_EQ(settings.aircraftTable.type[2], "");
    EXPECT_EQ(settings.aircraftTable.wakeCategory[3], "M");
    EXPECT_EQ(settings.airacText, "0705 - 2007");
    const std::string ending = "0705 - 2007";
    ASSERT_GE(outcome.windowTitle.size(), ending.size());
    EXPECT_EQ(outcome.windowTitle.substr(outcome.windowTitle.size() - ending.size()), ending);
    EXPECT_EQ(outcome.windowTitle.rfind("Skyloom Version ", 0), 0u);
}

}  // namespace
}  // namespace skyloom
