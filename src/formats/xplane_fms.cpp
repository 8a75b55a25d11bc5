#include "formats/xplane_fms.h"

#include "io/number_format.h"

namespace skyloom {

namespace {

// Six decimals with a point in every locale; a value that rounds to zero is
// written without a minus sign.
std::string decimal(double value) {
    return formatFixed(value, 6, false);
}

// An identifier is one word of the line.
std::string word(std::string identifier) {
    for (char& c : identifier) {
        if (c == ' ' || c == '\t') {
            c = '_';
        }
    }
    return identifier.empty() ? std::string("_") : identifier;
}

int kindNumber(SimPointKind kind) {
    switch (kind) {
        case SimPointKind::Ndb:
            return 2;
        case SimPointKind::Vor:
            return 3;
        case SimPointKind::Fix:
            return 11;
        case SimPointKind::LatLon:
            return 28;
    }
    return 28;
}

std::string waypointLine(int kind, const std::string& identifier, const std::string& via,
                         double altitude, double latitude, double longitude) {
    return std::to_string(kind) + " " + word(identifier) + " " + via + " " + decimal(altitude) +
           " " + decimal(latitude) + " " + decimal(longitude);
}

}  // namespace

std::vector<std::string> XPlaneFmsLines(const SimPlan& plan) {
    const SimPlanAirport& from = plan.departure;
    const SimPlanAirport& to = plan.destination;
    std::vector<std::string> lines{"I",
                                   "1100 Version",
                                   "CYCLE " + plan.cycle,
                                   "ADEP " + word(from.code),
                                   "ADES " + word(to.code),
                                   "NUMENR " + std::to_string(plan.points.size() + 2)};
    lines.push_back(
        waypointLine(1, from.code, "ADEP", from.elevation, from.latitude, from.longitude));
    for (const SimPlanPoint& point : plan.points) {
        lines.push_back(waypointLine(kindNumber(SimPointKindOf(point.identifier)), point.identifier,
                                     point.airway.empty() ? "DRCT" : word(point.airway),
                                     plan.cruiseAltitude, point.latitude, point.longitude));
    }
    lines.push_back(waypointLine(1, to.code, "ADES", to.elevation, to.latitude, to.longitude));
    return lines;
}

}  // namespace skyloom
