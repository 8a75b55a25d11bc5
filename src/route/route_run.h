#pragma once
// The state of one calculation run, shared by the procedures that resolve
// each route element into the resolved route.

#include <string>
#include <vector>

#include "core/command_context.h"
#include "core/resolved_route.h"
#include "geo/coordinates.h"
#include "navdata/nav_database.h"

namespace skyloom {

struct RouteRun {
    CommandContext& context;
    NavDatabase& nav;
    std::vector<std::string> routeWords;  // RouteWords: the last element is empty
    ResolvedRoute route;
    bool airwayMessageShown = false;

    MainWindowData& data() { return context.data; }
    // The last index of RouteWords (the empty element after the destination).
    int lastIndex() const { return static_cast<int>(routeWords.size()) - 1; }
    // Marks an element as not resolved: listed once for the closing message.
    void markUnresolved(const std::string& element);
    // "lat lon" of the last point resolved so far, the departure's at first.
    std::string lastPointText() const;
};

// A resolved point at the position of the two navigation-file texts, which
// `position` was made of.
ResolvedPoint PointAt(const std::string& identifier, const std::string& latitude,
                      const std::string& longitude, const WaypointPosition& position);

// A waypoint named in the route and flown to directly (or the exit point of
// the airway before it).
void AddDirectLeg(RouteRun& run, const std::string& element, int position,
                  const std::string& neighbour);

// An airway between the route elements before and after it: records every
// point strictly between entry and exit in the direction of flight.
void AddAirwayLegs(RouteRun& run, const std::string& airway, int position);

}  // namespace skyloom
