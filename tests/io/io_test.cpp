// Text files, text helpers, file names, and paths on the platform the program
// runs on (on Windows: backslashes, drive letters and UTF-16 names).

#include <gtest/gtest.h>

#include <filesystem>

#include "io/file_names.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "io/text_util.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::writeBytes;
using Lines = std::vector<std::string>;

const std::string kSep(1, kPathSeparator);

TEST(TextFile, WritesCrLfAfterEveryLineAndReadsAnyLineEnd) {
    testing::TempFolder folder;
    const std::string file = folder.file("a.txt");
    writeBytes(file, "a much longer old content\r\n");
    ASSERT_TRUE(writeTextLines(file, {"one", "", "th\xB0"}).ok);
    EXPECT_EQ(readBytes(file), "one\r\n\r\nth\xB0\r\n");

    writeBytes(file, "a\r\nb\nc");
    EXPECT_EQ(readTextLines(file), (Lines{"a", "b", "c"}));
    EXPECT_FALSE(readTextLines(folder.file("missing.txt")));
    int read = 0;  // the reader stops when asked
    EXPECT_TRUE(forEachTextLine(file, [&read](const std::string&) { return ++read < 2; }));
    EXPECT_EQ(read, 2);

    // A folder standing where the file should go cannot be replaced.
    ASSERT_TRUE(createFolder(folder.file("taken")));
    WriteResult result = writeTextLines(folder.file("taken"), {"x"});
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("taken"), std::string::npos);
    EXPECT_TRUE(folderExists(folder.file("taken")));
    EXPECT_FALSE(fileExists(folder.file("taken.skyloom-tmp")));

#ifndef _WIN32
    // A device named as the file is written into, not replaced: a full one says so.
    result = writeTextLines("/dev/full", {"x"});
    EXPECT_EQ(result.error, "The file '/dev/full' could not be written completely.");
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
    EXPECT_FALSE(fileExists("/dev/full.skyloom-tmp"));
#endif
}

// The helpers whose rules no other test pins down.
TEST(TextHelpers, CodePageTrimAndNumbers) {
    EXPECT_EQ(utf8From1252("\xB0\x80"), "\xC2\xB0\xE2\x82\xAC");
    EXPECT_EQ(cp1252FromUtf8("Z\xC3\xBCrich \xE2\x82\xAC"), "Z\xFCrich \x80");
    EXPECT_EQ(cp1252FromUtf8("\xFF"), "\xFF");  // not UTF-8: kept as it is
    EXPECT_EQ(toUpper1252("\xE9\xF7\xDF"), "\xC9\xF7\xDF");
    EXPECT_EQ(trimBlanks("\t a \t"), "\t a \t");
    EXPECT_EQ(leadingNumber("12,5"), 12);
    EXPECT_EQ(parseNumber("50,5"), 50.5);
    for (const char* bad : {"", "1.2.3", "5x", "--1", "1e", ".", "1 2"}) {
        EXPECT_FALSE(parseNumber(bad).has_value()) << '"' << bad << '"';
    }
    EXPECT_EQ(plainDecimal(-8.0), "8");
    EXPECT_EQ(plainDecimal(0.0000123), "0.0000123");
    EXPECT_EQ(plainDecimal(1.0 / 3.0), "0.333333333333333");
}

TEST(FileNames, RefusesNamesThatLeaveTheFolderOrThatWindowsCannotTake) {
    for (const char* name : {"737-EDDF-KJFK", "A..B", "Z\xDCRICH", "COM10", "LPT", "737-COM1"}) {
        EXPECT_TRUE(isPlainFileName(name)) << name;
    }
    for (const char* name :
         {"",     "..",   "../X",     "A/B",         "A\\B",    "C:X",      "A*",
          "A?",   "A|B",  "A\"B",     "<A>",         "TRAIL.",  "TRAIL ",   "nul.txt",
          "A\tB", "com5", "Lpt7.pln", "conout$.txt", "aux.b.c", "COM1 .rte"}) {
        EXPECT_FALSE(isPlainFileName(name)) << name;
    }
    EXPECT_NE(refusedNameMessage("../X").find("'../X'"), std::string::npos);
}

TEST(PathConvention, TheProgramFolderIsTheExecutablesFolderWithoutTrailingSeparator) {
    EXPECT_EQ(withoutTrailingSeparator("a b" + kSep + "c/" + kSep), "a b" + kSep + "c");
    EXPECT_EQ(withoutTrailingSeparator(kSep), kSep);
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), kPathSeparator);
#ifdef _WIN32
    EXPECT_TRUE(fileExists(folder + "\\skyloom_core_tests.exe")) << folder;
    EXPECT_EQ(folder.substr(1, 2), ":\\");  // a drive letter, and no slashes
    EXPECT_EQ(folder.find('/'), std::string::npos) << folder;
    EXPECT_TRUE(folderExists(folder + "\\") && !fileExists(folder + "\\"));
#else
    EXPECT_TRUE(fileExists(folder + "/skyloom_core_tests")) << folder;
#endif
    // The files shipped beside the program are copied there by the build.
    EXPECT_TRUE(fileExists(folder + kSep + "AC.dat"));
}

// A Windows-1252 name must reach the disk as the same name in Unicode (UTF-16
// on Windows, UTF-8 elsewhere) and come back as the same bytes: a folder with
// the name, and a file of the same name inside it.
TEST(PathConvention, Windows1252NamesReachTheDiskAsTheirUnicodeNames) {
    const std::string name = "M\xFCnchen \x80\x8A\x9E";
    testing::TempFolder folder;
    const std::string file = folder.file(name) + kSep + name + ".txt";
    ASSERT_TRUE(createFolder(folder.file(name)));
    ASSERT_TRUE(writeTextLines(file, {name}).ok);
    EXPECT_EQ(readTextLines(file), Lines{name});
    std::vector<std::filesystem::path> onDisk;
    for (const auto& entry : std::filesystem::directory_iterator(toNativePath(folder.path()))) {
        onDisk.push_back(entry.path().filename());
        EXPECT_EQ(fromNativePath(entry.path().filename()), name);
    }
    EXPECT_EQ(onDisk, std::vector<std::filesystem::path>{u8"M\u00FCnchen \u20AC\u0160\u017E"});
}

}  // namespace
}  // namespace skyloom
