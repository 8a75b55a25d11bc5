#pragma once

#include "core/command_context.h"
#include "navdata/nav_database.h"

namespace skyloom {

struct CalculateResult {
    bool completed = false;           // passed the airport checks and ran to its end
    bool routeIncomplete = false;     // an element could not be resolved
    bool airwayMessageShown = false;  // an airway's entry or exit was not on it
};

// The "Calculate" command: resolves the route text of the data store against
// the navigation database and fills every list of the data store.
CalculateResult Calculate(CommandContext& context, NavDatabase& nav);

}  // namespace skyloom
