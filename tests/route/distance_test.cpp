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
    EXPECT_DOUBLE_EQ(ArcCosine(-1.0), kPi);
    EXPECT_DOUBLE_EQ(ArcCosine(1.0000000001), 0.0);
}

// Legs along the meridian 0 through the latitudes given; one degree is
// 60 x 1.1515 x 0.8684 nautical miles.
int routeDistance(double from, std::vector<double> over, double to) {
    ResolvedRoute route;
    route.departure.latitude = from;
    route.destination.latitude = to;
    for (double latitude : over) {
        route.points.push_back({});
        route.points.back().latitude = latitude;
    }
    route.points.push_back({});
    route.points.back().resolved = false;  // not flown over
    route.points.back().latitude = 80.0;
    return TotalRouteDistance(route);
}

TEST(TotalRouteDistance, SumsTheLegsOfResolvedPointsAndRoundsHalfUp) {
    const double perDegree = 60.0 * 1.1515 * 0.8684;
    EXPECT_EQ(routeDistance(50, {}, 50), 0);
    EXPECT_EQ(routeDistance(50, {51}, 52), 120);  // 119.995512
    EXPECT_EQ(routeDistance(0, {}, 499.500001 / perDegree), 500);
    EXPECT_EQ(routeDistance(0, {}, 499.49 / perDegree), 499);
}

}  // namespace
}  // namespace skyloom
