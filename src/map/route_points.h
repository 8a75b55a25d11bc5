#pragma once
// The route as the map draws it: every point with its name, read from the
// data store of the last calculation or loaded flight.

#include <string>
#include <vector>

#include "core/main_data.h"
#include "map/map_geometry.h"

namespace skyloom {

enum class MapPointKind { Departure, Waypoint, Destination };

struct MapPoint {
    std::string label;  // identifier, Windows-1252
    GeoPoint position;
    MapPointKind kind = MapPointKind::Waypoint;
};

// The route's points in flying order. The names come from the route listing
// and the simulator plan's "departure_id=" and "destination_id=" lines; the
// positions from the last calculation's resolved route while the listing and
// the plan show that route. A loaded flight brings no resolved route, so then
// the positions are read from the listing and the plan's airport lines. Lines
// that cannot be read are left out. Empty when there is no route.
std::vector<MapPoint> RouteMapPoints(const MainWindowData& data);

// A route listing line "KRL" + tab + "N 50.123456" + tab + "E 8.123456".
bool ReadListingLine(const std::string& line, std::string& identifier, GeoPoint& position);

// A simulator-plan coordinate text such as "N50* 2.0', E8* 34.14', 364":
// degrees, minutes and seconds (the part after the minutes' point).
bool ReadPlanCoordinates(const std::string& text, GeoPoint& position);

// The positions of the points, in order.
std::vector<GeoPoint> PositionsOf(const std::vector<MapPoint>& points);

}  // namespace skyloom
