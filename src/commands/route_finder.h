#pragma once
// The "Find route…" menu entry and skyloom-cli's --find-route: the finder's
// shortest airway route between two airports, on the session's navigation
// database. The window only shows what these give.

#include <optional>
#include <string>
#include <vector>

#include "commands/session.h"
#include "finder/find_route.h"

namespace skyloom {

struct AirportPair {
    std::string departure;
    std::string destination;
};

// The airports of a route text: its first and last four characters, in upper
// case; nothing when the text is shorter than two codes and a blank.
std::optional<AirportPair> AirportsOfRouteText(const std::string& route);

// The airports to search between: those of the route text, or else those
// the pilot types (two codes); nothing when the pilot cancels.
std::optional<AirportPair> AirportsToFind(CommandContext& context);

// Searches with the busy pointer; a pair with no route is told to the pilot
// (naming the airport that could not be joined) and gives a route not found.
FoundRoute FindAirwayRoute(Session& session, const AirportPair& airports);

// "3456 nm, 12 airway legs, 3 direct legs"
std::string FoundRouteFigures(const FoundRoute& route);

// One line per leg: "NOSAK UL610 BETUN 31 nm", "EDDF DCT NOSAK 25 nm".
std::vector<std::string> FoundRouteLegLines(const FoundRoute& route);

// What the pilot is asked while the text is calculated, or empty text:
// "Calculate asks to choose among waypoints of one name; pick:" and the lines.
std::string FoundRouteChoiceText(const FoundRoute& route);

// "Use": the found text becomes the route text of the data store.
void UseFoundRoute(MainWindowData& data, const FoundRoute& route);

}  // namespace skyloom
