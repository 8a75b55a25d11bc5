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

#include "core/resolved_route.h"

namespace skyloom {

std::vector<std::string> LevelDRouteLines(const ResolvedRoute& route);

}  // namespace skyloom
