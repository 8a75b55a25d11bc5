#include "io/file_names.h"

#include <gtest/gtest.h>

namespace skyloom {
namespace {

TEST(FileNames, AcceptsOrdinaryPlanNames) {
    for (const char* name : {"EDDF-EGLL", "737-EDDF-KJFK", "A..B", "Z\xDCRICH", "TEMP"}) {
        EXPECT_TRUE(isPlainFileName(name)) << name;
    }
}

TEST(FileNames, RefusesNamesThatLeaveTheFolderOrThatWindowsCannotTake) {
    for (const char* name : {"", ".", "..", "../X", "A/B", "A\\B", "C:X", "A*", "A?", "A|B", "A\"B",
                             "<A>", "TRAIL.", "TRAIL ", "CON", "nul.txt", "A\tB"}) {
        EXPECT_FALSE(isPlainFileName(name)) << name;
    }
    EXPECT_NE(refusedNameMessage("../X").find("'../X'"), std::string::npos);
}

}  // namespace
}  // namespace skyloom
