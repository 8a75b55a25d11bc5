#include "cli/cli_options.h"

#include <functional>

#include "io/text_util.h"

namespace skyloom::cli {

namespace {

std::optional<Aircraft> aircraftFromText(const std::string& text) {
    for (Aircraft aircraft : kAllAircraft) {
        if (text == aircraftTypeNumber(aircraft)) {
            return aircraft;
        }
    }
    return std::nullopt;
}

bool validChoice(const std::string& answer) {
    if (answer == "n") {
        return true;
    }
    return parseWholeNumber(answer, 0, 1000000).has_value() &&
           answer.find_first_not_of("0123456789") == std::string::npos;
}

// The options that stand alone; false when the argument is none of them.
bool applySwitch(const std::string& argument, CliOptions& options) {
    if (argument == "--help" || argument == "-h") {
        options.help = true;
    } else if (argument == "--version") {
        options.version = true;
    } else if (argument == "--fs-plan") {
        options.createFsPlan = true;
    } else if (argument == "--no-fs-plan") {
        options.createFsPlan = false;
    } else if (argument == "--only-fs-plan") {
        options.onlyFsPlan = true;
    } else {
        return false;
    }
    return true;
}

// "--choose LIST": the answers for the waypoint choices, in order.
std::string takeChoices(const std::string& list, CliOptions& options) {
    for (const std::string& answer : splitAt(list, ',')) {
        std::string trimmed = trimBlanks(answer);
        if (!validChoice(trimmed)) {
            return "--choose takes line numbers, 0 or n, separated by commas";
        }
        options.choices.push_back(trimmed);
    }
    return "";
}

// With --find-route these ask for the found route to be calculated at once.
bool isCalculationOption(const std::string& argument) {
    for (const char* name :
         {"--aircraft", "--cruise", "--fs-plan", "--no-fs-plan", "--only-fs-plan", "--save",
          "--choose", "--save-flight", "--xplane-fms", "--msfs-pln"}) {
        if (argument == name) {
            return true;
        }
    }
    return false;
}

// Reads the value that follows an option into its argument; false when the
// command line ends first.
using ValueReader = std::function<bool(std::string&)>;

// The options followed by a file name.
std::optional<std::string> CliOptions::*fileOption(const std::string& argument) {
    static const std::pair<const char*, std::optional<std::string> CliOptions::*> kFiles[] = {
        {"--save-flight", &CliOptions::saveFlight},
        {"--load-flight", &CliOptions::loadFlight},
        {"--xplane-fms", &CliOptions::xplaneFms},
        {"--msfs-pln", &CliOptions::msfsPln},
    };
    for (const auto& [name, member] : kFiles) {
        if (argument == name) {
            return member;
        }
    }
    return nullptr;
}

// The options followed by a value; false when the argument is none of them.
// A missing or wrong value sets the error.
bool applyValueOption(const std::string& argument, const ValueReader& value, CliOptions& options,
                      std::string& error) {
    std::string text;
    if (argument == "--program-folder") {
        if (!value(options.programFolder) || options.programFolder.empty()) {
            error = "--program-folder needs a folder";
        }
    } else if (argument == "--aircraft") {
        if (!value(text) || !(options.aircraft = aircraftFromText(text))) {
            error = "--aircraft takes 737, 747, 767 or 777";
        }
    } else if (argument == "--cruise") {
        if (!value(options.cruise)) {
            error = "--cruise needs a text";
        }
    } else if (argument == "--save") {
        if (!value(text) || trimBlanks(text).empty()) {
            error = "--save needs a name";
        } else {
            options.saveName = text;
        }
    } else if (argument == "--choose") {
        error = value(text) ? takeChoices(text, options) : "--choose needs a list";
    } else if (argument == "--find-route") {
        std::string destination;
        if (!value(text) || !value(destination)) {
            error = "--find-route needs a departure and a destination";
        } else {
            options.findRoute = {text, destination};
        }
    } else if (std::optional<std::string> CliOptions::*file = fileOption(argument)) {
        if (!value(text) || text.empty()) {
            error = argument + " needs a file";
        } else {
            options.*file = text;
        }
    } else {
        return false;
    }
    return true;
}

// Joins the ROUTE words into the route; the error when a route is missing, or
// given beside --load-flight.
std::string takeRoute(const std::vector<std::string>& routeWords, CliOptions& options) {
    for (std::size_t i = 0; i < routeWords.size(); ++i) {
        options.route += (i == 0 ? "" : " ") + routeWords[i];
    }
    if (options.help || options.version) {
        return "";
    }
    if (!options.findRoute.empty()) {
        return !routeWords.empty()  ? "--find-route takes no ROUTE"
               : options.loadFlight ? "--find-route and --load-flight exclude each other"
                                    : "";
    }
    if (options.loadFlight && !routeWords.empty()) {
        return "--load-flight takes no ROUTE";
    }
    if (!options.loadFlight && routeWords.empty()) {
        return "a ROUTE is required";
    }
    return "";
}

}  // namespace

std::string usageText() {
    return "Usage: skyloom-cli [OPTIONS] ROUTE...\n"
           "\n"
           "Calculates a route exactly as the \"Calculate\" button of Skyloom does, with the\n"
           "settings files of a program folder, and writes the FMC files when asked.\n"
           "\n"
           "  ROUTE...                  departure airport, waypoints and airways, destination\n"
           "                            airport; several arguments are joined with one blank\n"
           "  --program-folder DIR      folder with path.ini, AC.ini, check.ini and the\n"
           "                            performance files (default: the executable's folder;\n"
           "                            installed in PREFIX/bin, $XDG_DATA_HOME/skyloom)\n"
           "  --aircraft 737|747|767|777  the aircraft (default: as AC.ini, else 737)\n"
           "  --cruise TEXT             cruise altitude in feet (default 31000)\n"
           "  --fs-plan, --no-fs-plan   also write the FS9 plan, or not (default: check.ini)\n"
           "  --only-fs-plan            write only the FS9 plan, no FMC file\n"
           "  --save NAME               save the FMC data under NAME after the calculation\n"
           "  --choose LIST             answers for the waypoint choice, in order: comma-\n"
           "                            separated line numbers, 0 to cancel, n for the\n"
           "                            candidate nearest to the previous route point\n"
           "  --save-flight FILE        also save the whole flight to FILE (.fp)\n"
           "  --load-flight FILE        restore a saved flight instead of calculating\n"
           "  --xplane-fms FILE         also write the flight as an X-Plane 11/12 plan (.fms)\n"
           "  --msfs-pln FILE           also write the flight as an MSFS 2020/2024 plan (.pln)\n"
           "  --find-route DEP DEST     find the airway route between two airports and print\n"
           "                            it instead of a ROUTE; with any option above from\n"
           "                            --aircraft on, also calculate it\n"
           "  --help                    this text\n"
           "  --version                 the program's version\n"
           "\n"
           "Exit status: 0 done, 3 done with unresolved elements or airway messages,\n"
           "1 stopped (see the messages), 2 wrong command line.\n";
}

ParseResult parseCommandLine(const std::vector<std::string>& arguments) {
    CliOptions options;
    std::vector<std::string> routeWords;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // Takes the argument after an option as its value; false when there is none.
        auto value = [&](std::string& target) {
            if (i + 1 >= arguments.size()) {
                return false;
            }
            target = arguments[++i];
            return true;
        };
        options.calculationOption = options.calculationOption || isCalculationOption(argument);
        if (applySwitch(argument, options)) {
            continue;
        }
        std::string error;
        if (applyValueOption(argument, value, options, error)) {
            if (!error.empty()) {
                return {std::nullopt, error};
            }
            continue;
        }
        if (argument.size() > 1 && argument.rfind("--", 0) == 0) {
            return {std::nullopt, "unknown option " + argument};
        }
        routeWords.push_back(argument);
    }
    std::string error = takeRoute(routeWords, options);
    if (!error.empty()) {
        return {std::nullopt, error};
    }
    return {options, ""};
}

}  // namespace skyloom::cli
