// The route finder over navigation files of the input: airports.dat,
// wpNavAPT.txt and wpNavRTE.txt as its first three parts, and the route text
// whose first and last codes name the airports to join as the fourth.

#include "commands/route_finder.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 4);
    fuzz::writeScratch(kAirportsFile, parts[0]);
    fuzz::writeScratch(kRunwaysFile, parts[1]);
    fuzz::writeScratch(kAirwaysFile, parts[2]);
    fuzz::FuzzPrompts prompts({});
    Session session(fuzz::scratchFolder() + "program", prompts);
    session.settings.pathNavData = fuzz::scratchFolder();
    if (const auto airports = AirportsOfRouteText(parts[3])) {
        const FoundRoute route = FindAirwayRoute(session, *airports);
        FoundRouteFigures(route);
        FoundRouteLegLines(route);
        FoundRouteChoiceText(route);
    }
    return 0;
}
