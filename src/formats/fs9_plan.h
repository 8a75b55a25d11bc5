#pragma once
// FS9 simulator flight plan (.pln):
//
//   [flightplan]
//   title=EDDF to KJFK
//   description=EDDF, KJFK
//   type=IFR
//   routetype=3
//   cruising_altitude=31000
//   departure_id=EDDF, N50* 2.0', E8* 34.14', 364
//   destination_id=KJFK, ...
//   departure_name =EDDF
//   destination_name =KJFK
//   waypoint.0=EDDF, A, N50* 2.0', E8* 34.14', 364,
//   waypoint.1=ABC, V, N50* 7.24', E8* 7.24', 0, UL610
//   ...

#include <string>
#include <vector>

namespace skyloom {

void AddPlanHeader(std::vector<std::string>& lines, const std::string& departure,
                   const std::string& destination, const std::string& cruiseAltitude);
// The type letter by the identifier's length: "N, ", "V, ", "I, " or nothing.
std::string PlanWaypointType(const std::string& identifier);
// "waypoint.N=" + rest
std::string PlanWaypointLine(int number, const std::string& rest);
std::string PlanAirportLine(int number, const std::string& code, const std::string& coordinates);

}  // namespace skyloom
