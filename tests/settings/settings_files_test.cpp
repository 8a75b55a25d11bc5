#include "settings/settings_files.h"

#include <gtest/gtest.h>

#include "io/file_system.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::ScriptedPrompts;
using testing::TempFolder;
using testing::writeBytes;

TEST(PathIni, ReadsSixLinesInOrder) {
    TempFolder folder;
    writeBytes(folder.file("path.ini"),
               "C:\\nav\\\r\nC:\\pmdg\\\r\nC:\\ivap\\\r\nC:\\fs\\\r\n"
               "C:\\leveld\\\r\nC:\\pss\\\r\n");
    auto lines = ReadPathIni(folder.file("path.ini"));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (PathLines{"C:\\nav\\", "C:\\pmdg\\", "C:\\ivap\\", "C:\\fs\\",
                                 "C:\\leveld\\", "C:\\pss\\"}));
}

TEST(PathIni, ShortFileLeavesMissingLinesEmptyAndSurplusIsIgnored) {
    struct Case {
        const char* bytes;
        PathLines expected;
    };
    const Case cases[] = {
        {"a/\r\nb/\r\nc/\r\n", {"a/", "b/", "c/", "", "", ""}},
        {"only-line", {"only-line", "", "", "", "", ""}},
        {"1\n2\n3\n4\n5\n6\n7\n8\n", {"1", "2", "3", "4", "5", "6"}},
        {"", {"", "", "", "", "", ""}},
        {"\r\n\r\nx\r\n", {"", "", "x", "", "", ""}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        writeBytes(folder.file("path.ini"), c.bytes);
        auto lines = ReadPathIni(folder.file("path.ini"));
        ASSERT_TRUE(lines.has_value()) << c.bytes;
        EXPECT_EQ(*lines, c.expected) << c.bytes;
    }
}

TEST(PathIni, MissingFileGivesNothing) {
    TempFolder folder;
    EXPECT_FALSE(ReadPathIni(folder.file("path.ini")).has_value());
}

TEST(PathIni, WritesSixCrLfLinesAsTheyStand) {
    TempFolder folder;
    PathLines lines{"C:\\FS9\\FMCWP\\Navdata\\", "x", "", "no trailing", " blank ", "F:\\Pss\\"};
    ASSERT_TRUE(WritePathIni(folder.file("path.ini"), lines).ok);
    EXPECT_EQ(readBytes(folder.file("path.ini")),
              "C:\\FS9\\FMCWP\\Navdata\\\r\nx\r\n\r\nno trailing\r\n blank \r\nF:\\Pss\\\r\n");
}

TEST(UrlIni, ReadsTheFirstLineOnly) {
    TempFolder folder;
    writeBytes(folder.file("url.ini"), "http://Example.org/free/\r\nsecond line\r\n");
    EXPECT_EQ(ReadUrlIni(folder.file("url.ini")), "http://Example.org/free/");
    writeBytes(folder.file("url.ini"), "http://no-line-end/free/");
    EXPECT_EQ(ReadUrlIni(folder.file("url.ini")), "http://no-line-end/free/");
    writeBytes(folder.file("url.ini"), "");
    EXPECT_EQ(ReadUrlIni(folder.file("url.ini")), "");
    EXPECT_FALSE(ReadUrlIni(folder.file("missing.ini")).has_value());
}

TEST(CheckIni, OnlyZeroAndOneCount) {
    struct Case {
        std::string bytes;
        std::optional<bool> expected;
    };
    const Case cases[] = {
        {"1\r\n", true},
        {"0\r\n", false},
        {"1", true},
        {"  0  \r\n", false},
        {" 1\r\n0\r\n", true},
        {"2\r\n", std::nullopt},
        {"-1\r\n", std::nullopt},
        {"x", std::nullopt},
        {"1x\r\n", std::nullopt},
        {"", std::nullopt},
        {"\r\n1\r\n", std::nullopt},
        {std::string("\0\xff\x01\x80garbage", 11), std::nullopt},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        writeBytes(folder.file("check.ini"), c.bytes);
        EXPECT_EQ(ReadCheckIni(folder.file("check.ini")), c.expected) << c.bytes;
    }
}

TEST(AircraftIni, ReadsFourNumbersMissingOnesCountAsZero) {
    struct Case {
        std::string bytes;
        AircraftIniNumbers expected;
    };
    const Case cases[] = {
        {"0\r\n0\r\n1\r\n0\r\n", {0, 0, 1, 0}},
        {"1\r\n0\r\n1\r\n1\r\n", {1, 0, 1, 1}},
        {" 1 \r\n  0\r\n", {1, 0, 0, 0}},
        {"0\n1", {0, 1, 0, 0}},
        {"x", {0, 0, 0, 0}},
        {"", {0, 0, 0, 0}},
        {"\r\n1\r\n", {0, 1, 0, 0}},
        {"0\r\n0\r\n0\r\n1\r\n1\r\n1\r\n", {0, 0, 0, 1}},
        {"7\r\n-3\r\n1.5\r\n1 1\r\n", {7, -3, 0, 0}},
        {std::string("\x01\0\xfe\r\n1\r\n", 8), {0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        writeBytes(folder.file("AC.ini"), c.bytes);
        auto numbers = ReadAircraftIni(folder.file("AC.ini"));
        ASSERT_TRUE(numbers.has_value()) << c.bytes;
        EXPECT_EQ(*numbers, c.expected) << c.bytes;
    }
}

TEST(AircraftIni, MissingFileGivesNothing) {
    TempFolder folder;
    EXPECT_FALSE(ReadAircraftIni(folder.file("AC.ini")).has_value());
}

TEST(AircraftIni, WritesOneForTheChosenOptionOnly) {
    struct Case {
        Aircraft aircraft;
        const char* expected;
    };
    const Case cases[] = {
        {Aircraft::Pmdg737, "1\r\n0\r\n0\r\n0\r\n"},
        {Aircraft::Pmdg747, "0\r\n1\r\n0\r\n0\r\n"},
        {Aircraft::LevelD767, "0\r\n0\r\n1\r\n0\r\n"},
        {Aircraft::Pss777, "0\r\n0\r\n0\r\n1\r\n"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        ASSERT_TRUE(WriteAircraftIni(folder.file("AC.ini"), c.aircraft).ok);
        EXPECT_EQ(readBytes(folder.file("AC.ini")), c.expected) << aircraftCaption(c.aircraft);
    }
}

TEST(WriteFailure, IsReportedWithTheFileName) {
    TempFolder folder;
    const std::string file = folder.file("no-such-folder") + kPathSeparator + "check.ini";
    WriteResult result = WriteCheckIni(file, true);
    EXPECT_FALSE(result.ok);
    ScriptedPrompts prompts;
    ReportWriteFailure(prompts, result);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].text.find(file), std::string::npos);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);

    ReportWriteFailure(prompts, WriteResult{});
    EXPECT_EQ(prompts.messages.size(), 1u);
}

}  // namespace
}  // namespace skyloom
