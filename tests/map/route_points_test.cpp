// The route the map draws, read from the data store after a calculation and
// after a loaded flight (which brings no coordinate list).

#include "map/route_points.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using skyloom::GeoPoint;
using skyloom::MapPointKind;

TEST(RoutePoints, ReadListingLine) {
    struct Case {
        std::string line;
        bool ok;
        std::string identifier;
        double latitude, longitude;
    };
    const Case cases[] = {
        {"KRL\tN 50.040000\tE 8.403333", true, "KRL", 50.04, 8.403333},
        {"5330N\tN 53.000000\tW 30.000000", true, "5330N", 53.0, -30.0},
        {"SOUTH\tS 33.5\tW 70.25", true, "SOUTH", -33.5, -70.25},
        {"KRL\tN 50.04", false, "", 0, 0},
        {"KRL\t50.04\tE 8.4", false, "", 0, 0},
        {"KRL\tN 50.04\tN 8.4", false, "", 0, 0},
        {"\tN 50.04\tE 8.4", false, "", 0, 0},
    };
    for (const Case& c : cases) {
        std::string identifier;
        GeoPoint position;
        ASSERT_EQ(skyloom::ReadListingLine(c.line, identifier, position), c.ok) << c.line;
        if (c.ok) {
            EXPECT_EQ(identifier, c.identifier);
            EXPECT_DOUBLE_EQ(position.latitude, c.latitude);
            EXPECT_DOUBLE_EQ(position.longitude, c.longitude);
        }
    }
}

TEST(RoutePoints, ReadPlanCoordinates) {
    struct Case {
        std::string text;
        bool ok;
        double latitude, longitude;
    };
    // "34.14'" is 34 minutes 14 seconds.
    const Case cases[] = {
        {"N50* 2.0', E8* 34.14', 364", true, 50.0 + 2.0 / 60.0, 8.0 + 34.0 / 60.0 + 14.0 / 3600.0},
        {" N40* 38.23', W73* 46.44', 13", true, 40.0 + 38.0 / 60.0 + 23.0 / 3600.0,
         -(73.0 + 46.0 / 60.0 + 44.0 / 3600.0)},
        {"S33* 30.0', W0* 15.0', 0", true, -33.5, -0.25},
        {"N50* 2', E8* 34.14', 364", false, 0, 0},
        {"N50 2.0', E8* 34.14'", false, 0, 0},
        {"50* 2.0', 8* 34.14'", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        GeoPoint position;
        ASSERT_EQ(skyloom::ReadPlanCoordinates(c.text, position), c.ok) << c.text;
        if (c.ok) {
            EXPECT_NEAR(position.latitude, c.latitude, 1e-12) << c.text;
            EXPECT_NEAR(position.longitude, c.longitude, 1e-12) << c.text;
        }
    }
}

skyloom::MainWindowData calculatedFlight() {
    skyloom::MainWindowData data;
    data.route = "EDDF KRL 5330N KJFK ";
    data.planLines = {"[flightplan]", "departure_id=EDDF, N50* 2.0', E8* 34.14', 364",
                      "destination_id=KJFK, N40* 38.23', W73* 46.44', 13"};
    data.routeListing = {"KRL\tN 50.040000\tE 8.403333", "5330N\tN 53.000000\tW 30.000000"};
    data.routePoints = {"50.033333 8.570556", "50.040000 8.403333", "53 -30",
                        "40.639722 -73.778889"};
    return data;
}

TEST(RoutePoints, CalculatedFlightUsesTheCoordinateList) {
    const std::vector<skyloom::MapPoint> points = skyloom::RouteMapPoints(calculatedFlight());
    ASSERT_EQ(points.size(), 4u);
    const std::string labels[] = {"EDDF", "KRL", "5330N", "KJFK"};
    const MapPointKind kinds[] = {MapPointKind::Departure, MapPointKind::Waypoint,
                                  MapPointKind::Waypoint, MapPointKind::Destination};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(points[i].label, labels[i]);
        EXPECT_EQ(points[i].kind, kinds[i]);
    }
    // The coordinate list's decimals, not the plan's whole seconds.
    EXPECT_DOUBLE_EQ(points[0].position.latitude, 50.033333);
    EXPECT_DOUBLE_EQ(points[0].position.longitude, 8.570556);
    EXPECT_DOUBLE_EQ(points[2].position.longitude, -30.0);
    EXPECT_DOUBLE_EQ(points[3].position.longitude, -73.778889);
}

TEST(RoutePoints, LoadedFlightTakesTheListingAndThePlan) {
    struct Case {
        const char* name;
        std::vector<std::string> routePoints;
    };
    // A loaded flight leaves whatever an earlier calculation put in the list.
    const Case cases[] = {
        {"empty", {}},
        {"other count", {"1 1", "2 2"}},
        {"same count, other route", {"1 1", "50.04 8.403333", "53 -30", "40.639722 -73.778889"}},
        {"same count, other waypoint", {"50.033333 8.570556", "50.04 8.5", "53 -30", "40.6 -73.7"}},
    };
    for (const Case& c : cases) {
        skyloom::MainWindowData data = calculatedFlight();
        data.routePoints = c.routePoints;
        const std::vector<skyloom::MapPoint> points = skyloom::RouteMapPoints(data);
        ASSERT_EQ(points.size(), 4u) << c.name;
        EXPECT_EQ(points[0].label, "EDDF");
        EXPECT_NEAR(points[0].position.latitude, 50.0 + 2.0 / 60.0, 1e-12) << c.name;
        EXPECT_DOUBLE_EQ(points[1].position.longitude, 8.403333) << c.name;
        EXPECT_EQ(points[3].label, "KJFK");
        EXPECT_NEAR(points[3].position.longitude, -(73.0 + 46.0 / 60.0 + 44.0 / 3600.0), 1e-12)
            << c.name;
    }
}

TEST(RoutePoints, NoRouteGivesNoPoints) {
    EXPECT_TRUE(skyloom::RouteMapPoints(skyloom::MainWindowData{}).empty());
    // A route of the two airports alone still has both.
    skyloom::MainWindowData direct = calculatedFlight();
    direct.routeListing.clear();
    direct.routePoints = {"50.033333 8.570556", "40.639722 -73.778889"};
    EXPECT_EQ(skyloom::RouteMapPoints(direct).size(), 2u);
}

}  // namespace
