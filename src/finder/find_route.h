#pragma once
// The route finder: the shortest airway route between two airports over the
// pilot's own navigation database, written as a route text that the
// calculation reads back as exactly that route.

#include <string>
#include <vector>

#include "finder/airway_network.h"
#include "finder/path_search.h"
#include "navdata/nav_database.h"

namespace skyloom {

// One leg of a found route.
struct FoundLeg {
    std::string from;
    std::string to;
    std::string airway;  // empty: flown direct
    double lengthNm = 0.0;
};

struct FoundRoute {
    bool found = false;
    // Why there is no route, naming the airport or point; empty when found.
    std::string problem;
    // "EDDF ABC UL610 DEF KJFK": departure, points and airways, destination.
    std::string text;
    std::vector<int> points;     // the route's airway points in flying order
    std::vector<FoundLeg> legs;  // from the departure to the destination
    int lengthNm = 0;            // departure over every point to the destination, whole nm
    int airwayLegs = 0;          // legs along an airway
    int directLegs = 0;          // legs flown direct, the two airport joins included
    // The choice window's lines the pilot has to pick while the text is
    // calculated, in the order asked; empty when it asks nothing.
    std::vector<std::string> choices;
};

FoundRoute FindRoute(const AirwayNetwork& network, NavDatabase& nav, const std::string& departure,
                     const std::string& destination, const FinderOptions& options = {});

}  // namespace skyloom
