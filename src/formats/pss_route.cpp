#include "formats/pss_route.h"

namespace skyloom {

namespace {

// Type "2" for the first route element, "3" for a point flown on an airway,
// "1" for one flown to directly.
void addWaypoint(std::vector<std::string>& lines, std::size_t index, const ResolvedPoint& point) {
    const std::string wp = "wp" + std::to_string(index);
    const char* fixedKeys[] = {".AltType=0",
                               ".Alt=-1",
                               ".Alt2=-1",
                               ".Speed=-1",
                               ".Mach = -1",
                               ".proc.MagCourse=0.000000",
                               ".proc.ArcRadius=1.000000",
                               ".proc.Distance=1.000000",
                               ".proc.Bearing=0.000000",
                               ".proc.RecNav=",
                               ".proc.Turn=0",
                               ".proc.Path=0",
                               ".proc.util_Lat=0.000000",
                               ".proc.util_Lon=0.000000",
                               ".proc.RecNav_Lat=0.000000",
                               ".proc.RecNav_Lon=0.000000",
                               ".proc.overfly=0"};
    const std::string via = point.via();
    lines.push_back(wp + ".Type=" + (point.firstElement ? "2" : (via.empty() ? "1" : "3")));
    lines.push_back(wp + ".VIA=" + via);
    lines.push_back(wp + ".Name=" + point.identifier);
    lines.push_back(wp + ".Lat=" + point.latitudeText);
    lines.push_back(wp + ".Lon=" + point.longitudeText);
    for (const char* key : fixedKeys) {
        lines.push_back(wp + key);
    }
}

}  // namespace

std::vector<std::string> PssRouteLines(const ResolvedRoute& route) {
    const auto points = route.resolvedPoints();
    std::vector<std::string> lines{"Origin=" + route.departure.code,
                                   "Destination=" + route.destination.code,
                                   "waypoints_number=" + std::to_string(points.size())};
    for (std::size_t index = 0; index < points.size(); ++index) {
        addWaypoint(lines, index, *points[index]);
    }
    return lines;
}

}  // namespace skyloom
