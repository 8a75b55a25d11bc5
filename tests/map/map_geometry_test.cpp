// The map's geometry with numbers worked out by hand: longitudes across the
// date line, great-circle points, the route as one continuous line and the
// view fitted to it.

#include "map/map_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "route/distance.h"

namespace skyloom {
namespace {

void expectNear(const std::vector<GeoPoint>& actual, const std::vector<GeoPoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].latitude, expected[i].latitude, 1e-9) << i;
        EXPECT_NEAR(actual[i].longitude, expected[i].longitude, 1e-9) << i;
    }
}

TEST(MapGeometry, LongitudesArcsAndGreatCirclePoints) {
    const double unwrap[][3] = {{-150, 139, 210}, {170, -170, -190}, {190, 0, -170},
                                {-180, 0, 180},   {540, 0, 180},     {-10, 350, 350}};
    for (const auto& [longitude, reference, expected] : unwrap) {
        EXPECT_DOUBLE_EQ(UnwrapLongitude(longitude, reference), expected) << longitude;
    }
    // 45N 0E to 45N 90E: cos d = sin^2 45 + cos^2 45 * cos 90 = 0.5, so 60 degrees.
    EXPECT_NEAR(ArcDegrees({45, 0}, {45, 90}), 60.0, 1e-9);
    EXPECT_NEAR(ArcDegrees({0, 170}, {0, -170}), 20.0, 1e-9);
    // The middle point between 45N 0E and 45N 90E is the normalised sum of the
    // two unit vectors (1/2 sqrt 2, 1/2 sqrt 2, sqrt 2): latitude atan(sqrt 2).
    const double vertex = RadiansToDegrees(std::atan(std::sqrt(2.0)));
    expectNear(GreatCirclePoints({45, 0}, {45, 90}, 2), {{45, 0}, {vertex, 45}, {45, 90}});
    expectNear(GreatCirclePoints({10, 350}, {10, 350}, 1), {{10, -10}, {10, -10}});
}

TEST(MapGeometry, RouteAcrossTheDateLineIsOneShortSpan) {
    // Tokyo, Anchorage, then on east to 40N 120W.
    const std::vector<GeoPoint> route = {{35, 139}, {61, -150}, {40, -120}};
    expectNear(UnwrapRoute(route), {{35, 139}, {61, 210}, {40, 240}});
    const std::vector<GeoPoint> track = RouteTrack(route);
    EXPECT_NEAR(track.back().longitude, 240.0, 1e-9);
    for (std::size_t i = 1; i < track.size(); ++i) {
        // About a degree of arc apart, always eastward, never a jump round the world.
        EXPECT_LT(ArcDegrees(track[i - 1], track[i]), 1.0 + 1e-9) << i;
        EXPECT_GT(track[i].longitude, track[i - 1].longitude) << i;
        EXPECT_LT(track[i].longitude - track[i - 1].longitude, 5.0) << i;
    }
    // Along the equator from 170E to 170W: 20 degrees in 20 steps.
    const std::vector<GeoPoint> equator = RouteTrack({{0, 170}, {0, -170}});
    ASSERT_EQ(equator.size(), 21u);
    EXPECT_NEAR(equator[10].longitude, 180.0, 1e-9);
}

TEST(MapGeometry, FitViewCentresTheRouteWithAMargin) {
    const struct {
        std::vector<GeoPoint> track;
        int width, height;
        double centreLatitude, centreLongitude, pixelsPerDegree, xStretch;
        GeoPoint probe;
        double x, y;
    } cases[] = {
        // At 60N a degree of longitude is half as wide: box 5 x 0, margin 2, 9 x 4.
        {{{60, 0}, {60, 10}}, 900, 400, 60.0, 5.0, 100.0, 0.5, {60, 10}, 700.0, 200.0},
        // A tall picture would show past the pole: the view moves south until
        // its top edge is at 90N (half height 9 degrees, centre 81N).
        {{{80, 0}, {89, 0}}, 400, 1800, 81.0, 0.0, 100.0, 0.5, {80, 0}, 200.0, 1000.0},
    };
    for (const auto& c : cases) {
        const MapView view = FitView(c.track, c.width, c.height);
        EXPECT_NEAR(view.centreLatitude, c.centreLatitude, 1e-9);
        EXPECT_NEAR(view.centreLongitude, c.centreLongitude, 1e-9);
        EXPECT_NEAR(view.pixelsPerDegree, c.pixelsPerDegree, 1e-9);
        EXPECT_NEAR(view.xStretch, c.xStretch, 1e-9);
        const PicturePoint at = view.project(c.probe);
        EXPECT_NEAR(at.x, c.x, 1e-6);
        EXPECT_NEAR(at.y, c.y, 1e-6);
        EXPECT_NEAR(view.unproject(at).longitude, c.probe.longitude, 1e-9);
    }
    const MapView view = FitView(RouteTrack(UnwrapRoute({{35, 139}, {61, -150}})), 800, 600);
    EXPECT_LT(view.westLongitude(), 139.0);
    EXPECT_GT(view.eastLongitude(), 210.0);
    EXPECT_LT(view.eastLongitude() - view.westLongitude(), 180.0);
}

}  // namespace
}  // namespace skyloom
