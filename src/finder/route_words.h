#pragma once
// Writing a found path as the words of a route text that the route
// calculation reads back as exactly that path, point for point: the first
// point, then for each airway stretch the airway and its exit point, and
// direct points as plain words. A stretch whose exit would be read as another
// point is cut into shorter stretches, or its points written as plain words.

#include <string>
#include <vector>

#include "finder/airway_network.h"
#include "finder/path_search.h"

namespace skyloom {

struct RouteWords {
    std::vector<std::string> words;  // between the departure and the destination
    // The choice window's lines the pilot must pick, in the order asked.
    std::vector<std::string> choices;
    std::vector<int> choicePoints;  // the points that need them
    // The first point no text can lead to, or -1.
    int unwritablePoint = -1;
};

RouteWords WriteRouteWords(const AirwayNetwork& network, const std::vector<PathLeg>& legs,
                           const std::string& destination);

}  // namespace skyloom
