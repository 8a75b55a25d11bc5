// The program folder as the program meets it on the pilot's machine: found
// through the executable, holding the data files that ship with the program,
// and maybe named with letters outside ASCII, as are the folders path.ini
// names (each line ending with the platform's separator, a backslash on
// Windows, lines ended by CR LF).

#include <gtest/gtest.h>

#include <string>

#include "io/file_system.h"
#include "settings/path_settings.h"
#include "settings/startup.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::ScriptedPrompts;
using testing::TempFolder;
using testing::writeBytes;

const std::string kSep(1, kPathSeparator);

TEST(ProgramFolder, TheExecutablesFolderHoldsTheFilesShippedBesideTheProgram) {
    Settings settings;
    settings.programFolder = executableFolder();
    for (const char* name :
         {"AC.dat", "B737NG.dat", "B747PMDG.dat", "LevelD767.dat", "PSS777.dat"}) {
        EXPECT_TRUE(fileExists(settings.besideProgram(name))) << settings.besideProgram(name);
    }
    ReadAircraftTable(settings);
    EXPECT_FALSE(settings.aircraftTable.type[0].empty());
    EXPECT_FALSE(settings.aircraftTable.wakeCategory[0].empty());
}

TEST(ProgramFolder, FoldersNamedWithAccentsAreFoundThroughPathIni) {
    TempFolder root;
    Settings settings;
    settings.programFolder = root.file("Skyloom Z\xFCrich");
    ASSERT_TRUE(createFolder(settings.programFolder));

    const char* const folderNames[kPathLineCount] = {"Navigationsdaten M\xFCnchen",
                                                     "PMDG Pl\xE4ne",
                                                     "IVAP \x80",
                                                     "FS Pl\xE4ne",
                                                     "LevelD 767",
                                                     "PSS 777 \xC9t\xE9"};
    PathLines lines;
    std::string pathIni;
    for (int i = 0; i < kPathLineCount; ++i) {
        lines[i] = settings.programFolder + kSep + folderNames[i] + kSep;
        ASSERT_TRUE(createFolder(lines[i])) << lines[i];
        pathIni += lines[i] + "\r\n";
    }
    writeBytes(settings.besideProgram("path.ini"), pathIni);
    writeBytes(lines[0] + "fmc_ident.txt", "[Ident]\r\nAIRAC=0705\r\nYEAR=2007\r\n");

    ScriptedPrompts prompts;
    ASSERT_TRUE(PathIniExists(settings));
    EXPECT_TRUE(ReadPathSettings(settings, prompts));
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().front();
    EXPECT_EQ(pathSettingsOf(settings), lines);
    EXPECT_EQ(settings.pathNavData.back(), kPathSeparator);

    // A bare name appended to the folder path reaches the file.
    ReadAiracSetting(settings);
    EXPECT_EQ(settings.airacText, "0705 - 2007");

    EXPECT_EQ(DummyFolder(settings), settings.programFolder + kSep + "DUMMY" + kSep);
}

}  // namespace
}  // namespace skyloom
