#include "commands/calculate.h"

#include "formats/fmc_formats.h"
#include "formats/fs9_plan.h"
#include "fuel/fuel_time.h"
#include "io/text_util.h"
#include "navdata/runway_list.h"
#include "route/cruise_level.h"
#include "route/distance.h"
#include "route/resolve_route.h"
#include "route/route_lists.h"

namespace skyloom {

namespace {

// The departure word and the destination word of a normalised route text.
std::vector<std::string> airportWords(const std::string& normalised) {
    std::vector<std::string> words = splitAt(normalised, ' ');
    if (words.size() < 2) {
        return words;
    }
    return {words.front(), words[words.size() - 2]};
}

// Westbound (the departure's longitude text reads greater) wants an even level.
Colour cruiseCheckColour(const ResolvedRoute& route, const std::string& cruise) {
    bool westbound = leadingNumber(route.departure.longitudeText) >
                     leadingNumber(route.destination.longitudeText);
    bool odd = IsOddCruiseLevel(cruise);
    return (westbound ? !odd : odd) ? kGreen : kRed;
}

void reportUnresolved(CommandContext& context) {
    std::string text = "One or more Waypoints or Airways not found during calculation.\r\n";
    int number = 1;
    for (const std::string& name : context.data.unresolved) {
        text += std::to_string(number++) + ". " + name + "\r\n";
    }
    context.prompts.message({text, MessageButtons::Ok, MessageIcon::Critical, ""});
}

// The files every calculation reads beyond airports.dat; a missing one, or
// one that cannot be read (a navigation update may leave a file of another
// user behind), is named once so that it does not look like unknown waypoints.
void reportMissingFiles(CommandContext& context, NavDatabase& nav) {
    for (NavLines* file : {&nav.airways(), &nav.runways()}) {
        if (!file->readable()) {
            context.prompts.message({"The navigation file '" + file->path() + "' cannot be read.",
                                     MessageButtons::Ok, MessageIcon::Information, ""});
        }
    }
}

// An airports.dat that is there but cannot be read is named, rather than
// taken for a file without the airports (a missing one is the lookup's to tell).
bool airportsReadable(CommandContext& context, NavDatabase& nav) {
    NavLines& file = nav.airports();
    if (!file.exists() || file.readable()) {
        return true;
    }
    context.prompts.message({"The navigation file '" + file.path() + "' cannot be read.",
                             MessageButtons::Ok, MessageIcon::Information, ""});
    return false;
}

// Both airports must be known, and both airport words must have a position
// the files can be written with (a damaged line, or a word longer than its
// code, would give broken files). Gives the two codes, or nothing after a message.
bool checkAirports(CommandContext& context, NavDatabase& nav, std::string& departureCode,
                   std::string& destinationCode) {
    if (!airportsReadable(context, nav)) {
        return false;
    }
    const std::string trimmed = trimBlanks(context.data.route);
    departureCode = leftOf(trimmed, 4);
    if (!nav.AirportExists(departureCode, context.prompts)) {
        context.prompts.message({"Departure Airport' " + departureCode + "' not found!",
                                 MessageButtons::Ok, MessageIcon::Information, ""});
        return false;
    }
    destinationCode = rightOf(trimmed, 4);
    if (!nav.AirportExists(destinationCode, context.prompts)) {
        context.prompts.message({"Destination Airport' " + destinationCode + "' not found!",
                                 MessageButtons::Ok, MessageIcon::Information, ""});
        return false;
    }
    for (const std::string& word : airportWords(NormaliseRoute(context.data.route))) {
        if (nav.FindAirportPosition(word).empty()) {
            context.prompts.message(
                {"The airport '" + word + "' has no readable position in airports.dat.",
                 MessageButtons::Ok, MessageIcon::Information, ""});
            return false;
        }
    }
    return true;
}

// Every list the data store shows of a route, rendered from the resolved route.
void showRoute(MainWindowData& data, ResolvedRoute route) {
    data.fmcLines = FmcFormatFor(data.aircraft).write(route);
    data.routeListing = RouteListingLines(route);
    data.planWaypointLines = Fs9PlanWaypointLines(route);
    data.planLines = Fs9PlanLines(route, data.cruiseAltitude, data.planWaypointLines);
    data.unresolved = route.unresolvedNames();
    data.routePoints = RoutePointLines(route);
    data.cruiseCheckColour = cruiseCheckColour(route, data.cruiseAltitude);
    data.distance = std::to_string(TotalRouteDistance(route));
    data.resolvedRoute = std::move(route);
}

}  // namespace

CalculateResult Calculate(CommandContext& context, NavDatabase& nav) {
    MainWindowData& data = context.data;
    if (trimBlanks(data.route).empty()) {
        return {};
    }
    data.route = toUpper1252(data.route);
    nav.checkForChanges();
    std::string departureCode;
    std::string destinationCode;
    if (!checkAirports(context, nav, departureCode, destinationCode)) {
        return {};
    }
    data.saveEnabled = false;
    context.prompts.setBusy(true);
    for (auto* list : {&data.fmcLines, &data.routeListing, &data.planLines, &data.planWaypointLines,
                       &data.unresolved, &data.routePoints}) {
        list->clear();
    }
    reportMissingFiles(context, nav);
    data.route = NormaliseRoute(data.route);
    RouteResolution resolution = ResolveRoute(context, nav, data.route);
    resolution.route.departure.titleCode = departureCode;
    resolution.route.destination.titleCode = destinationCode;
    const bool incomplete = !resolution.route.unresolvedNames().empty();
    showRoute(data, std::move(resolution.route));
    ListDestinationRunways(nav, data.resolvedRoute.destination.planCode, data.destinationRunways);
    context.prompts.setBusy(false);
    if (incomplete) {
        reportUnresolved(context);
    }
    CalculateFuelAndTime(context);
    data.saveEnabled = true;
    return {true, incomplete, resolution.airwayMessageShown};
}

}  // namespace skyloom
