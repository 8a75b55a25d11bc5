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

// One walked line of the airway; false when it cannot be decoded.
bool decodePoint(const std::string& line, const std::string& airway, Reached reached,
                 ResolvedPoint& point) {
    auto fields = splitAt(line, ' ');
    WaypointPosition position;
    if (fields.size() < 5 || !MakeWaypointPosition(fields[3], fields[4], position)) {
        return false;
    }
    point = PointAt(fields[2], fields[3], fields[4], position);
    point.reached = reached;
    point.airway = airway;
    point.lineAirway = fields[0];
    return true;
}

// The lines strictly between entry and exit in the direction of flight; the
// one line itself when entry and exit are the same line.
std::vector<int> walkBetween(int entryIndex, int exitIndex) {
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
    return walk;
}

}  // namespace

void AddAirwayLegs(RouteRun& run, const std::string& airway, int position) {
    if (airway.empty()) {
        return;
    }
    std::vector<std::string>& lines = run.data().airwayScratch;
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

    const std::vector<int> walk = walkBetween(entryIndex, exitIndex);
    const Reached reached =
        entryIndex == exitIndex ? Reached::OnAirwayEntryIsExit : Reached::OnAirway;
    for (int k : walk) {
        ResolvedPoint point;
        if (!decodePoint(lines[static_cast<std::size_t>(k)], airway, reached, point)) {
            // A damaged line ends the airway here; what was recorded stays.
            run.markUnresolved(airway);
            return;
        }
        run.route.points.push_back(point);
    }
}

}  // namespace skyloom
