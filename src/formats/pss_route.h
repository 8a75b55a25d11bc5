#pragma once
// PSS 777 FMC route file (.b2r):
//
//   Origin=EDDF
//   Destination=KJFK
//   waypoints_number=2
//   wp0.Type=2
//   wp0.VIA=
//   wp0.Name=ABC
//   ... 22 lines per waypoint, no footer

#include <string>
#include <vector>

namespace skyloom {

void AddPssHeader(std::vector<std::string>& lines, const std::string& departure,
                  const std::string& destination);
// `type` is "1" (direct), "2" (first waypoint) or "3" (on an airway).
void AddPssWaypoint(std::vector<std::string>& lines, int index, const std::string& type,
                    const std::string& via, const std::string& identifier,
                    const std::string& latitude, const std::string& longitude);

}  // namespace skyloom
