#pragma once
// PMDG 737NG / 747 FMC route file (.rte). A file starts like this:
//
//   PMDG737NGFMC *2.1* - Computed with Skyloom
//   (empty)
//   3                      <- waypoint records, departure and destination included
//   (empty)
//   EDDF
//   1
//   DIRECT
//   1 N 50.033333 E 8.570556 364
//   -----
//   ...
//
// The 747 form adds one "0" to every record (and a few lines to the
// destination's tail); everything else is shared.

#include <string>
#include <vector>

#include "core/resolved_route.h"

namespace skyloom {

std::vector<std::string> Pmdg737RouteLines(const ResolvedRoute& route);
std::vector<std::string> Pmdg747RouteLines(const ResolvedRoute& route);

}  // namespace skyloom
