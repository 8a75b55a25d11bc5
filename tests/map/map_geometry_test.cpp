// The map's geometry with numbers worked out by hand: longitudes across the
// date line, great-circle points, the route as one continuous line and the
// view fitted to it.

#include "map/map_geometry.h"

#include "geo/great_circle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using skyloom::GeoPoint;

TEST(MapGeometry, UnwrapLongitudeStaysWithinHalfATurn) {
    struct Case {
        double longitude, reference, expected;
    };
    const Case cases[] = {
        {-150.0, 139.0, 210.0}, {170.0, -170.0, -190.0}, {10.0, 0.0, 10.0},   {190.0, 0.0, -170.0},
        {180.0, 0.0, 180.0},    {-180.0, 0.0, 180.0},    {540.0, 0.0, 180.0}, {-10.0, 350.0, 350.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(skyloom::UnwrapLongitude(c.longitude, c.reference), c.expected)
            << c.longitude << " against " << c.reference;
    }
}

TEST(MapGeometry, ArcDegrees) {
    struct Case {
        GeoPoint from, to;
        double degrees;
    };
    // 45N 0E to 45N 90E: cos d = sin^2 45 + cos^2 45 * cos 90 = 0.5, so 60 degrees.
    const Case cases[] = {{{0, 0}, {0, 90}, 90.0},   {{0, 0}, {90, 0}, 90.0},
                          {{0, 0}, {0, 180}, 180.0}, {{50, 8}, {50, 8}, 0.0},
                          {{45, 0}, {45, 90}, 60.0}, {{0, 170}, {0, -170}, 20.0}};
    for (const Case& c : cases) {
        EXPECT_NEAR(skyloom::ArcDegrees(c.from, c.to), c.degrees, 1e-9);
    }
}

TEST(MapGeometry, GreatCirclePoints) {
    struct Case {
        GeoPoint from, to;
        int steps;
        std::vector<GeoPoint> expected;
    };
    // Between 45N 0E and 45N 90E the middle point is the normalised sum of the
    // two unit vectors (1/2 sqrt 2, 1/2 sqrt 2, sqrt 2): latitude atan(sqrt 2).
    const double vertex = skyloom::RadiansToDegrees(std::atan(std::sqrt(2.0)));  // 54.7356...
    const Case cases[] = {
        {{0, 0}, {0, 90}, 2, {{0, 0}, {0, 45}, {0, 90}}},
        {{0, 0}, {60, 0}, 3, {{0, 0}, {20, 0}, {40, 0}, {60, 0}}},
        {{45, 0}, {45, 90}, 2, {{45, 0}, {vertex, 45}, {45, 90}}},
        {{-30, 20}, {-30, 20}, 2, {{-30, 20}, {-30, 20}, {-30, 20}}},
        {{10, 350}, {10, 350}, 1, {{10, -10}, {10, -10}}},
    };
    for (const Case& c : cases) {
        const std::vector<GeoPoint> points = skyloom::GreatCirclePoints(c.from, c.to, c.steps);
        ASSERT_EQ(points.size(), c.expected.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].latitude, c.expected[i].latitude, 1e-9) << i;
            EXPECT_NEAR(points[i].longitude, c.expected[i].longitude, 1e-9) << i;
        }
    }
    EXPECT_NEAR(vertex, 54.7356, 1e-4);
}

TEST(MapGeometry, RouteAcrossTheDateLineIsOneShortSpan) {
    // Tokyo, Anchorage, then on east to 40N 120W.
    const std::vector<GeoPoint> route = {{35, 139}, {61, -150}, {40, -120}};
    const std::vector<GeoPoint> unwrapped = skyloom::UnwrapRoute(route);
    ASSERT_EQ(unwrapped.size(), 3u);
    EXPECT_DOUBLE_EQ(unwrapped[0].longitude, 139.0);
    EXPECT_DOUBLE_EQ(unwrapped[1].longitude, 210.0);
    EXPECT_DOUBLE_EQ(unwrapped[2].longitude, 240.0);

    const std::vector<GeoPoint> track = skyloom::RouteTrack(route);
    EXPECT_DOUBLE_EQ(track.front().longitude, 139.0);
    EXPECT_NEAR(track.back().longitude, 240.0, 1e-9);
    for (std::size_t i = 1; i < track.size(); ++i) {
        // About a degree of arc apart, never a jump round the world.
        EXPECT_LT(skyloom::ArcDegrees(track[i - 1], track[i]), 1.0 + 1e-9) << i;
        EXPECT_GT(track[i].longitude, track[i - 1].longitude) << i;
        EXPECT_LT(track[i].longitude - track[i - 1].longitude, 5.0) << i;
    }

    // Along the equator from 170E to 170W: 20 degrees in 20 steps.
    const std::vector<GeoPoint> equator = skyloom::RouteTrack({{0, 170}, {0, -170}});
    ASSERT_EQ(equator.size(), 21u);
    EXPECT_NEAR(equator[10].longitude, 180.0, 1e-9);
    EXPECT_NEAR(equator[20].longitude, 190.0, 1e-9);
}

TEST(MapGeometry, FitViewCentresTheRouteWithAMargin) {
    struct Case {
        std::vector<GeoPoint> track;
        int width, height;
        double centreLatitude, centreLongitude, pixelsPerDegree, xStretch;
        GeoPoint probe;
        double x, y;
    };
    const Case cases[] = {
        // Box 40 x 20 degrees at the equator; margin 4 on each side gives 48 x 28,
        // so 480 pixels across make 10 pixels a degree.
        {{{-10, 0}, {10, 40}}, 480, 480, 0.0, 20.0, 10.0, 1.0, {10, 40}, 440.0, 140.0},
        {{{-10, 0}, {10, 40}}, 480, 480, 0.0, 20.0, 10.0, 1.0, {-10, 0}, 40.0, 340.0},
        // At 60N a degree of longitude is half as wide: box 5 x 0, margin 2, 9 x 4.
        {{{60, 0}, {60, 10}}, 900, 400, 60.0, 5.0, 100.0, 0.5, {60, 10}, 700.0, 200.0},
        // Near the pole: 89N is drawn at 85N, the standard parallel stops at 60.
        {{{80, 0}, {89, 0}}, 400, 900, 82.5, 0.0, 100.0, 0.5, {89, 0}, 200.0, 200.0},
        // A tall picture would show past the pole: the view moves south until
        // its top edge is at 90N (half height 9 degrees, centre 81N).
        {{{80, 0}, {89, 0}}, 400, 1800, 81.0, 0.0, 100.0, 0.5, {80, 0}, 200.0, 1000.0},
    };
    for (const Case& c : cases) {
        const skyloom::MapView view = skyloom::FitView(c.track, c.width, c.height);
        EXPECT_NEAR(view.centreLatitude, c.centreLatitude, 1e-9);
        EXPECT_NEAR(view.centreLongitude, c.centreLongitude, 1e-9);
        EXPECT_NEAR(view.pixelsPerDegree, c.pixelsPerDegree, 1e-9);
        EXPECT_NEAR(view.xStretch, c.xStretch, 1e-9);
        const skyloom::PicturePoint at = view.project(c.probe);
        EXPECT_NEAR(at.x, c.x, 1e-6);
        EXPECT_NEAR(at.y, c.y, 1e-6);
        const GeoPoint back = view.unproject(at);
        EXPECT_NEAR(back.longitude, c.probe.longitude, 1e-9);
    }
}

TEST(MapGeometry, DateLineRouteFitsInsideThePicture) {
    const std::vector<GeoPoint> route = skyloom::UnwrapRoute({{35, 139}, {61, -150}});
    const skyloom::MapView view = skyloom::FitView(skyloom::RouteTrack(route), 800, 600);
    for (const GeoPoint& point : route) {
        const skyloom::PicturePoint at = view.project(point);
        EXPECT_GT(at.x, 0.0);
        EXPECT_LT(at.x, 800.0);
        EXPECT_GT(at.y, 0.0);
        EXPECT_LT(at.y, 600.0);
    }
    EXPECT_LT(view.westLongitude(), 139.0);
    EXPECT_GT(view.eastLongitude(), 210.0);
    EXPECT_LT(view.eastLongitude() - view.westLongitude(), 180.0);
}

}  // namespace
