#pragma once
// The length of a resolved route.

#include "core/resolved_route.h"
#include "geo/great_circle.h"

namespace skyloom {

// Sum of the legs from the departure over every resolved point to the
// destination, rounded half up to whole nautical miles.
int TotalRouteDistance(const ResolvedRoute& route);

}  // namespace skyloom
