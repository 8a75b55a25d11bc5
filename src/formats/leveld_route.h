#pragma once
// LevelD 767 FMC route file (.rte):
//
//   ;LevelD 767 Flightplan - Computed with Skyloom
//   (four empty lines)
//   H,EDDF,KJFK, ,
//   W,ABC,UL610,30,50.123456,8.123456,0.000000,0.000000,0,0,0
//   (two empty lines)
//   End of FlightPlan

#include <string>
#include <vector>

namespace skyloom {

void AddLevelDHeader(std::vector<std::string>& lines, const std::string& departure,
                     const std::string& destination);
void AddLevelDWaypoint(std::vector<std::string>& lines, const std::string& identifier,
                       const std::string& via, const std::string& code, const std::string& latitude,
                       const std::string& longitude);
void AddLevelDFooter(std::vector<std::string>& lines);

}  // namespace skyloom
