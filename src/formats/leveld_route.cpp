#include "formats/leveld_route.h"

namespace skyloom {

std::vector<std::string> LevelDRouteLines(const ResolvedRoute& route) {
    std::vector<std::string> lines{
        ";LevelD 767 Flightplan - Computed with Skyloom",
        "",
        "",
        "",
        "",
        "H," + route.departure.code + "," + route.destination.code + ", ,"};
    // Positions keep the navigation file's sign and digits.
    for (const ResolvedPoint* point : route.resolvedPoints()) {
        const std::string via = point->via();
        lines.push_back("W," + point->identifier + "," + via + "," + (via.empty() ? "0" : "30") +
                        "," + point->latitudeText + "," + point->longitudeText +
                        ",0.000000,0.000000,0,0,0");
    }
    lines.insert(lines.end(), {"", "", "End of FlightPlan"});
    return lines;
}

}  // namespace skyloom
