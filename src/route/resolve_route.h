#pragma once
// Resolving a route text against the navigation database: the airports at
// both ends and every route element in between, in flying order. Knows no
// file layout; the writers in formats/ render what it gives.

#include <string>

#include "core/command_context.h"
#include "core/resolved_route.h"
#include "navdata/nav_database.h"

namespace skyloom {

// Upper case assumed; "SID ", "STAR " and "DCT " removed, single blanks, one
// trailing blank.
std::string NormaliseRoute(const std::string& route);

struct RouteResolution {
    ResolvedRoute route;
    bool airwayMessageShown = false;  // an airway's entry or exit was not on it
};

// Resolves a normalised route text. May ask the pilot to choose among
// waypoints of one name, and tells about airways that miss their entry or exit.
RouteResolution ResolveRoute(CommandContext& context, NavDatabase& nav,
                             const std::string& normalised);

}  // namespace skyloom
