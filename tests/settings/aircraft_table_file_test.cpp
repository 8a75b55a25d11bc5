#include "settings/aircraft_table_file.h"

#include <gtest/gtest.h>

#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::TempFolder;
using testing::writeBytes;

struct Entry {
    std::string type;
    std::string mtl;
    std::string wake;
    bool operator==(const Entry&) const = default;
};

Entry entryOf(const AircraftTable& table, int index) {
    auto i = static_cast<std::size_t>(index);
    return {table.type[i], table.mtlText[i], table.wakeCategory[i]};
}

std::optional<AircraftTable> readTable(const std::string& bytes) {
    TempFolder folder;
    writeBytes(folder.file("AC.dat"), bytes);
    return ReadAircraftTableFile(folder.file("AC.dat"));
}

TEST(AircraftTableFile, BlankThirdLineKeepsItsEntryEmpty) {
    auto table = readTable("B738:1:M\r\nB744:1:H\r\n   \r\nA320:1:M\r\n");
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(entryOf(*table, 0), (Entry{"B738", "1", "M"}));
    EXPECT_EQ(entryOf(*table, 1), (Entry{"B744", "1", "H"}));
    EXPECT_EQ(entryOf(*table, 2), (Entry{"", "", ""}));
    EXPECT_EQ(entryOf(*table, 3), (Entry{"A320", "1", "M"}));
    EXPECT_EQ(entryOf(*table, 4), (Entry{"", "", ""}));
}

TEST(AircraftTableFile, FieldsAreCutAtEveryColonAndKeptUntrimmed) {
    struct Case {
        const char* line;
        Entry expected;
    };
    const Case cases[] = {
        {" B738 : 1 :M ", {" B738 ", " 1 ", "M "}},
        {"A:B:C:D:E", {"A", "B", "C"}},
        {"B772", {"B772", "", ""}},
        {"B772:2", {"B772", "2", ""}},
        {"::H", {"", "", "H"}},
        {"\tDC10:1:H", {"\tDC10", "1", "H"}},
    };
    for (const Case& c : cases) {
        auto table = readTable(std::string(c.line) + "\r\n");
        ASSERT_TRUE(table.has_value()) << c.line;
        EXPECT_EQ(entryOf(*table, 0), c.expected) << c.line;
    }
}

TEST(AircraftTableFile, ReadsAtMostFiftyOneLines) {
    std::string bytes;
    for (int i = 0; i < 60; ++i) {
        bytes += "T" + std::to_string(i) + ":x:M\r\n";
    }
    auto table = readTable(bytes);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(entryOf(*table, 0), (Entry{"T0", "x", "M"}));
    EXPECT_EQ(entryOf(*table, 50), (Entry{"T50", "x", "M"}));
}

TEST(AircraftTableFile, LastLineWithoutLineEndAndBareLineFeeds) {
    auto table = readTable("B738:1:M\nMD11:1:H");
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(entryOf(*table, 0), (Entry{"B738", "1", "M"}));
    EXPECT_EQ(entryOf(*table, 1), (Entry{"MD11", "1", "H"}));
}

TEST(AircraftTableFile, BinaryGarbageIsReadWithoutHarm) {
    std::string bytes("\0\xff:\x80\x01:\r\n\xfe\xfe\xfe", 11);
    for (int i = 0; i < 100; ++i) {
        bytes += "\n";
    }
    auto table = readTable(bytes);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(entryOf(*table, 0), (Entry{std::string("\0\xff", 2), "\x80\x01", ""}));
    EXPECT_EQ(entryOf(*table, 1), (Entry{"\xfe\xfe\xfe", "", ""}));
}

TEST(AircraftTableFile, MissingFileGivesNothing) {
    TempFolder folder;
    EXPECT_FALSE(ReadAircraftTableFile(folder.file("AC.dat")).has_value());
}

}  // namespace
}  // namespace skyloom
