#include "commands/calculate.h"

#include "formats/fs9_plan.h"
#include "formats/leveld_route.h"
#include "formats/pmdg_route.h"
#include "formats/pss_route.h"
#include "fuel/fuel_time.h"
#include "geo/coordinates.h"
#include "io/text_util.h"
#include "navdata/runway_list.h"
#include "route/cruise_level.h"
#include "route/distance.h"
#include "route/route_run.h"

namespace skyloom {

namespace {

// Upper case, "SID ", "STAR " and "DCT " removed, single blanks, one trailing blank.
std::string normaliseRoute(const std::string& route) {
    std::string text = trimBlanks(route) + " ";
    text = replaceAll(text, "SID ", "");
    text = replaceAll(text, "STAR ", "");
    text = replaceAll(text, "DCT ", "");
    while (contains(text, "  ")) {
        text = replaceAll(text, "  ", " ");
    }
    return text;
}

// The departure word and the destination word of a normalised route text.
std::vector<std::string> airportWords(const std::string& normalised) {
    std::vector<std::string> words = splitAt(normalised, ' ');
    if (words.size() < 2) {
        return words;
    }
    return {words.front(), words[words.size() - 2]};
}

Colour cruiseCheckColour(const std::string& departureLongitude,
                         const std::string& destinationLongitude, const std::string& cruise) {
    bool westbound = leadingNumber(departureLongitude) > leadingNumber(destinationLongitude);
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

// The files every calculation reads beyond airports.dat; a missing one is
// named once so that a wrong folder does not look like unknown waypoints.
void reportMissingFiles(CommandContext& context, NavDatabase& nav) {
    for (NavFile* file : {&nav.airways(), &nav.runways()}) {
        if (!file->exists()) {
            context.prompts.message({"The navigation file '" + file->path() + "' cannot be read.",
                                     MessageButtons::Ok, MessageIcon::Information, ""});
        }
    }
}

}  // namespace

CalculateResult Calculate(CommandContext& context, NavDatabase& nav) {
    MainWindowData& data = context.data;
    if (trimBlanks(data.route).empty()) {
        return {};
    }
    data.route = toUpper1252(data.route);
    const std::string trimmed = trimBlanks(data.route);
    const std::string departureCode = leftOf(trimmed, 4);
    if (!nav.AirportExists(departureCode, context.prompts)) {
        context.prompts.message({"Departure Airport' " + departureCode + "' not found!",
                                 MessageButtons::Ok, MessageIcon::Information, ""});
        return {};
    }
    const std::string destinationCode = rightOf(trimmed, 4);
    if (!nav.AirportExists(destinationCode, context.prompts)) {
        context.prompts.message({"Destination Airport' " + destinationCode + "' not found!",
                                 MessageButtons::Ok, MessageIcon::Information, ""});
        return {};
    }
    // Both airport words must have a position the files can be written with;
    // a damaged line or a word longer than its code would give broken files.
    const std::string normalised = normaliseRoute(data.route);
    for (const std::string& word : airportWords(normalised)) {
        if (nav.FindAirportPosition(word).empty()) {
            context.prompts.message(
                {"The airport '" + word + "' has no readable position in airports.dat.",
                 MessageButtons::Ok, MessageIcon::Information, ""});
            return {};
        }
    }

    data.saveEnabled = false;
    context.prompts.setBusy(true);
    RouteRun run{context, nav, layoutFor(data.aircraft), {}, 0, 0, false, false};
    data.fmcLines.clear();
    data.routeListing.clear();
    data.planLines.clear();
    data.planWaypointLines.clear();
    data.unresolved.clear();
    data.routePoints.clear();
    AddPlanHeader(data.planLines, departureCode, destinationCode, data.cruiseAltitude);
    reportMissingFiles(context, nav);

    data.route = normalised;
    run.routeWords = splitAt(data.route, ' ');
    const std::string& departureWord = run.routeWords.front();
    const std::string destinationWord =
        run.routeWords.size() >= 2 ? run.routeWords[run.routeWords.size() - 2] : std::string();

    std::string departureLatitude;
    std::string destinationLatitude;
    const std::string departureLongitude =
        nav.FindAirportCoordinates(departureWord, departureLatitude);
    std::string destinationLongitude =
        nav.FindAirportCoordinates(destinationWord, destinationLatitude);
    data.routePoints.push_back(departureLatitude + " " + departureLongitude);

    const std::string cruise = data.cruiseAltitude;
    data.cruiseCheckColour = cruiseCheckColour(departureLongitude, destinationLongitude, cruise);

    const std::string departureElevation = nav.FindAirportElevation(departureWord);
    const std::string departurePosition = nav.FindAirportPosition(departureWord);
    switch (run.layout) {
        case FmcLayout::LevelD:
            AddLevelDHeader(data.fmcLines, departureWord, destinationWord);
            break;
        case FmcLayout::Pss:
            AddPssHeader(data.fmcLines, departureWord, destinationWord);
            break;
        case FmcLayout::Pmdg737:
        case FmcLayout::Pmdg747:
            AddPmdgHeader(data.fmcLines, run.layout == FmcLayout::Pmdg747, departureWord,
                          departurePosition, departureElevation);
            break;
    }

    // The plan names the airports by the first and last four characters of the cleaned text.
    const std::string cleaned = trimBlanks(data.route);
    const std::string planDeparture = leftOf(cleaned, 4);
    const std::string planDestination = rightOf(cleaned, 4);
    const std::string departureCoordinates =
        FormatFs9Coordinates(departurePosition, departureElevation);
    data.planWaypointLines.push_back(
        PlanAirportLine(run.waypointNumber++, planDeparture, departureCoordinates));
    data.planLines.push_back("departure_id=" + planDeparture + ", " + departureCoordinates);
    run.fmcWaypointCount = 1;

    const int bound = run.lastIndex() - 2;
    for (int i = 1; i <= bound; ++i) {
        const std::string& element = run.routeWords[static_cast<std::size_t>(i)];
        if (nav.IsAirway(element)) {
            AddAirwayLegs(run, element, i);
        } else {
            const std::string& neighbour =
                run.routeWords[static_cast<std::size_t>(i == 1 ? 2 : i - 1)];
            AddDirectLeg(run, element, i, neighbour);
        }
    }

    const std::string destinationElevation = nav.FindAirportElevation(destinationWord);
    const std::string destinationPosition = nav.FindAirportPosition(destinationWord);
    if (isPmdg(run.layout)) {
        AddPmdgDestination(data.fmcLines, run.layout == FmcLayout::Pmdg747, destinationWord,
                           destinationPosition, destinationElevation);
        data.fmcLines[2] = std::to_string(run.fmcWaypointCount + 1);
    } else if (run.layout == FmcLayout::Pss) {
        data.fmcLines[2] = "waypoints_number=" + std::to_string(run.waypointNumber - 1);
    }
    const std::string destinationCoordinates =
        FormatFs9Coordinates(destinationPosition, destinationElevation);
    data.planWaypointLines.push_back(
        PlanAirportLine(run.waypointNumber++, planDestination, destinationCoordinates));
    data.planLines.push_back("destination_id=" + planDestination + ", " + destinationCoordinates);
    data.planLines.push_back("departure_name =" + planDeparture);
    data.planLines.push_back("destination_name =" + planDestination);
    if (run.layout == FmcLayout::LevelD) {
        AddLevelDFooter(data.fmcLines);
    }
    data.planLines.insert(data.planLines.end(), data.planWaypointLines.begin(),
                          data.planWaypointLines.end());
    ListDestinationRunways(nav, planDestination, data.destinationRunways);
    context.prompts.setBusy(false);
    if (run.routeIncomplete) {
        reportUnresolved(context);
    }
    data.routePoints.push_back(replaceAll(destinationLatitude, ",", ".") + " " +
                               replaceAll(destinationLongitude, ",", "."));
    data.distance = std::to_string(TotalRouteDistance(data.routePoints));
    CalculateFuelAndTime(context);
    data.saveEnabled = true;
    return {true, run.routeIncomplete, run.airwayMessageShown};
}

}  // namespace skyloom
