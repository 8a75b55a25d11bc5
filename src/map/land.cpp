#include "map/land.h"

#include <algorithm>
#include <cmath>

#include "io/text_file.h"
#include "map/json_reader.h"

namespace skyloom {

namespace {

std::vector<GeoPoint> readRing(const JsonValue& ring) {
    std::vector<GeoPoint> points;
    points.reserve(ring.items.size());
    for (const JsonValue& pair : ring.items) {
        if (pair.items.size() < 2 || pair.items[0].kind != JsonValue::Kind::Number ||
            pair.items[1].kind != JsonValue::Kind::Number) {
            continue;
        }
        // A position off the globe would send the copies across the date line
        // (LandShifts) counting whole turns beyond any integer.
        const double longitude = pair.items[0].number;
        const double latitude = pair.items[1].number;
        if (std::abs(longitude) <= 180.0 && std::abs(latitude) <= 90.0) {
            points.push_back({latitude, longitude});
        }
    }
    return points;
}

void addPolygon(const JsonValue& rings, Land& land) {
    LandShape shape;
    for (const JsonValue& ring : rings.items) {
        std::vector<GeoPoint> points = readRing(ring);
        if (points.size() >= 3) {
            shape.rings.push_back(std::move(points));
        }
    }
    if (shape.rings.empty()) {
        return;
    }
    shape.west = shape.east = shape.rings.front().front().longitude;
    for (const GeoPoint& point : shape.rings.front()) {
        shape.west = std::min(shape.west, point.longitude);
        shape.east = std::max(shape.east, point.longitude);
    }
    land.push_back(std::move(shape));
}

}  // namespace

Land ParseLand(std::string_view geoJson) {
    Land land;
    const std::optional<JsonValue> document = ParseJson(geoJson);
    const JsonValue* features = document ? document->member("features") : nullptr;
    if (features == nullptr) {
        return land;
    }
    for (const JsonValue& feature : features->items) {
        const JsonValue* geometry = feature.member("geometry");
        const JsonValue* type = geometry ? geometry->member("type") : nullptr;
        const JsonValue* coordinates = geometry ? geometry->member("coordinates") : nullptr;
        if (type == nullptr || coordinates == nullptr) {
            continue;
        }
        if (type->text == "Polygon") {
            addPolygon(*coordinates, land);
        } else if (type->text == "MultiPolygon") {
            for (const JsonValue& polygon : coordinates->items) {
                addPolygon(polygon, land);
            }
        }
    }
    return land;
}

LandReading ReadLand(const std::string& path) {
    LandReading reading;
    const std::optional<std::string> text = readWholeFile(path, kMaxLandBytes);
    if (!text) {
        reading.problem = "The land file " + path + " could not be read, so the map shows no land.";
        return reading;
    }
    reading.land = ParseLand(*text);
    if (reading.land.empty()) {
        reading.problem =
            "The land file " + path + " holds no land polygons, so the map shows no land.";
    }
    return reading;
}

std::vector<double> LandShifts(const LandShape& shape, double west, double east) {
    std::vector<double> shifts;
    const int first = static_cast<int>(std::floor((west - shape.east) / 360.0));
    const int last = static_cast<int>(std::ceil((east - shape.west) / 360.0));
    for (int turn = first; turn <= last; ++turn) {
        const double shift = turn * 360.0;
        if (shape.east + shift >= west && shape.west + shift <= east) {
            shifts.push_back(shift);
        }
    }
    return shifts;
}

}  // namespace skyloom
