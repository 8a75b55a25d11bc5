#include "formats/fs9_plan.h"

#include "formats/sim_plan.h"
#include "geo/coordinates.h"

namespace skyloom {

namespace {

// The type letter by the identifier's length: "N, ", "V, ", "I, " or nothing.
std::string planWaypointType(const std::string& identifier) {
    switch (PointKindByLength(identifier)) {
        case SimPointKind::Ndb:
            return "N, ";
        case SimPointKind::Vor:
            return "V, ";
        case SimPointKind::Fix:
            return "I, ";
        case SimPointKind::LatLon:
            return "";
    }
    return "";
}

std::string airportCoordinates(const ResolvedAirport& airport) {
    return FormatFs9Coordinates(airport.position, airport.elevation);
}

// A direct waypoint's airway follows a bare ",", an airway point's ", ".
std::string waypointRest(const ResolvedPoint& point) {
    const std::string& record = point.recordText;
    return point.identifier + ", " + planWaypointType(point.identifier) +
           FormatFs9Coordinates(record.substr(0, record.size() - 2), "0") +
           (point.onAirway() ? ", " + point.airway : "," + point.lineAirway);
}

}  // namespace

std::vector<std::string> Fs9PlanWaypointLines(const ResolvedRoute& route) {
    std::vector<std::string> rests{route.departure.planCode + ", A, " +
                                   airportCoordinates(route.departure) + ","};
    for (const ResolvedPoint* point : route.resolvedPoints()) {
        rests.push_back(waypointRest(*point));
    }
    rests.push_back(route.destination.planCode + ", A, " + airportCoordinates(route.destination) +
                    ",");
    std::vector<std::string> lines;
    for (std::size_t number = 0; number < rests.size(); ++number) {
        lines.push_back("waypoint." + std::to_string(number) + "=" + rests[number]);
    }
    return lines;
}

std::vector<std::string> Fs9PlanLines(const ResolvedRoute& route, const std::string& cruiseAltitude,
                                      const std::vector<std::string>& waypointLines) {
    const ResolvedAirport& from = route.departure;
    const ResolvedAirport& to = route.destination;
    std::vector<std::string> lines{
        "[flightplan]",
        "title=" + from.titleCode + " to " + to.titleCode,
        "description=" + from.titleCode + ", " + to.titleCode,
        "type=IFR",
        "routetype=3",
        "cruising_altitude=" + cruiseAltitude,
        "departure_id=" + from.planCode + ", " + airportCoordinates(from),
        "destination_id=" + to.planCode + ", " + airportCoordinates(to),
        "departure_name =" + from.planCode,
        "destination_name =" + to.planCode};
    lines.insert(lines.end(), waypointLines.begin(), waypointLines.end());
    return lines;
}

}  // namespace skyloom
