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

#include "core/resolved_route.h"

namespace skyloom {

std::vector<std::string> PssRouteLines(const ResolvedRoute& route);

}  // namespace skyloom
