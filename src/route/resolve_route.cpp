#include "route/resolve_route.h"

#include "io/text_util.h"
#include "route/route_run.h"

namespace skyloom {

namespace {

// `planCode` is the first or last four characters of the cleaned text, which
// the simulator plan names the airport by.
ResolvedAirport resolveAirport(NavDatabase& nav, const std::string& word,
                               const std::string& planCode, bool decimalCommaAsPoint) {
    ResolvedAirport airport;
    airport.code = word;
    airport.planCode = planCode;
    airport.longitudeText = nav.FindAirportCoordinates(word, airport.latitudeText);
    auto read = [decimalCommaAsPoint](const std::string& text) {
        return leadingNumber(decimalCommaAsPoint ? replaceAll(text, ",", ".") : text);
    };
    airport.latitude = read(airport.latitudeText);
    airport.longitude = read(airport.longitudeText);
    airport.position = nav.FindAirportPosition(word);
    airport.elevation = nav.FindAirportElevation(word);
    return airport;
}

}  // namespace

std::string NormaliseRoute(const std::string& route) {
    std::string text = trimBlanks(route) + " ";
    text = replaceAll(text, "SID ", "");
    text = replaceAll(text, "STAR ", "");
    text = replaceAll(text, "DCT ", "");
    while (contains(text, "  ")) {
        text = replaceAll(text, "  ", " ");
    }
    return text;
}

RouteResolution ResolveRoute(CommandContext& context, NavDatabase& nav,
                             const std::string& normalised) {
    RouteRun run{context, nav, splitAt(normalised, ' '), {}, false};
    const std::vector<std::string>& words = run.routeWords;
    const std::string cleaned = trimBlanks(normalised);
    const std::string destinationWord = words.size() >= 2 ? words[words.size() - 2] : "";
    run.route.departure = resolveAirport(nav, words.front(), leftOf(cleaned, 4), false);
    run.route.destination = resolveAirport(nav, destinationWord, rightOf(cleaned, 4), true);

    const int bound = run.lastIndex() - 2;
    for (int i = 1; i <= bound; ++i) {
        const std::string& element = words[static_cast<std::size_t>(i)];
        if (nav.IsAirway(element)) {
            AddAirwayLegs(run, element, i);
        } else {
            AddDirectLeg(run, element, i, words[static_cast<std::size_t>(i == 1 ? 2 : i - 1)]);
        }
    }
    return {std::move(run.route), run.airwayMessageShown};
}

}  // namespace skyloom
