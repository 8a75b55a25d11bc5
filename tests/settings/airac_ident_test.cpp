#include "settings/airac_ident.h"

#include <gtest/gtest.h>

#include <regex>

#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::TempFolder;
using testing::writeBytes;

TEST(AiracText, ValuesOfLinesTwoAndThree) {
    struct Case {
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"[Ident]\r\nAIRAC=0705\r\nVALID=2007\r\n", "0705 - 2007"},
        {"skip=me\nCycle=0705\nYear=2007", "0705 - 2007"},
        {"x\r\nA=07=05\r\nB=20=07=x\r\n", "07 - 20"},
        {"x\r\nA=\r\nB= 2007 \r\nmore=lines\r\n", " -  2007 "},
        {"x\r\n=0705\r\n=2007\r\n", "0705 - 2007"},
        // Too short or without key=value form: nothing to show.
        {"[Ident]\r\nAIRAC=0705\r\n", ""},
        {"", ""},
        {"[Ident]\r\nAIRAC 0705\r\nVALID=2007\r\n", ""},
        {"[Ident]\r\nAIRAC=0705\r\nVALID 2007\r\n", ""},
        {std::string("\0\xff\r\n\x80=\x81\r\n=\0", 11), std::string("\x81 - \0", 5)},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        writeBytes(folder.file("fmc_ident.txt"), c.bytes);
        EXPECT_EQ(ReadAiracText(folder.file("fmc_ident.txt")), c.expected) << c.bytes;
    }
}

TEST(AiracText, MissingFileIsEmpty) {
    TempFolder folder;
    EXPECT_EQ(ReadAiracText(folder.file("fmc_ident.txt")), "");
    EXPECT_EQ(ReadAiracText(""), "");
}

TEST(WindowTitle, ProductVersionAndAiracText) {
    const std::string version = SKYLOOM_VERSION;
    EXPECT_TRUE(std::regex_match(version, std::regex("[0-9]+\\.[0-9]+\\.[0-9]+"))) << version;
    EXPECT_EQ(WindowTitle("0705 - 2007"), "Skyloom Version " + version + " - 0705 - 2007");
    EXPECT_EQ(WindowTitle(""), "Skyloom Version " + version + " - ");
}

}  // namespace
}  // namespace skyloom
