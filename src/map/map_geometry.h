#pragma once
// Geometry of the route map picture: great-circle points between two
// positions, longitudes kept continuous across the date line, and a simple
// equirectangular projection fitted to the route with a margin.

#include <vector>

namespace skyloom {

// Decimal degrees, positive north and east.
struct GeoPoint {
    double latitude = 0.0;
    double longitude = 0.0;
};

// Picture position in pixels, x to the right, y downwards.
struct PicturePoint {
    double x = 0.0;
    double y = 0.0;
};

// The map draws nothing nearer to a pole than this latitude.
inline constexpr double kMapLatitudeLimit = 85.0;

// The longitude moved by whole turns to lie within half a turn of the
// reference: in (reference - 180, reference + 180].
double UnwrapLongitude(double longitude, double reference);

// Angular distance of two positions along the great circle, in degrees.
double ArcDegrees(const GeoPoint& from, const GeoPoint& to);

// `steps` + 1 points along the shorter great circle from `from` to `to`,
// both ends included. Longitudes are in [-180, 180]. Equal or opposite
// positions give the straight sequence between them on the meridian/parallel
// of their coordinates.
std::vector<GeoPoint> GreatCirclePoints(const GeoPoint& from, const GeoPoint& to, int steps);

// The route's points with each longitude unwrapped against the one before, so
// that no leg spans more than half a turn of longitude.
std::vector<GeoPoint> UnwrapRoute(const std::vector<GeoPoint>& points);

// The whole route as one continuous line: the great-circle points of every leg
// (a step per degree of arc or part of one), each longitude unwrapped against
// the one before, so a route across the date line runs on past 180 instead of
// jumping back. The first point keeps its longitude.
std::vector<GeoPoint> RouteTrack(const std::vector<GeoPoint>& points);

// An equirectangular view: a degree of latitude is `pixelsPerDegree` pixels
// high, a degree of longitude `pixelsPerDegree` * `xStretch` pixels wide
// (xStretch is the cosine of the view's middle latitude, at most 60 degrees
// from the equator, so shapes look right where the route is). Latitudes are clamped to
// +-kMapLatitudeLimit.
struct MapView {
    int width = 0;
    int height = 0;
    double centreLatitude = 0.0;   // at the picture's centre
    double centreLongitude = 0.0;  // at the picture's centre; may lie outside [-180, 180]
    double pixelsPerDegree = 1.0;
    double xStretch = 1.0;

    // Takes the longitude as given; unwrap it against the route first.
    PicturePoint project(const GeoPoint& point) const;
    // The position at a picture point (latitude not clamped).
    GeoPoint unproject(const PicturePoint& point) const;
    // Longitudes at the picture's left and right edges.
    double westLongitude() const;
    double eastLongitude() const;
};

// The view that shows every point of the track (longitudes as RouteTrack
// gives them) inside a width x height picture, keeping the aspect: the
// track's bounding box grows on every side by a margin of a tenth of its
// larger side, at least kMinimumMarginDegrees, and is centred. The view is
// moved back off a pole when it would show beyond it. An empty track gives a
// view of the whole world.
inline constexpr double kMinimumMarginDegrees = 2.0;
MapView FitView(const std::vector<GeoPoint>& track, int width, int height);

}  // namespace skyloom
