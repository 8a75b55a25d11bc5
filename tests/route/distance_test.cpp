#include "route/distance.h"

#include <gtest/gtest.h>

namespace skyloom {
namespace {

TEST(GreatCircleDistance, UnitsEndsOfTheRangeAndUnreadableTexts) {
    EXPECT_NEAR(GreatCircleDistance("50", "8", "51", "8", "n"), 59.997756, 1e-6);
    EXPECT_NEAR(GreatCircleDistance("50", "8", "51", "8", "K"), 111.189577, 1e-6);
    EXPECT_NEAR(GreatCircleDistance("50", "8", "51", "8", "M"), 69.09, 1e-6);
    EXPECT_DOUBLE_EQ(GreatCircleDistance("50.033333", "8.570556", "50.033333", "8.570556", "N"),
                     0.0);
    EXPECT_NEAR(GreatCircleDistance("0", "0", "0", "180", "N"), 180 * 59.997756, 1e-3);
    EXPECT_DOUBLE_EQ(GreatCircleDistance("abc", "", "", "x", "N"), 0.0);
}

// Along meridian 0 (a degree is 60 x 1.1515 x 0.8684 nm); unresolved points are not flown.
TEST(TotalRouteDistance, SumsTheLegsOfResolvedPointsAndRoundsHalfUp) {
    const double perDegree = 60.0 * 1.1515 * 0.8684;
    const std::pair<std::vector<double>, int> rows[] = {{{50, 50}, 0},
                                                        {{50, 51, 52}, 120},
                                                        {{0, 499.500001 / perDegree}, 500},
                                                        {{0, 499.49 / perDegree}, 499}};
    for (const auto& [latitudes, miles] : rows) {
        ResolvedRoute route;
        route.departure.latitude = latitudes.front();
        route.destination.latitude = latitudes.back();
        for (std::size_t i = 1; i + 1 < latitudes.size(); ++i) {
            route.points.push_back({.latitude = latitudes[i]});
        }
        route.points.push_back({.resolved = false, .latitude = 80.0});
        EXPECT_EQ(TotalRouteDistance(route), miles);
    }
}

}  // namespace
}  // namespace skyloom
