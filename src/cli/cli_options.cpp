#include "cli/cli_options.h"

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
           "                            performance files (default: the executable's folder)\n"
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
        auto value = [&](std::string& target) {
            if (i + 1 >= arguments.size()) {
                return false;
            }
            target = arguments[++i];
            return true;
        };
        std::string text;
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--program-folder") {
            if (!value(options.programFolder) || options.programFolder.empty()) {
                return {std::nullopt, "--program-folder needs a folder"};
            }
        } else if (argument == "--aircraft") {
            if (!value(text) || !(options.aircraft = aircraftFromText(text))) {
                return {std::nullopt, "--aircraft takes 737, 747, 767 or 777"};
            }
        } else if (argument == "--cruise") {
            if (!value(options.cruise)) {
                return {std::nullopt, "--cruise needs a text"};
            }
        } else if (argument == "--fs-plan") {
            options.createFsPlan = true;
        } else if (argument == "--no-fs-plan") {
            options.createFsPlan = false;
        } else if (argument == "--only-fs-plan") {
            options.onlyFsPlan = true;
        } else if (argument == "--save") {
            if (!value(text) || trimBlanks(text).empty()) {
                return {std::nullopt, "--save needs a name"};
            }
            options.saveName = text;
        } else if (argument == "--choose") {
            if (!value(text)) {
                return {std::nullopt, "--choose needs a list"};
            }
            for (const std::string& answer : splitAt(text, ',')) {
                std::string trimmed = trimBlanks(answer);
                if (!validChoice(trimmed)) {
                    return {std::nullopt,
                            "--choose takes line numbers, 0 or n, separated by commas"};
                }
                options.choices.push_back(trimmed);
            }
        } else if (argument == "--save-flight") {
            if (!value(text) || text.empty()) {
                return {std::nullopt, "--save-flight needs a file"};
            }
            options.saveFlight = text;
        } else if (argument == "--load-flight") {
            if (!value(text) || text.empty()) {
                return {std::nullopt, "--load-flight needs a file"};
            }
            options.loadFlight = text;
        } else if (argument.size() > 1 && argument.rfind("--", 0) == 0) {
            return {std::nullopt, "unknown option " + argument};
        } else {
            routeWords.push_back(argument);
        }
    }
    for (std::size_t i = 0; i < routeWords.size(); ++i) {
        options.route += (i == 0 ? "" : " ") + routeWords[i];
    }
    if (!options.help && !options.version) {
        if (options.loadFlight && !routeWords.empty()) {
            return {std::nullopt, "--load-flight takes no ROUTE"};
        }
        if (!options.loadFlight && routeWords.empty()) {
            return {std::nullopt, "a ROUTE is required"};
        }
    }
    return {options, ""};
}

}  // namespace skyloom::cli
