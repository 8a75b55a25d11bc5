#include "route/distance.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace skyloom {
namespace {

TEST(GreatCircleDistance, OneDegreeOfLatitudeInEachUnit) {
    EXPECT_NEAR(GreatCircleDistance("50", "8", "51", "8", "N"), 59.997756, 1e-6);
    EXPECT_NEAR(GreatCircleDistance("50", "8", "51", "8", "n"), 59.997756, 1e-6);
    EXPECT_NEAR(GreatCircleDistance("50", "8", "51", "8", "K"), 111.189577, 1e-6);
    EXPECT_NEAR(GreatCircleDistance("50", "8", "51", "8", "M"), 69.09, 1e-6);
}

TEST(GreatCircleDistance, EqualAndOppositePointsDoNotFail) {
    EXPECT_DOUBLE_EQ(GreatCircleDistance("50.033333", "8.570556", "50.033333", "8.570556", "N"),
                     0.0);
    EXPECT_NEAR(GreatCircleDistance("0", "0", "0", "180", "N"), 180 * 59.997756, 1e-3);
    EXPECT_DOUBLE_EQ(GreatCircleDistance("abc", "", "", "x", "N"), 0.0);
}

TEST(ArcCosine, EndsOfTheRange) {
    EXPECT_DOUBLE_EQ(ArcCosine(1.0), 0.0);
    EXPECT_DOUBLE_EQ(ArcCosine(-1.0), kPi);
    EXPECT_DOUBLE_EQ(ArcCosine(1.0000000001), 0.0);
    EXPECT_NEAR(ArcCosine(0.0), kPi / 2, 1e-15);
}

TEST(TotalRouteDistance, SumsTheLegsAndRoundsHalfUp) {
    EXPECT_EQ(TotalRouteDistance({}), 0);
    EXPECT_EQ(TotalRouteDistance({"50 8"}), 0);
    // Two legs of one degree each: 119.995512 -> 120.
    EXPECT_EQ(TotalRouteDistance({"50 8", "51 8", "52 8"}), 120);
    // Double blanks between the numbers are folded once.
    EXPECT_EQ(TotalRouteDistance({"50  8", "51 8"}), 60);
    // A hair above 499.5 nm rounds up, 499.49 down: degrees of latitude chosen for those sums.
    const double perDegree = 60.0 * 1.1515 * 0.8684;
    auto degrees = [perDegree](double miles) {
        char text[64];
        std::snprintf(text, sizeof text, "%.12f", miles / perDegree);
        return std::string(text);
    };
    std::string half = degrees(499.500001);
    std::string below = degrees(499.49);
    EXPECT_EQ(TotalRouteDistance({"0 0", half + " 0"}), 500);
    EXPECT_EQ(TotalRouteDistance({"0 0", below + " 0"}), 499);
}

}  // namespace
}  // namespace skyloom
