#include "formats/pss_route.h"

namespace skyloom {

void AddPssHeader(std::vector<std::string>& lines, const std::string& departure,
                  const std::string& destination) {
    lines.insert(lines.end(), {"Origin=" + departure, "Destination=" + destination, "#"});
}

void AddPssWaypoint(std::vector<std::string>& lines, int index, const std::string& type,
                    const std::string& via, const std::string& identifier,
                    const std::string& latitude, const std::string& longitude) {
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
    lines.push_back(wp + ".Type=" + type);
    lines.push_back(wp + ".VIA=" + via);
    lines.push_back(wp + ".Name=" + identifier);
    lines.push_back(wp + ".Lat=" + latitude);
    lines.push_back(wp + ".Lon=" + longitude);
    for (const char* key : fixedKeys) {
        lines.push_back(wp + key);
    }
}

}  // namespace skyloom
