#include "formats/pmdg_route.h"

namespace skyloom {

namespace {

using Lines = std::vector<std::string>;

void addZeros(Lines& lines, int count) {
    lines.insert(lines.end(), static_cast<std::size_t>(count), "0");
}

void addDeparture(Lines& lines, bool is747, const ResolvedAirport& airport, std::size_t records) {
    lines.insert(lines.end(),
                 {"PMDG737NGFMC *2.1* - Computed with Skyloom", "", std::to_string(records), "",
                  airport.code, "1", "DIRECT", airport.position + " " + airport.elevation, "-----",
                  "1", "0", "", "1", airport.elevation, "-", "-1000000", "-1000000"});
    addZeros(lines, is747 ? 19 : 18);
    lines.emplace_back();
}

// A direct waypoint's via is the neighbouring airway (or "DIRECT"), but "-"
// for the last two elements before the destination. An airway point's record
// closes with an empty line, a direct waypoint's does not.
void addWaypoint(Lines& lines, bool is747, const ResolvedPoint& point) {
    const bool walked = point.reached == Reached::OnAirway;
    std::string via = point.lineAirway;
    if (!point.onAirway()) {
        via = point.nearDestination ? "-" : (point.airway.empty() ? "DIRECT" : point.airway);
    }
    lines.insert(lines.end(), {point.identifier, walked ? "5" : "2", via, point.recordText});
    addZeros(lines, is747 ? 22 : 21);
    if (point.onAirway()) {
        lines.emplace_back();
    }
}

void addDestination(Lines& lines, bool is747, const ResolvedAirport& airport) {
    lines.insert(lines.end(),
                 {airport.code, "1", "-", airport.position + " " + airport.elevation, "-----", "0",
                  "0", "", "1", airport.elevation, "-", "-1000000", "-1000000"});
    addZeros(lines, is747 ? 19 : 18);
    lines.emplace_back();
    lines.insert(lines.end(), is747 ? 6 : 5, "-----");
    lines.emplace_back("-1e+006");
    if (is747) {
        lines.emplace_back("0");
    }
}

Lines pmdgRouteLines(const ResolvedRoute& route, bool is747) {
    const auto points = route.resolvedPoints();
    Lines lines;
    addDeparture(lines, is747, route.departure, points.size() + 2);
    for (const ResolvedPoint* point : points) {
        addWaypoint(lines, is747, *point);
    }
    addDestination(lines, is747, route.destination);
    return lines;
}

}  // namespace

Lines Pmdg737RouteLines(const ResolvedRoute& route) {
    return pmdgRouteLines(route, false);
}

Lines Pmdg747RouteLines(const ResolvedRoute& route) {
    return pmdgRouteLines(route, true);
}

}  // namespace skyloom
