// How paths look on the platform the program runs on: folder paths end with
// the platform's separator, the program's folder is the executable's own
// folder, and names are Windows-1252 text that reaches the disk as the real
// Unicode name. On Windows that means backslashes, drive letters and UTF-16.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "io/file_system.h"
#include "io/text_file.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

const std::string kSep(1, kPathSeparator);

TEST(PathConvention, TheProgramFolderIsTheExecutablesFolderWithoutTrailingSeparator) {
    using Case = std::pair<std::string, std::string>;
    for (const auto& [folder, expected] :
         {Case{"prog" + kSep + kSep, "prog"}, Case{"a b" + kSep + "c/", "a b" + kSep + "c"},
          Case{kSep, kSep}}) {
        EXPECT_EQ(withoutTrailingSeparator(folder), expected) << folder;
    }
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), kPathSeparator);
#ifdef _WIN32
    EXPECT_TRUE(fileExists(folder + "\\skyloom_core_tests.exe")) << folder;
    EXPECT_EQ(folder.substr(1, 2), ":\\");  // a drive letter, and no slashes
    EXPECT_EQ(folder.find('/'), std::string::npos) << folder;
    EXPECT_TRUE(folderExists(folder.substr(0, 3)));
    EXPECT_TRUE(folderExists(folder + "\\"));
    EXPECT_FALSE(fileExists(folder + "\\"));
#else
    EXPECT_TRUE(fileExists(folder + "/skyloom_core_tests")) << folder;
#endif
    // The files shipped beside the program are copied there by the build.
    EXPECT_TRUE(fileExists(folder + kSep + "AC.dat"));
}

// A Windows-1252 name must reach the disk as the same name in Unicode (UTF-16
// on Windows, UTF-8 elsewhere) and come back as the same bytes.
TEST(PathConvention, Windows1252NamesReachTheDiskAsTheirUnicodeNames) {
    const std::pair<std::string, std::u8string> names[] = {
        {"M\xFCnchen-Stra\xDF"
         "e",
         u8"M\u00FCnchen-Stra\u00DFe"},
        {"\x80\x8A\x9E", u8"\u20AC\u0160\u017E"},
    };
    testing::TempFolder folder;
    std::set<std::filesystem::path> expectedOnDisk, onDisk;
    std::set<std::string> expectedBack, readBack;
    for (const auto& [name1252, nameUtf8] : names) {
        // A folder with the name, and a file of the same name inside it.
        const std::string file = folder.file(name1252) + kSep + name1252 + ".txt";
        ASSERT_TRUE(createFolder(folder.file(name1252))) << name1252;
        ASSERT_TRUE(writeTextLines(file, {name1252}).ok) << name1252;
        EXPECT_EQ(readTextLines(file), std::vector<std::string>{name1252});
        expectedOnDisk.insert(std::filesystem::path(nameUtf8));
        expectedBack.insert(name1252);
    }
    for (const auto& entry : std::filesystem::directory_iterator(toNativePath(folder.path()))) {
        onDisk.insert(entry.path().filename());
        readBack.insert(fromNativePath(entry.path().filename()));
    }
    EXPECT_EQ(onDisk, expectedOnDisk);
    EXPECT_EQ(readBack, expectedBack);
}

}  // namespace
}  // namespace skyloom
