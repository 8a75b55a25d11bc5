// The map's geometry, with numbers worked out by hand.

#include "map/map_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geo/great_circle.h"

namespace skyloom {
namespace {

std::vector<double> flat(const std::vector<GeoPoint>& points) {
    std::vector<double> values;
    for (const GeoPoint& p : points) {
        values.insert(values.end(), {p.latitude, p.longitude});
    }
    return values;
}

void expectNear(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-6) << "value " << i;
    }
}

TEST(MapGeometry, LongitudesArcsAndGreatCirclePoints) {
    const double unwrap[][3] = {{-150, 139, 210}, {170, -170, -190}, {190, 0, -170},
                                {-180, 0, 180},   {540, 0, 180},     {-10, 350, 350}};
    for (const auto& [longitude, reference, expected] : unwrap) {
        EXPECT_DOUBLE_EQ(UnwrapLongitude(longitude, reference), expected) << longitude;
    }
    // 45N 0E to 45N 90E: cos d = sin^2 45 + cos^2 45 * cos 90 = 0.5, so 60 degrees.
    // The middle point is the normalised sum of the two unit vectors
    // (1/2 sqrt 2, 1/2 sqrt 2, sqrt 2): latitude atan(sqrt 2).
    expectNear({ArcDegrees({45, 0}, {45, 90}), ArcDegrees({0, 170}, {0, -170})}, {60, 20});
    const double vertex = RadiansToDegrees(std::atan(std::sqrt(2.0)));
    expectNear(flat(GreatCirclePoints({45, 0}, {45, 90}, 2)), {45, 0, vertex, 45, 45, 90});
    expectNear(flat(GreatCirclePoints({10, 350}, {10, 350}, 1)), {10, -10, 10, -10});
}

TEST(MapGeometry, RouteAcrossTheDateLineIsOneShortSpan) {
    // Tokyo, Anchorage, then on east to 40N 120W.
    const std::vector<GeoPoint> route = {{35, 139}, {61, -150}, {40, -120}};
    expectNear(flat(UnwrapRoute(route)), {35, 139, 61, 210, 40, 240});
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

// Centre, pixels per degree, x stretch, and a point projected and back.
std::vector<double> viewOf(const std::vector<GeoPoint>& track, int width, int height,
                           GeoPoint probe) {
    const MapView view = FitView(track, width, height);
    const PicturePoint at = view.project(probe);
    return {view.centreLatitude,
            view.centreLongitude,
            view.pixelsPerDegree,
            view.xStretch,
            at.x,
            at.y,
            view.unproject(at).longitude};
}

TEST(MapGeometry, FitViewCentresTheRouteWithAMargin) {
    // At 60N a degree of longitude is half as wide: box 5 x 0, margin 2, 9 x 4.
    expectNear(viewOf({{60, 0}, {60, 10}}, 900, 400, {60, 10}), {60, 5, 100, 0.5, 700, 200, 10});
    // A tall picture would show past the pole: the view moves south until its
    // top edge is at 90N (89N is drawn at 85N: half height 9 degrees, centre 81N).
    expectNear(viewOf({{80, 0}, {89, 0}}, 400, 1800, {80, 0}), {81, 0, 100, 0.5, 200, 1000, 0});
}

}  // namespace
}  // namespace skyloom
