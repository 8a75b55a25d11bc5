#include "commands/flights.h"

#include "fuel/aircraft_choice.h"
#include "fuel/fuel_time.h"
#include "io/file_system.h"

namespace skyloom {

namespace {

void tell(CommandContext& context, const std::string& text) {
    context.prompts.message({text, MessageButtons::Ok, MessageIcon::Critical, ""});
}

}  // namespace

LoadFlightStatus LoadFlight(CommandContext& context) {
    const std::string folder = FlightsFolder(context.settings);
    if (!folderExists(folder)) {
        context.prompts.message(
            {"No saved Flightplans found", MessageButtons::Ok, MessageIcon::Information, ""});
        return LoadFlightStatus::Cancelled;
    }
    FileDialog dialog;
    dialog.filter = kFlightFileFilter;
    dialog.initialFolder = folder + kPathSeparator;
    dialog.mustExist = true;
    std::optional<std::string> chosen = context.prompts.openFile(dialog);
    if (!chosen || chosen->empty()) {
        return LoadFlightStatus::Cancelled;
    }
    return LoadFlightFrom(context, *chosen);
}

LoadFlightStatus LoadFlightFrom(CommandContext& context, const std::string& path) {
    std::optional<std::vector<std::string>> lines = readSavedFlightFile(path);
    if (!lines) {
        if (fileSize(path) > kMaxSavedFlightBytes) {
            tell(context, "The file " + path + " is too large to be a saved flight.");
        } else {
            tell(context, "The saved flight " + path + " could not be read.");
        }
        return LoadFlightStatus::Failed;
    }
    SavedFlight flight = readSavedFlight(*lines);
    if (flight.sectionsFound == 0) {
        // Nothing of ours in it: keep the flight on screen rather than empty it.
        tell(context, "The file " + path + " is no saved flight.");
        return LoadFlightStatus::Failed;
    }

    MainWindowData& data = context.data;
    if (flight.route) {
        data.route = *flight.route;
    }
    data.planLines = std::move(flight.planLines);
    // Choosing an aircraft empties the route listing, so it comes before the
    // lists that depend on it.
    for (Aircraft aircraft : flight.aircraftClicks) {
        ChooseAircraft(context, aircraft);
    }
    data.fmcLines = std::move(flight.fmcLines);
    data.routeListing = std::move(flight.routeListing);
    if (flight.cruiseAltitude) {
        data.cruiseAltitude = *flight.cruiseAltitude;
    }
    data.printText = std::move(flight.printText);
    if (flight.distance) {
        data.distance = *flight.distance;
    }
    data.destinationRunways = std::move(flight.destinationRunways);
    // The lists now show the loaded flight, not the last calculation.
    data.resolvedRoute = ResolvedRoute{};

    CalculateFuelAndTime(context);
    data.saveEnabled = true;
    return LoadFlightStatus::Loaded;
}

}  // namespace skyloom
