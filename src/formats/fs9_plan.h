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

#include "core/resolved_route.h"
#include "core/settings.h"

namespace skyloom {

// The waypoint lines alone, departure first (List5).
std::vector<std::string> Fs9PlanWaypointLines(const ResolvedRoute& route);
// The whole plan: its keys, then `waypointLines`, those of the route (List4).
std::vector<std::string> Fs9PlanLines(const ResolvedRoute& route, const std::string& cruiseAltitude,
                                      const std::vector<std::string>& waypointLines);

// The plan file always goes into PathFsPlans, named without a prefix.
inline constexpr std::string Settings::*kFs9PlanFolder = &Settings::pathFsPlans;
inline constexpr const char* kFs9PlanExtension = ".pln";

}  // namespace skyloom
