#include "map/map_geometry.h"

#include <algorithm>
#include <cmath>

#include "geo/great_circle.h"

namespace skyloom {

namespace {

// The latitude of the view's standard parallel stays within this many degrees
// of the equator, so a polar route is not stretched without end.
constexpr double kStandardParallelLimit = 60.0;

struct Vector3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

Vector3 toVector(const GeoPoint& point) {
    const double lat = DegreesToRadians(point.latitude);
    const double lon = DegreesToRadians(point.longitude);
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

GeoPoint toGeo(const Vector3& v) {
    return {RadiansToDegrees(std::atan2(v.z, std::hypot(v.x, v.y))),
            RadiansToDegrees(std::atan2(v.y, v.x))};
}

double clampLatitude(double latitude) {
    return std::clamp(latitude, -kMapLatitudeLimit, kMapLatitudeLimit);
}

}  // namespace

double UnwrapLongitude(double longitude, double reference) {
    double turns = std::ceil((longitude - reference - 180.0) / 360.0);
    return longitude - turns * 360.0;
}

double ArcDegrees(const GeoPoint& from, const GeoPoint& to) {
    const Vector3 a = toVector(from);
    const Vector3 b = toVector(to);
    const double dot = a.x * b.x + a.y * b.y + a.z * b.z;
    const Vector3 cross{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return RadiansToDegrees(std::atan2(std::hypot(cross.x, cross.y, cross.z), dot));
}

std::vector<GeoPoint> GreatCirclePoints(const GeoPoint& from, const GeoPoint& to, int steps) {
    steps = std::max(steps, 1);
    std::vector<GeoPoint> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    const double arc = DegreesToRadians(ArcDegrees(from, to));
    const double sinArc = std::sin(arc);
    const Vector3 a = toVector(from);
    const Vector3 b = toVector(to);
    for (int i = 0; i <= steps; ++i) {
        const double f = static_cast<double>(i) / steps;
        if (i == 0 || i == steps) {
            const GeoPoint& end = i == 0 ? from : to;
            points.push_back({end.latitude, UnwrapLongitude(end.longitude, 0.0)});
        } else if (sinArc < 1e-9) {
            // Equal or opposite positions: no single great circle, go straight.
            points.push_back(
                {from.latitude + f * (to.latitude - from.latitude),
                 UnwrapLongitude(from.longitude + f * (to.longitude - from.longitude), 0.0)});
        } else {
            const double wa = std::sin((1.0 - f) * arc) / sinArc;
            const double wb = std::sin(f * arc) / sinArc;
            points.push_back(
                toGeo({wa * a.x + wb * b.x, wa * a.y + wb * b.y, wa * a.z + wb * b.z}));
        }
    }
    return points;
}

std::vector<GeoPoint> UnwrapRoute(const std::vector<GeoPoint>& points) {
    std::vector<GeoPoint> unwrapped = points;
    for (std::size_t i = 1; i < unwrapped.size(); ++i) {
        unwrapped[i].longitude =
            UnwrapLongitude(unwrapped[i].longitude, unwrapped[i - 1].longitude);
    }
    return unwrapped;
}

std::vector<GeoPoint> RouteTrack(const std::vector<GeoPoint>& points) {
    std::vector<GeoPoint> track;
    if (points.empty()) {
        return track;
    }
    track.push_back(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
        const int steps = static_cast<int>(std::ceil(ArcDegrees(points[i - 1], points[i]) - 1e-6));
        const std::vector<GeoPoint> leg = GreatCirclePoints(points[i - 1], points[i], steps);
        for (std::size_t k = 1; k < leg.size(); ++k) {
            track.push_back(
                {leg[k].latitude, UnwrapLongitude(leg[k].longitude, track.back().longitude)});
        }
    }
    return track;
}

PicturePoint MapView::project(const GeoPoint& point) const {
    return {width / 2.0 + (point.longitude - centreLongitude) * pixelsPerDegree * xStretch,
            height / 2.0 - (clampLatitude(point.latitude) - centreLatitude) * pixelsPerDegree};
}

GeoPoint MapView::unproject(const PicturePoint& point) const {
    return {centreLatitude - (point.y - height / 2.0) / pixelsPerDegree,
            centreLongitude + (point.x - width / 2.0) / (pixelsPerDegree * xStretch)};
}

double MapView::westLongitude() const {
    return unproject({0.0, 0.0}).longitude;
}

double MapView::eastLongitude() const {
    return unproject({static_cast<double>(width), 0.0}).longitude;
}

MapView FitView(const std::vector<GeoPoint>& track, int width, int height) {
    MapView view;
    view.width = std::max(width, 1);
    view.height = std::max(height, 1);
    double south = -60.0;
    double north = kMapLatitudeLimit;
    double west = -180.0;
    double east = 180.0;
    if (!track.empty()) {
        south = north = clampLatitude(track.front().latitude);
        west = east = track.front().longitude;
        for (const GeoPoint& point : track) {
            south = std::min(south, clampLatitude(point.latitude));
            north = std::max(north, clampLatitude(point.latitude));
            west = std::min(west, point.longitude);
            east = std::max(east, point.longitude);
        }
    }
    view.centreLatitude = (south + north) / 2.0;
    view.centreLongitude = (west + east) / 2.0;
    const double standard =
        std::clamp(view.centreLatitude, -kStandardParallelLimit, kStandardParallelLimit);
    view.xStretch = std::cos(DegreesToRadians(standard));

    const double spanX = (east - west) * view.xStretch;
    const double spanY = north - south;
    const double margin =
        track.empty() ? 0.0 : std::max(0.1 * std::max(spanX, spanY), kMinimumMarginDegrees);
    view.pixelsPerDegree =
        std::min(view.width / (spanX + 2.0 * margin), view.height / (spanY + 2.0 * margin));

    const double halfHeight = view.height / 2.0 / view.pixelsPerDegree;
    if (halfHeight <= 90.0) {
        view.centreLatitude =
            std::clamp(view.centreLatitude, -90.0 + halfHeight, 90.0 - halfHeight);
    }
    return view;
}

}  // namespace skyloom
