#pragma once
// The menu "Flights": "save" keeps the calculated flight as a saved flight
// (.fp, see formats/saved_flight.h) in the flights folder beside the program,
// "load" shows one again without a new calculation.

#include <string>

#include "core/command_context.h"
#include "formats/saved_flight.h"

namespace skyloom {

inline constexpr const char* kFlightFileFilter = "Flightplans (*.fp)|*.fp";

// ProgramFolder + separator + "flights": where saved flights live.
std::string FlightsFolder(const Settings& settings);
// Aircraft prefix, first four and last four characters of the trimmed route:
// "747-EDDF-KJFK".
std::string ProposedFlightName(const MainWindowData& data);
// The chosen name with ".fp" appended when its file name has no extension.
std::string WithFlightExtension(const std::string& path);

enum class SaveFlightStatus {
    Written,    // the file was written
    Refused,    // no calculation yet, or the user declined to save an empty plan text
    Cancelled,  // the file dialog was cancelled
    Failed,     // the file could not be written; the user was told
};
struct SaveFlightResult {
    SaveFlightStatus status = SaveFlightStatus::Refused;
    std::string path;  // the file written or attempted
};

// Menu "save": checks, proposes a name, asks for the file and writes it.
SaveFlightResult SaveFlight(CommandContext& context);
// The same checks and messages, then writes to the given path (no dialog, the
// path is taken as it is): for skyloom-cli's --save-flight FILE.
SaveFlightResult SaveFlightTo(CommandContext& context, const std::string& path);

enum class LoadFlightStatus {
    Loaded,     // the sections found were restored
    Cancelled,  // no flights folder, or the dialog was cancelled
    Failed,     // the file could not be read or is no saved flight; nothing changed
};

// Menu "load": asks for a saved flight and restores it.
LoadFlightStatus LoadFlight(CommandContext& context);
// Restores the saved flight at `path` (for skyloom-cli's --load-flight FILE):
// every section found, the aircraft chosen as if clicked before the FMC lines
// and the route listing are set, then the fuel and time calculation runs and
// "Save FMC-Data" is enabled.
LoadFlightStatus LoadFlightFrom(CommandContext& context, const std::string& path);

}  // namespace skyloom
