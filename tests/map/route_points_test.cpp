// The map's points: from the resolved route after a calculation, from the
// listing and the plan's airport lines after a loaded flight.

#include "map/route_points.h"

#include <gtest/gtest.h>

#include "commands/trip.h"

namespace skyloom {
namespace {

TEST(RoutePoints, CalculatedFlightUsesTheResolvedRoute) {
    testing::Trip trip("EDDF TAU UL610 KOBLI EGLL");
    trip.calculate();
    const std::vector<MapPoint> points = RouteMapPoints(trip.data);
    ASSERT_EQ(points.size(), 6u);
    EXPECT_EQ(points[0].label + points[3].label + points[5].label, "EDDFBITBURGEGLL");
    EXPECT_EQ(
        (std::vector{points[0].kind, points[3].kind, points[5].kind}),
        (std::vector{MapPointKind::Departure, MapPointKind::Waypoint, MapPointKind::Destination}));
    EXPECT_EQ(trip.data.routeListing.at(2),
              "BITBURG\tN 50.017222\tE 5.638056");  // names the points
    // The navigation files' decimals, not the plan's whole seconds.
    EXPECT_DOUBLE_EQ(points[0].position.latitude, 50.033333);
    EXPECT_DOUBLE_EQ(points[3].position.longitude, 5.638056);
    EXPECT_DOUBLE_EQ(points[5].position.longitude, -0.461389);
}

TEST(RoutePoints, LoadedFlightTakesTheListingAndThePlan) {
    MainWindowData data;
    data.route = "EDDF KRL 5330N KJFK ";
    data.planLines = {"departure_id=EDDF, N50* 2.0', E8* 34.14', 364",
                      "destination_id=KJFK, S40* 38.23', W73* 46.44', 13"};
    data.routeListing = {"KRL\tN 50.040000\tE 8.403333", "BAD\tN 1\tN 2", "5330N\tS 53.5\tW 30.0"};
    // What an earlier calculation left: another route with as many points.
    testing::Trip earlier("EDDF TAU DO EGLL");
    earlier.calculate();
    for (const MainWindowData* flight : {&data, &earlier.data}) {
        data.resolvedRoute = flight->resolvedRoute;
        const std::vector<MapPoint> points = RouteMapPoints(data);
        ASSERT_EQ(points.size(), 4u);
        EXPECT_EQ(points[0].label + points[2].label + points[3].label, "EDDF5330NKJFK");
        EXPECT_NEAR(points[0].position.latitude, 50.0 + 2.0 / 60.0, 1e-12);
        EXPECT_DOUBLE_EQ(points[1].position.longitude, 8.403333);
        EXPECT_DOUBLE_EQ(points[2].position.latitude, -53.5);
        EXPECT_NEAR(points[3].position.longitude, -(73.0 + 46.0 / 60.0 + 44.0 / 3600.0), 1e-12);
    }
    data.routeListing.clear();  // as choosing an aircraft leaves it: the airports alone
    EXPECT_EQ(RouteMapPoints(data).size(), 2u);
    EXPECT_TRUE(RouteMapPoints(MainWindowData{}).empty());
}

}  // namespace
}  // namespace skyloom
