#include "formats/sim_plan.h"

#include "io/text_util.h"

namespace skyloom {

namespace {

SimPlanAirport planAirport(const ResolvedAirport& airport) {
    return {airport.planCode, airport.latitude, airport.longitude,
            leadingNumber(airport.elevation)};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

SimPointKind SimPointKindOf(const std::string& identifier) {
    // "5320N" and the like name a position, not a fix of the database.
    if (identifier.size() >= 2 && isDigit(identifier[0]) && isDigit(identifier[1])) {
        return SimPointKind::LatLon;
    }
    return PointKindByLength(identifier);
}

SimPointKind PointKindByLength(const std::string& identifier) {
    switch (identifier.size()) {
        case 2:
            return SimPointKind::Ndb;
        case 3:
            return SimPointKind::Vor;
        case 4:
        case 5:
            return SimPointKind::Fix;
        default:
            return SimPointKind::LatLon;
    }
}

SimPlan SimPlanFromRoute(const ResolvedRoute& route, const std::string& cruiseAltitude,
                         const std::string& cycle) {
    SimPlan plan;
    plan.departure = planAirport(route.departure);
    plan.destination = planAirport(route.destination);
    plan.cruiseAltitude = leadingNumber(cruiseAltitude);
    plan.cycle = cycle;
    for (const ResolvedPoint* point : route.resolvedPoints()) {
        // A route element's airway is the one before it, except for the first
        // element, which is the entry of the airway after it.
        plan.points.push_back({point->identifier, point->onAirway() ? point->airway : point->via(),
                               point->latitude, point->longitude});
    }
    return plan;
}

std::string CycleOf(const std::string& airacText) {
    const std::string cycle = airacText.substr(0, 4);
    const bool digits = cycle.size() == 4 &&
                        cycle.find_first_not_of("0123456789") == std::string::npos &&
                        (airacText.size() == 4 || airacText[4] == ' ');
    return digits ? cycle : kFallbackCycle;
}

}  // namespace skyloom
