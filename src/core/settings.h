#pragma once
// Program-wide settings, filled at start-up from the files beside the program
// and alive for the whole run.

#include <array>
#include <map>
#include <string>

namespace skyloom {

inline constexpr int kAircraftTableSize = 51;

struct AircraftTable {
    std::array<std::string, kAircraftTableSize> type;          // first field of AC.dat
    std::array<std::string, kAircraftTableSize> mtlText;       // second field
    std::array<std::string, kAircraftTableSize> wakeCategory;  // third field
};

struct AircraftPerformance {
    int taxi = 0;      // TAXI, litres
    int climb = 0;     // CLIMB, litres per minute
    int cruise = 0;    // CRUISE, litres per minute
    int descend = 0;   // DESCEND, litres per minute
    int reserve = 0;   // RESERVE, litres
    int capacity = 0;  // GESAMT, litres
};

struct Settings {
    std::string programFolder;  // ProgramFolder, no trailing separator
    // Folder paths, each ending with a separator; callers append bare names.
    std::string pathNavData;          // PathNavData
    std::string pathPmdgPlans;        // PathPmdgPlans
    std::string pathIvapPlans;        // PathIvapPlans
    std::string pathFsPlans;          // PathFsPlans
    std::string pathLevelDPlans;      // PathLevelDPlans
    std::string pathPssPlans;         // PathPssPlans
    std::string routeFinderUrl;       // RouteFinderUrl
    std::string airacText;            // AiracText
    AircraftTable aircraftTable;      // AircraftTable
    AircraftPerformance performance;  // AircraftPerformance
    std::string chosenWaypoint;       // ChosenWaypoint
    // The folders the simulator plan exports were last saved to, by file
    // extension; kept for the run only, so path.ini keeps its six lines.
    std::map<std::string, std::string> exportFolders;

    // ProgramFolder + separator + name: a file beside the program.
    std::string besideProgram(const std::string& name) const;
};

}  // namespace skyloom
