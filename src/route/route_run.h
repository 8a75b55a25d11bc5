#pragma once
// The state of one calculation run, shared by the calculate command and the
// procedures that resolve each route element.

#include <string>
#include <vector>

#include "core/command_context.h"
#include "formats/fmc_layout.h"
#include "navdata/nav_database.h"

namespace skyloom {

struct RouteRun {
    CommandContext& context;
    NavDatabase& nav;
    FmcLayout layout;
    std::vector<std::string> routeWords;  // RouteWords: the last element is empty
    int waypointNumber = 0;               // WaypointNumber
    int fmcWaypointCount = 0;             // FmcWaypointCount
    bool routeIncomplete = false;         // RouteIncomplete
    bool airwayMessageShown = false;

    MainWindowData& data() { return context.data; }
    // The last index of RouteWords (the empty element after the destination).
    int lastIndex() const { return static_cast<int>(routeWords.size()) - 1; }
    // Marks an element as not resolved: listed once for the closing message.
    void markUnresolved(const std::string& element);
};

// A waypoint named in the route and flown to directly (or the exit point of
// the airway before it).
void AddDirectLeg(RouteRun& run, const std::string& element, int position,
                  const std::string& neighbour);

// An airway between the route elements before and after it: records every
// point strictly between entry and exit in the direction of flight.
void AddAirwayLegs(RouteRun& run, const std::string& airway, int position);

}  // namespace skyloom
