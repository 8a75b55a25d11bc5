#pragma once
// A flight as today's simulators plan it: the two airports and the route
// points in flying order, each with its position as numbers and the airway by
// which it is reached. The X-Plane and MSFS writers render it; it is made from
// the last calculation's resolved route, or from what a loaded flight holds.

#include <string>
#include <vector>

#include "core/resolved_route.h"

namespace skyloom {

struct SimPlanAirport {
    std::string code;
    double latitude = 0.0;
    double longitude = 0.0;
    double elevation = 0.0;  // feet
};

struct SimPlanPoint {
    std::string identifier;
    std::string airway;  // the airway by which the point is reached; empty: flown to directly
    double latitude = 0.0;
    double longitude = 0.0;
};

struct SimPlan {
    SimPlanAirport departure;
    SimPlanAirport destination;
    std::vector<SimPlanPoint> points;  // between the airports
    double cruiseAltitude = 0.0;       // feet
    std::string cycle;                 // four digits
};

// The kind of a route point, read from its identifier's length as the FS9
// plan reads it: two letters an NDB, three a VOR, four or five a named fix;
// anything else, and a name that opens with two digits ("5320N", the name of a
// position on the ocean tracks), a point known only by its position.
enum class SimPointKind { Ndb, Vor, Fix, LatLon };
SimPointKind SimPointKindOf(const std::string& identifier);
// The FS9 plan's rule alone, by the length only.
SimPointKind PointKindByLength(const std::string& identifier);

// The plan of a calculated flight. A point is reached by an airway when it
// was walked on it, or when it ends the airway written before it in the route.
SimPlan SimPlanFromRoute(const ResolvedRoute& route, const std::string& cruiseAltitude,
                         const std::string& cycle);

// The AIRAC cycle for the plans: the four digits that open the AIRAC text of
// fmc_ident.txt ("2612 - 26NOV-23DEC/26"), or kFallbackCycle without them.
inline constexpr const char* kFallbackCycle = "0000";
std::string CycleOf(const std::string& airacText);

}  // namespace skyloom
