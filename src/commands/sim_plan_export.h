#pragma once
// "export X-Plane plan" and "export MSFS plan" in the menu "Flights", and
// skyloom-cli's --xplane-fms and --msfs-pln: the flight the main window shows,
// written as a flight plan of today's simulators.

#include <optional>
#include <string>

#include "core/command_context.h"
#include "formats/sim_plan.h"
#include "formats/sim_plan_formats.h"

namespace skyloom {

// The plan of the flight the data store shows: from the last calculation's
// resolved route, or, after a loaded flight, from the route listing with its
// positions and the simulator plan's lines (airport positions, elevations and
// the airways of the points walked on one). Nothing when there is no flight.
std::optional<SimPlan> CurrentSimPlan(const CommandContext& context);

// The plan of a loaded flight, read from the data store's lists.
std::optional<SimPlan> SimPlanFromLists(const MainWindowData& data, const std::string& cycle);

enum class ExportStatus {
    Written,    // the file was written
    Refused,    // there is no flight to export; the user was told
    Cancelled,  // the save dialog was cancelled
    Failed,     // the file could not be written; the user was told
};
struct ExportResult {
    ExportStatus status = ExportStatus::Refused;
    std::string path;  // the file written or attempted
};

// Asks for the file in the folder this format was last saved to, then writes it.
ExportResult ExportSimPlan(CommandContext& context, const SimPlanFormat& format);
// Writes the plan to `path` as it is.
ExportResult ExportSimPlanTo(CommandContext& context, const SimPlanFormat& format,
                             const std::string& path);

}  // namespace skyloom
