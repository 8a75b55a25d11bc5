// How paths look on the platform the program runs on: folder paths end with
// the platform's separator, the program's folder is the executable's own
// folder, and names are Windows-1252 text that reaches the disk as the real
// Unicode name. On Windows that means backslashes, drive letters and UTF-16.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "io/file_system.h"
#include "io/text_file.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::TempFolder;

const std::string kSep(1, kPathSeparator);

TEST(PathConvention, AProgramFolderLosesItsTrailingSeparators) {
    struct Case {
        std::string folder;
        std::string expected;
    };
    std::vector<Case> cases = {
        {"prog", "prog"},
        {"prog" + kSep, "prog"},
        {"prog" + kSep + kSep, "prog"},
        {"Flight Plans" + kSep + "Skyloom/", "Flight Plans" + kSep + "Skyloom"},
        {kSep, kSep},
#ifdef _WIN32
        {"C:\\Skyloom\\", "C:\\Skyloom"},
        {"C:/typed/with/slashes/", "C:/typed/with/slashes"},
#endif
    };
    for (const Case& c : cases) {
        EXPECT_EQ(withoutTrailingSeparator(c.folder), c.expected) << c.folder;
    }
}

TEST(PathConvention, TheProgramFolderIsTheFolderOfTheRunningExecutable) {
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), kPathSeparator);
    EXPECT_TRUE(folderExists(folder)) << folder;
#ifdef _WIN32
    EXPECT_TRUE(fileExists(folder + "\\skyloom_core_tests.exe")) << folder;
    // A full Windows path: drive letter, colon, backslash, and no slashes.
    ASSERT_GE(folder.size(), 3u);
    EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(folder[0]))) << folder;
    EXPECT_EQ(folder.substr(1, 2), ":\\");
    EXPECT_EQ(folder.find('/'), std::string::npos) << folder;
#else
    EXPECT_TRUE(fileExists(folder + "/skyloom_core_tests")) << folder;
#endif
}

// A Windows-1252 name must reach the disk as the same name in Unicode (UTF-16
// on Windows, UTF-8 elsewhere) and come back as the same bytes.
TEST(PathConvention, Windows1252NamesReachTheDiskAsTheirUnicodeNames) {
    const std::vector<std::pair<std::string, std::u8string>> names = {
        {"M\xFCnchen-Stra\xDF"
         "e",
         u8"M\u00FCnchen-Stra\u00DFe"},
        {"\x80"
         "uro",
         u8"\u20ACuro"},
        {"\x8A"
         "ibenik \x9E"
         "ivo",
         u8"\u0160ibenik \u017Eivo"},
    };
    TempFolder folder;
    std::set<std::filesystem::path> expectedOnDisk;
    std::set<std::string> expectedBack;
    for (const auto& [name1252, nameUtf8] : names) {
        // A folder with the name, and a file of the same name inside it.
        const std::string file = folder.file(name1252) + kSep + name1252 + ".txt";
        ASSERT_TRUE(createFolder(folder.file(name1252))) << name1252;
        ASSERT_TRUE(writeTextLines(file, {name1252}).ok) << name1252;
        EXPECT_EQ(readTextLines(file), std::vector<std::string>{name1252});
        expectedOnDisk.insert(std::filesystem::path(nameUtf8));
        expectedBack.insert(name1252);
    }
    std::set<std::filesystem::path> onDisk;
    std::set<std::string> readBack;
    for (const auto& entry : std::filesystem::directory_iterator(toNativePath(folder.path()))) {
        onDisk.insert(entry.path().filename());
        readBack.insert(fromNativePath(entry.path().filename()));
    }
    EXPECT_EQ(onDisk, expectedOnDisk);
    EXPECT_EQ(readBack, expectedBack);
}

#ifdef _WIN32
TEST(PathConventionOnWindows, DriveRootsAndFoldersWithATrailingBackslashAreFolders) {
    TempFolder folder;
    const std::string& path = folder.path();
    ASSERT_GE(path.size(), 3u);
    const std::string driveRoot = path.substr(0, 3);  // e.g. "C:\"
    EXPECT_EQ(driveRoot.substr(1), ":\\");
    EXPECT_TRUE(folderExists(driveRoot));
    EXPECT_TRUE(folderExists(path + "\\"));
    EXPECT_FALSE(fileExists(path + "\\"));

    ASSERT_TRUE(writeTextLines(folder.file("airports.dat"), {"x"}).ok);
    EXPECT_TRUE(fileExists(path + "\\" + "airports.dat"));
    EXPECT_FALSE(folderExists(folder.file("airports.dat") + "\\"));
}
#endif

}  // namespace
}  // namespace skyloom
