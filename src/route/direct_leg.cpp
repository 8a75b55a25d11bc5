#include <optional>

#include "geo/coordinates.h"
#include "io/text_util.h"
#include "route/route_run.h"

namespace skyloom {

namespace {

struct FoundWaypoint {
    std::string latitude;
    std::string longitude;
    std::string airway;  // field 0 of the last matching line
};

bool ListContains(const std::string& item, const std::vector<std::string>& list) {
    for (const std::string& line : list) {
        if (line == item) {
            return true;
        }
    }
    return false;
}

// First search: the element on the neighbouring airway, first line wins.
// Returns nothing when no line matches; sets `fault` for a malformed line.
std::optional<FoundWaypoint> searchOnNeighbour(RouteRun& run, const std::string& element,
                                               const std::string& neighbour, bool& fault) {
    std::optional<FoundWaypoint> found;
    run.nav.forEachLineHoldingWaypoint(element, [&](const std::string& line) {
        if (!contains(leftOf(line, 8), neighbour)) {
            return true;
        }
        auto fields = splitAt(line, ' ');
        if (fields.size() < 5) {
            fault = true;
        } else {
            found = FoundWaypoint{fields[3], fields[4], fields[0]};
        }
        return false;
    });
    return found;
}

// Second search: every line holding the element; the user picks among
// different positions.
std::optional<FoundWaypoint> searchEverywhere(RouteRun& run, const std::string& element,
                                              bool& fault) {
    std::vector<std::string> candidates;
    std::string lastAirway;
    run.nav.forEachLineHoldingWaypoint(element, [&](const std::string& line) {
        auto fields = splitAt(line, ' ');
        if (fields.size() < 5) {
            fault = true;
            return false;
        }
        lastAirway = fields[0];
        std::string candidate = element + " " + fields[3] + ":" + fields[4];
        if (!ListContains(candidate, candidates)) {
            candidates.push_back(candidate);
        }
        return true;
    });
    if (fault || candidates.empty()) {
        return std::nullopt;
    }
    Settings& settings = run.context.settings;
    if (candidates.size() == 1) {
        settings.chosenWaypoint = candidates.front();
    } else {
        WaypointChoice choice;
        choice.candidates = candidates;
        choice.previousPoint = run.lastPointText();
        settings.chosenWaypoint = run.context.prompts.chooseWaypoint(choice);
        run.context.prompts.setBusy(true);
    }
    if (settings.chosenWaypoint.empty()) {
        return std::nullopt;
    }
    std::string position = replaceAll(settings.chosenWaypoint, ":", "@");
    position = replaceAll(position, element + " ", "");
    auto parts = splitAt(position, '@');
    if (parts.size() < 2) {
        fault = true;
        return std::nullopt;
    }
    return FoundWaypoint{parts[0], parts[1], lastAirway};
}

}  // namespace

void AddDirectLeg(RouteRun& run, const std::string& element, int position,
                  const std::string& neighbour) {
    bool fault = false;
    std::optional<FoundWaypoint> found = searchOnNeighbour(run, element, neighbour, fault);
    if (!found && !fault) {
        found = searchEverywhere(run, element, fault);
    }
    WaypointPosition where;
    // A waypoint that cannot be found, or whose line cannot be decoded, stays
    // in the route as not resolved; no writer writes it, so the files stay
    // well formed.
    if (!found || !MakeWaypointPosition(found->latitude, found->longitude, where)) {
        run.markUnresolved(element);
        return;
    }

    ResolvedPoint point = PointAt(element, found->latitude, found->longitude, where);
    point.airway = run.nav.IsAirway(neighbour) ? neighbour : "";
    point.firstElement = position == 1;
    point.nearDestination = position > run.lastIndex() - 4;
    point.lineAirway = found->airway;
    run.route.points.push_back(point);
}

}  // namespace skyloom
