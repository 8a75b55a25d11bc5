#include "formats/leveld_route.h"

namespace skyloom {

void AddLevelDHeader(std::vector<std::string>& lines, const std::string& departure,
                     const std::string& destination) {
    lines.insert(lines.end(), {";LevelD 767 Flightplan - Computed with Skyloom", "", "", "", "",
                               "H," + departure + "," + destination + ", ,"});
}

void AddLevelDWaypoint(std::vector<std::string>& lines, const std::string& identifier,
                       const std::string& via, const std::string& code, const std::string& latitude,
                       const std::string& longitude) {
    lines.push_back("W," + identifier + "," + via + "," + code + "," + latitude + "," + longitude +
                    ",0.000000,0.000000,0,0,0");
}

void AddLevelDFooter(std::vector<std::string>& lines) {
    lines.insert(lines.end(), {"", "", "End of FlightPlan"});
}

}  // namespace skyloom
