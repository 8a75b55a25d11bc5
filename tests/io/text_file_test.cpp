#include "io/text_file.h"

#include <gtest/gtest.h>

#include "io/file_system.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TEST(TextFile, WritesCrLfAfterEveryLineIncludingTheLast) {
    TempFolder folder;
    ASSERT_TRUE(writeTextLines(folder.file("a.txt"), {"one", "", "th\xB0"}).ok);
    EXPECT_EQ(readBytes(folder.file("a.txt")), "one\r\n\r\nth\xB0\r\n");
    ASSERT_TRUE(writeTextLines(folder.file("empty.txt"), {}).ok);
    EXPECT_EQ(readBytes(folder.file("empty.txt")), "");
}

TEST(TextFile, ReadsCrLfAndBareLfAndALastLineWithoutBreak) {
    TempFolder folder;
    writeBytes(folder.file("mixed.txt"), "a\r\nb\nc");
    auto lines = readTextLines(folder.file("mixed.txt"));
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(readTextLines(folder.file("missing.txt")));
}

TEST(TextFile, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    TempFolder folder;
    EXPECT_FALSE(
        writeTextLines(folder.file("no-such-folder") + kPathSeparator + "x.txt", {"x"}).ok);

    // A folder standing where the file should go cannot be replaced.
    ASSERT_TRUE(createFolder(folder.file("taken")));
    WriteResult result = writeTextLines(folder.file("taken"), {"x"});
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("taken"), std::string::npos);
    EXPECT_TRUE(folderExists(folder.file("taken")));
    EXPECT_FALSE(fileExists(folder.file("taken.skyloom-tmp")));
}

TEST(TextFile, ReplacesAnExistingFileWhole) {
    TempFolder folder;
    writeBytes(folder.file("f.txt"), "a much longer old content\r\n");
    ASSERT_TRUE(writeTextLines(folder.file("f.txt"), {"new"}).ok);
    EXPECT_EQ(readBytes(folder.file("f.txt")), "new\r\n");
}

TEST(FileSystem, NamesWithAccentsRoundTripThroughThePlatform) {
    TempFolder folder;
    const std::string name = folder.file("Z\xFCrich-M\xFCnchen.txt");  // Zürich-München
    ASSERT_TRUE(writeTextLines(name, {"x"}).ok);
    EXPECT_TRUE(fileExists(name));
    EXPECT_EQ(utf8From1252("\xB0"), "\xC2\xB0");
    EXPECT_EQ(cp1252FromUtf8("Z\xC3\xBCrich \xE2\x82\xAC"), "Z\xFCrich \x80");
    EXPECT_EQ(cp1252FromUtf8("\xFF"), "\xFF");  // not UTF-8: kept as it is
}

}  // namespace
}  // namespace skyloom
