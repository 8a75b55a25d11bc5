#pragma once
// How the route calculation will read the words of a route text back, worked
// out on the lines of the airway file the network holds: which line a plain
// waypoint word resolves to beside its neighbouring word, when it would ask
// the pilot to choose, and which lines an airway word walks between its entry
// and exit words. The finder writes only what reads back as the path it chose.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "finder/airway_network.h"

namespace skyloom {

struct ReadWaypoint {
    enum class Kind { Point, Choice, Nothing } kind = Kind::Nothing;
    // Point: the position the word resolves to (identifier, latitude and
    // longitude texts, as in the choice window's line "ABC 50.1:8.2").
    std::string line;
    // Choice: the lines the pilot is offered.
    std::vector<std::string> candidates;
};

// The choice window's line of a network point: "ABC 50.1:8.2".
std::string CandidateLine(const NetworkPoint& point);

// A waypoint word beside its neighbour (the word after it for the first
// element, otherwise the word before it).
ReadWaypoint ReadWaypointWord(const AirwayNetwork& network, std::string_view word,
                              std::string_view neighbour);

// The lines an airway word walks between its entry and exit words, in the
// direction of flight; nothing when the entry or the exit is not on it.
std::optional<std::vector<int>> ReadAirwayWord(const AirwayNetwork& network,
                                               std::string_view airway, std::string_view entry,
                                               std::string_view exit);

// A word the route text can carry as it is: the clean-up of the text leaves
// it alone, and a waypoint word (`asWaypoint`) is not taken for an airway.
bool Writable(const AirwayNetwork& network, std::string_view word, bool asWaypoint);

}  // namespace skyloom
