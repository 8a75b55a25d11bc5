#pragma once
// The land under the route map: the polygons of a GeoJSON file (the world's
// coastlines beside the program), and the copies of each polygon a whole turn
// east or west that a view across the date line needs.

#include <string>
#include <string_view>
#include <vector>

#include "map/map_geometry.h"

namespace skyloom {

// A land polygon in longitude and latitude: its outer ring followed by its
// holes, and the outer ring's westmost and eastmost longitude.
struct LandShape {
    std::vector<std::vector<GeoPoint>> rings;
    double west = 0.0;
    double east = 0.0;
};
using Land = std::vector<LandShape>;

// The land file is about 140 kB; anything far larger is not it.
inline constexpr long long kMaxLandBytes = 16LL * 1024 * 1024;

// The Polygon and MultiPolygon geometries of a GeoJSON feature collection.
// Rings of fewer than three positions, positions that are not two numbers and
// positions off the globe (longitude beyond 180, latitude beyond 90 degrees
// either way) are left out; text that is not JSON gives no land.
Land ParseLand(std::string_view geoJson);

struct LandReading {
    Land land;
    std::string problem;  // why the map shows no land, or empty
};

// Reads the land file at `path`. A missing, unreadable or oversized file, or
// one without polygons, gives no land and a sentence naming the file.
LandReading ReadLand(const std::string& path);

// The shifts, whole turns of 360 degrees, at which a copy of `shape` reaches
// into the longitudes from `west` to `east`, from west to east.
std::vector<double> LandShifts(const LandShape& shape, double west, double east);

}  // namespace skyloom
