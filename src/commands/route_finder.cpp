#include "commands/route_finder.h"

#include "io/text_util.h"

namespace skyloom {

namespace {

std::string counted(int count, const std::string& what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

}  // namespace

std::optional<AirportPair> AirportsOfRouteText(const std::string& route) {
    const std::string text = toUpper1252(trimBlanks(route));
    if (text.size() < 9) {
        return std::nullopt;
    }
    return AirportPair{leftOf(text, 4), rightOf(text, 4)};
}

FoundRoute FindAirwayRoute(Session& session, const AirportPair& airports) {
    Prompts& prompts = session.prompts;
    prompts.setBusy(true);
    const AirwayNetwork& network = session.airwayNetwork();
    FoundRoute found = FindRoute(network, session.nav(), toUpper1252(airports.departure),
                                 toUpper1252(airports.destination));
    prompts.setBusy(false);
    if (!found.found) {
        prompts.message({found.problem, MessageButtons::Ok, MessageIcon::Information, ""});
    }
    return found;
}

std::string FoundRouteFigures(const FoundRoute& route) {
    return std::to_string(route.lengthNm) + " nm, " + counted(route.airwayLegs, "airway leg") +
           ", " + counted(route.directLegs, "direct leg");
}

void UseFoundRoute(MainWindowData& data, const FoundRoute& route) {
    if (route.found) {
        data.route = route.text;
    }
}

}  // namespace skyloom
