#include <optional>

#include "formats/fs9_plan.h"
#include "formats/leveld_route.h"
#include "formats/pmdg_route.h"
#include "formats/pss_route.h"
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
        if (!run.data().routePoints.empty()) {
            choice.previousPoint = run.data().routePoints.back();
        }
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
    // A waypoint that cannot be found, or whose line cannot be decoded, gets no
    // record anywhere, so the files stay well formed.
    if (!found || !MakeWaypointPosition(found->latitude, found->longitude, where)) {
        run.markUnresolved(element);
        return;
    }

    MainWindowData& data = run.data();
    const bool neighbourIsAirway = position != 1 && run.nav.IsAirway(neighbour);
    switch (run.layout) {
        case FmcLayout::LevelD:
            AddLevelDWaypoint(data.fmcLines, element, neighbourIsAirway ? neighbour : "",
                              neighbourIsAirway ? "30" : "0", found->latitude, found->longitude);
            break;
        case FmcLayout::Pss:
            AddPssWaypoint(data.fmcLines, run.waypointNumber - 1,
                           position == 1 ? "2" : (neighbourIsAirway ? "3" : "1"),
                           neighbourIsAirway ? neighbour : "", element, found->latitude,
                           found->longitude);
            break;
        case FmcLayout::Pmdg737:
        case FmcLayout::Pmdg747: {
            std::string via = "-";
            if (position <= run.lastIndex() - 4) {
                via = run.nav.IsAirway(neighbour) ? neighbour : "DIRECT";
            }
            AddPmdgRecordHead(data.fmcLines, element, "2", via);
            break;
        }
    }

    data.routePoints.push_back(found->latitude + " " + found->longitude);
    const std::string record = where.recordText();
    data.routeListing.push_back(element + "\t" + where.listingText());
    data.planWaypointLines.push_back(PlanWaypointLine(
        run.waypointNumber, element + ", " + PlanWaypointType(element) +
                                FormatFs9Coordinates(record.substr(0, record.size() - 2), "0") +
                                "," + found->airway));
    ++run.waypointNumber;
    if (isPmdg(run.layout)) {
        AddPmdgRecordTail(data.fmcLines, run.layout == FmcLayout::Pmdg747, record, false);
    }
    ++run.fmcWaypointCount;
}

}  // namespace skyloom
