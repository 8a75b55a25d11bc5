#include "commands/sim_plan_export.h"

#include "commands/flights.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "io/text_util.h"
#include "map/route_points.h"
#include "settings/airac_ident.h"

namespace skyloom {

namespace {

// "departure_id=EDDF, N50* 2.0', E8* 34.14', 364": the elevation after the last comma.
double planElevation(const std::vector<std::string>& planLines, const std::string& key) {
    for (const std::string& line : planLines) {
        if (line.rfind(key, 0) == 0) {
            const std::size_t comma = line.rfind(',');
            return comma == std::string::npos ? 0.0
                                              : leadingNumber(trimBlanks(line.substr(comma + 1)));
        }
    }
    return 0.0;
}

// The airways of the plan's waypoint lines between the airports, in order. A
// point walked on an airway ends ", UL610"; a point of the route text ends
// with a bare "," and the airway field of its navigation line, which is not
// the airway it is flown by, so it gets none.
std::vector<std::string> planAirways(const std::vector<std::string>& planLines) {
    std::vector<std::string> airways;
    for (const std::string& line : planLines) {
        if (line.rfind("waypoint.", 0) != 0) {
            continue;
        }
        const std::size_t comma = line.rfind(',');
        const bool walked =
            comma != std::string::npos && comma + 1 < line.size() && line[comma + 1] == ' ';
        airways.push_back(walked ? trimBlanks(line.substr(comma + 1)) : std::string());
    }
    if (airways.size() >= 2) {
        airways.erase(airways.begin());
        airways.pop_back();
    }
    return airways;
}

std::string cycleOf(const Settings& settings) {
    return CycleOf(ReadAiracText(settings.pathNavData + kFmcIdentName));
}

bool hasFlight(const MainWindowData& data) {
    return !trimBlanks(data.route).empty() && !data.routeListing.empty();
}

}  // namespace

std::optional<SimPlan> SimPlanFromLists(const MainWindowData& data, const std::string& cycle) {
    const std::vector<MapPoint> points = RouteMapPoints(data);
    if (points.size() < 2 || points.front().kind != MapPointKind::Departure ||
        points.back().kind != MapPointKind::Destination) {
        return std::nullopt;
    }
    SimPlan plan;
    plan.cycle = cycle;
    plan.cruiseAltitude = leadingNumber(data.cruiseAltitude);
    const MapPoint& from = points.front();
    const MapPoint& to = points.back();
    plan.departure = {from.label, from.position.latitude, from.position.longitude,
                      planElevation(data.planLines, "departure_id=")};
    plan.destination = {to.label, to.position.latitude, to.position.longitude,
                        planElevation(data.planLines, "destination_id=")};
    const std::vector<std::string> airways = planAirways(data.planLines);
    const bool matched = airways.size() + 2 == points.size();
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        // The exit of an airway is reached by the airway walked just before it.
        std::string airway = matched ? airways[i - 1] : std::string();
        if (matched && airway.empty() && i >= 2) {
            airway = airways[i - 2];
        }
        plan.points.push_back(
            {points[i].label, airway, points[i].position.latitude, points[i].position.longitude});
    }
    return plan;
}

std::optional<SimPlan> CurrentSimPlan(const CommandContext& context) {
    const MainWindowData& data = context.data;
    if (!hasFlight(data)) {
        return std::nullopt;
    }
    const std::string cycle = cycleOf(context.settings);
    if (!data.resolvedRoute.empty()) {
        return SimPlanFromRoute(data.resolvedRoute, data.cruiseAltitude, cycle);
    }
    return SimPlanFromLists(data, cycle);
}

namespace {

ExportResult refuse(CommandContext& context) {
    context.prompts.message(
        {"You must calculate a flight first!", MessageButtons::Ok, MessageIcon::Information, ""});
    return {ExportStatus::Refused, ""};
}

ExportResult write(CommandContext& context, const SimPlanFormat& format, const SimPlan& plan,
                   const std::string& path) {
    const WriteResult written = writeTextLines(path, format.write(plan));
    if (!written.ok) {
        context.prompts.message({"The " + std::string(format.name) +
                                     " flight plan could not be saved to " + path + "." + kCrLf +
                                     written.error,
                                 MessageButtons::Ok, MessageIcon::Critical, ""});
        return {ExportStatus::Failed, path};
    }
    return {ExportStatus::Written, path};
}

// The save dialog, in the folder this format was last saved to (first the
// flights folder); it remembers the folder of the file chosen.
std::optional<std::string> chooseFile(CommandContext& context, const SimPlanFormat& format) {
    std::string& folder = context.settings.exportFolders[format.extension];
    const std::string flights = FlightsFolder(context.settings);
    if (folder.empty() && !folderExists(flights)) {
        createFolder(flights);  // as "save" does; a failure shows when the file is written
    }
    const std::string route = trimBlanks(context.data.route);
    FileDialog dialog;
    dialog.filter = format.fileFilter;
    dialog.initialFolder = folder.empty() ? flights + kPathSeparator : folder;
    dialog.proposedName =
        trimBlanks(leftOf(route, 4)) + "-" + trimBlanks(rightOf(route, 4)) + format.extension;
    dialog.warnOnOverwrite = true;
    std::optional<std::string> chosen = context.prompts.saveFile(dialog);
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    const std::size_t separator = chosen->find_last_of("/\\");
    if (separator != std::string::npos) {
        folder = chosen->substr(0, separator + 1);
    }
    return chosen;
}

}  // namespace

ExportResult ExportSimPlanTo(CommandContext& context, const SimPlanFormat& format,
                             const std::string& path) {
    const std::optional<SimPlan> plan = CurrentSimPlan(context);
    return plan ? write(context, format, *plan, path) : refuse(context);
}

ExportResult ExportSimPlan(CommandContext& context, const SimPlanFormat& format) {
    const std::optional<SimPlan> plan = CurrentSimPlan(context);
    if (!plan) {
        return refuse(context);
    }
    const std::optional<std::string> chosen = chooseFile(context, format);
    if (!chosen) {
        return {ExportStatus::Cancelled, ""};
    }
    return write(context, format, *plan, *chosen);
}

}  // namespace skyloom
