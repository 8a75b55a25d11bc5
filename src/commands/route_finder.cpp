#include "commands/route_finder.h"

#include "io/number_format.h"
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

std::optional<AirportPair> AirportsToFind(CommandContext& context) {
    if (std::optional<AirportPair> inRoute = AirportsOfRouteText(context.data.route)) {
        return inRoute;
    }
    std::optional<std::string> typed = context.prompts.input(
        {"Departure and destination airport (two ICAO codes):", "Find route", ""});
    if (!typed) {
        return std::nullopt;
    }
    std::vector<std::string> codes;
    for (const std::string& word : splitAt(toUpper1252(*typed), ' ')) {
        if (!word.empty()) {
            codes.push_back(word);
        }
    }
    if (codes.size() != 2) {
        context.prompts.message({"Please type two airport codes, such as EDDF KJFK.",
                                 MessageButtons::Ok, MessageIcon::Information, ""});
        return std::nullopt;
    }
    return AirportPair{codes[0], codes[1]};
}

FoundRoute FindAirwayRoute(Session& session, const AirportPair& airports) {
    Prompts& prompts = session.prompts;
    prompts.setBusy(true);
    // As a calculation does: the files as they are now, the network with them.
    session.nav().checkForChanges();
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

std::vector<std::string> FoundRouteLegLines(const FoundRoute& route) {
    std::vector<std::string> lines;
    for (const FoundLeg& leg : route.legs) {
        lines.push_back(leg.from + " " + (leg.airway.empty() ? "DCT" : leg.airway) + " " + leg.to +
                        " " + formatFixed(leg.lengthNm, 0, false) + " nm");
    }
    return lines;
}

std::string FoundRouteChoiceText(const FoundRoute& route) {
    if (route.choices.empty()) {
        return std::string();
    }
    std::string text = "Calculate asks to choose among waypoints of one name; pick:";
    for (const std::string& choice : route.choices) {
        text += kCrLf + choice;
    }
    return text;
}

void UseFoundRoute(MainWindowData& data, const FoundRoute& route) {
    if (route.found) {
        data.route = route.text;
    }
}

}  // namespace skyloom
