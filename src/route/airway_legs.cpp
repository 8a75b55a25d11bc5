#include "formats/fs9_plan.h"
#include "formats/leveld_route.h"
#include "formats/pmdg_route.h"
#include "formats/pss_route.h"
#include "geo/coordinates.h"
#include "io/text_util.h"
#include "route/route_run.h"

namespace skyloom {

namespace {

void showMissingMessage(RouteRun& run, const std::string& airway, const std::string& entry,
                        const std::string& exit, bool entryMissing, bool exitMissing) {
    std::string text;
    if (entryMissing && exitMissing) {
        text = "The waypoints '" + entry + "' and '" + exit + "' cannot be found on the airway '" +
               airway + "'";
    } else {
        text = "The waypoint '" + (entryMissing ? entry : exit) +
               "' cannot be found on the airway '" + airway + "'";
    }
    run.airwayMessageShown = true;
    run.context.prompts.message({text, MessageButtons::Ok, MessageIcon::None, ""});
}

struct AirwayPoint {
    std::string airway;  // field 0
    std::string identifier;
    std::string latitude;
    std::string longitude;
    WaypointPosition position;
};

bool decodePoint(const std::string& line, AirwayPoint& point) {
    auto fields = splitAt(line, ' ');
    if (fields.size() < 5) {
        return false;
    }
    point = {fields[0], fields[2], fields[3], fields[4], {}};
    return MakeWaypointPosition(point.latitude, point.longitude, point.position);
}

void recordPoint(RouteRun& run, const std::string& airway, const AirwayPoint& point,
                 const std::string& kind) {
    MainWindowData& data = run.data();
    switch (run.layout) {
        case FmcLayout::LevelD:
            AddLevelDWaypoint(data.fmcLines, point.identifier, airway, "30", point.latitude,
                              point.longitude);
            break;
        case FmcLayout::Pss:
            AddPssWaypoint(data.fmcLines, run.waypointNumber - 1, "3", airway, point.identifier,
                           point.latitude, point.longitude);
            break;
        case FmcLayout::Pmdg737:
        case FmcLayout::Pmdg747:
            AddPmdgRecordHead(data.fmcLines, point.identifier, kind, point.airway);
            break;
    }
    const std::string record = point.position.recordText();
    data.routeListing.push_back(point.identifier + "\t" + point.position.listingText());
    if (isPmdg(run.layout)) {
        data.fmcLines.push_back(record);
    }
    data.planWaypointLines.push_back(PlanWaypointLine(
        run.waypointNumber, point.identifier + ", " + PlanWaypointType(point.identifier) +
                                FormatFs9Coordinates(record.substr(0, record.size() - 2), "0") +
                                ", " + airway));
    ++run.waypointNumber;
    if (isPmdg(run.layout)) {
        data.fmcLines.insert(data.fmcLines.end(), run.layout == FmcLayout::Pmdg747 ? 22 : 21, "0");
        data.fmcLines.emplace_back();
        ++run.fmcWaypointCount;
    }
    data.routePoints.push_back(point.latitude + " " + point.longitude);
}

}  // namespace

void AddAirwayLegs(RouteRun& run, const std::string& airway, int position) {
    if (airway.empty()) {
        return;
    }
    MainWindowData& data = run.data();
    std::vector<std::string>& lines = data.airwayScratch;
    lines.clear();
    run.nav.forEachLineOfAirway(airway, [&lines](const std::string& line) {
        lines.push_back(line);
        return true;
    });
    if (lines.empty()) {
        run.markUnresolved(airway);
        return;
    }

    const std::string& entry = run.routeWords[static_cast<std::size_t>(position - 1)];
    const std::string& exit = run.routeWords[static_cast<std::size_t>(position + 1)];
    int entryIndex = -1;
    int exitIndex = -1;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (contains(lines[k], entry + " ")) {
            entryIndex = static_cast<int>(k);
        }
        if (contains(lines[k], exit + " ")) {
            exitIndex = static_cast<int>(k);
        }
    }
    if (entryIndex < 0 || exitIndex < 0) {
        showMissingMessage(run, airway, entry, exit, entryIndex < 0, exitIndex < 0);
        return;
    }

    std::vector<int> walk;
    if (entryIndex < exitIndex) {
        for (int k = entryIndex + 1; k <= exitIndex - 1; ++k) {
            walk.push_back(k);
        }
    } else if (entryIndex > exitIndex) {
        for (int k = entryIndex - 1; k >= exitIndex + 1; --k) {
            walk.push_back(k);
        }
    } else {
        walk.push_back(entryIndex);
    }
    const std::string kind = entryIndex == exitIndex ? "2" : "5";
    for (int k : walk) {
        AirwayPoint point;
        if (!decodePoint(lines[static_cast<std::size_t>(k)], point)) {
            // A damaged line ends the airway here; what was recorded stays.
            run.markUnresolved(airway);
            return;
        }
        recordPoint(run, airway, point, kind);
    }
}

}  // namespace skyloom
