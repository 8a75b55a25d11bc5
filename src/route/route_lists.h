#pragma once
// The data store's lists that show a resolved route: the route listing
// (List3) and the coordinate list (List8).

#include <string>
#include <vector>

#include "core/resolved_route.h"

namespace skyloom {

// One line per resolved point: "ABC" + tab + "N 50.123456" + tab + "E 8.123456".
std::vector<std::string> RouteListingLines(const ResolvedRoute& route);

// "lat lon" per point as the navigation files wrote them, departure first,
// destination last (its decimal commas turned into points).
std::vector<std::string> RoutePointLines(const ResolvedRoute& route);

}  // namespace skyloom
