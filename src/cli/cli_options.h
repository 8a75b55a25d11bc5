#pragma once
// The command line of skyloom-cli.

#include <optional>
#include <string>
#include <vector>

#include "core/main_data.h"

namespace skyloom::cli {

struct CliOptions {
    std::string route;                      // the ROUTE words joined by one blank
    std::string programFolder;              // empty: the default program folder
    std::optional<Aircraft> aircraft;       // --aircraft
    std::string cruise = "31000";           // --cruise
    std::optional<bool> createFsPlan;       // --fs-plan / --no-fs-plan
    bool onlyFsPlan = false;                // --only-fs-plan
    std::optional<std::string> saveName;    // --save
    std::vector<std::string> choices;       // --choose, one answer per waypoint choice
    std::optional<std::string> saveFlight;  // --save-flight
    std::optional<std::string> loadFlight;  // --load-flight
    std::optional<std::string> xplaneFms;   // --xplane-fms
    std::optional<std::string> msfsPln;     // --msfs-pln
    std::vector<std::string> findRoute;     // --find-route DEP DEST: the two codes
    bool calculationOption = false;         // an option that only a calculation uses
    bool help = false;
    bool version = false;
};

struct ParseResult {
    std::optional<CliOptions> options;
    std::string error;  // set when the command line is wrong
};

// Parses the arguments after the program name (UTF-8, as the terminal gives them).
ParseResult parseCommandLine(const std::vector<std::string>& arguments);

std::string usageText();

}  // namespace skyloom::cli
