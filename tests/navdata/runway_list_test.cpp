#include "navdata/runway_list.h"

#include <gtest/gtest.h>

#include "navdata/nav_test_folder.h"

namespace skyloom {
namespace {

using testing::NavTestFolder;
using testing::runwayLine;

TEST(RunwayList, HeadingAndOneLinePerRunwayInFileOrder) {
    NavTestFolder folder;
    folder.write(
        "wpNavAPT.txt",
        runwayLine("  FRANKFURT MAIN", "EDDF", "07L", "13123", "110.10", "070", "364") + "\r\n" +
            runwayLine("ZURICH", "LSZH", "14 ", "10827", "110.50", "137", "1416") + "\r\n" +
            runwayLine("FRANKFURT MAIN", "EDDF", "18 ", " 9240", "000.00", "180", "364") + "\r\n");
    NavDatabase nav(folder.path());
    std::vector<std::string> runways{"old line"};
    ListDestinationRunways(nav, "EDDF", runways);
    const std::vector<std::string> expected = {
        "Runways at FRANKFURT MAIN",
        "RWy 07L - Frq: 110.10 - Head: 070\xB0 - Len: 13123 ft. - Elev: 364 ft.",
        "RWy 18  - Frq: ---.-- - Head: 180\xB0 - Len:  9240 ft. - Elev: 364 ft.",
    };
    EXPECT_EQ(runways, expected);

    ListDestinationRunways(nav, "KJFK", runways);
    EXPECT_TRUE(runways.empty());
}

TEST(RunwayList, ADamagedElevationOrAMissingFileLeavesTheListEmpty) {
    NavTestFolder folder;
    folder.write("wpNavAPT.txt",
                 runwayLine("FRANKFURT", "EDDF", "07L", "13123", "110.10", "070", "364") + "\r\n" +
                     runwayLine("FRANKFURT", "EDDF", "25R", "13123", "110.10", "250", "?") +
                     "\r\n");
    NavDatabase nav(folder.path());
    std::vector<std::string> runways{"old"};
    ListDestinationRunways(nav, "EDDF", runways);
    EXPECT_TRUE(runways.empty());

    NavTestFolder empty;
    NavDatabase none(empty.path());
    runways = {"old"};
    ListDestinationRunways(none, "EDDF", runways);
    EXPECT_TRUE(runways.empty());
}

}  // namespace
}  // namespace skyloom
