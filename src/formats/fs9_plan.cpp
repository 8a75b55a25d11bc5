#include "formats/fs9_plan.h"

namespace skyloom {

void AddPlanHeader(std::vector<std::string>& lines, const std::string& departure,
                   const std::string& destination, const std::string& cruiseAltitude) {
    lines.insert(lines.end(), {"[flightplan]", "title=" + departure + " to " + destination,
                               "description=" + departure + ", " + destination, "type=IFR",
                               "routetype=3", "cruising_altitude=" + cruiseAltitude});
}

std::string PlanWaypointType(const std::string& identifier) {
    switch (identifier.size()) {
        case 2:
            return "N, ";
        case 3:
            return "V, ";
        case 4:
        case 5:
            return "I, ";
        default:
            return "";
    }
}

std::string PlanWaypointLine(int number, const std::string& rest) {
    return "waypoint." + std::to_string(number) + "=" + rest;
}

std::string PlanAirportLine(int number, const std::string& code, const std::string& coordinates) {
    return PlanWaypointLine(number, code + ", A, " + coordinates + ",");
}

}  // namespace skyloom
