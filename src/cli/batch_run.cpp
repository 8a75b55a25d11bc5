#include "cli/batch_run.h"

#include <ostream>

#include "cli/report.h"
#include "cli/terminal_prompts.h"
#include "commands/calculate.h"
#include "commands/flights.h"
#include "commands/fs_plan_choice.h"
#include "commands/route_finder.h"
#include "commands/save_fmc.h"
#include "commands/session.h"
#include "commands/sim_plan_export.h"
#include "fuel/aircraft_choice.h"
#include "io/file_system.h"
#include "io/text_util.h"
#include "settings/activation.h"
#include "settings/path_settings.h"
#include "settings/program_folder.h"
#include "settings/startup.h"

namespace skyloom::cli {

namespace {

// The named program folder, or the default one (empty with a message on
// standard error when that cannot be made ready).
std::string programFolderOf(const CliOptions& options, std::ostream& err) {
    if (!options.programFolder.empty()) {
        return withoutTrailingSeparator(cp1252FromUtf8(options.programFolder));
    }
    const DefaultProgramFolder found = FindDefaultProgramFolder();
    if (!found.error.empty()) {
        err << utf8From1252(found.error) << '\n';
        return "";
    }
    return found.programFolder;
}

// Reads what the main window reads when it starts and first becomes active
// and a calculation needs (not the address, aircraft table or AIRAC text);
// the batch command never writes a settings file. False when it cannot go on.
bool readSettings(CommandContext& context, const CliOptions& options) {
    Settings& settings = context.settings;
    if (!PathIniExists(settings)) {
        context.prompts.message({"There is no path.ini in the program folder '" +
                                     settings.programFolder +
                                     "'.\r\nPlease set the paths with Skyloom first, or name "
                                     "another folder with --program-folder.",
                                 MessageButtons::Ok, MessageIcon::Critical, ""});
        return false;
    }
    ReadPathSettings(settings, context.prompts);
    if (!options.findRoute.empty() && !options.calculationOption) {
        return true;  // only finding a route: no aircraft, no performance file
    }
    ReadCheckSetting(settings, context.data);
    RestoreAircraftChoice(settings, [&context](Aircraft a) { ChooseAircraft(context, a); });
    if (options.aircraft) {
        ChooseAircraft(context, *options.aircraft);
    }
    context.data.cruiseAltitude = cp1252FromUtf8(options.cruise);
    if (options.createFsPlan) {
        context.data.createFsPlan = *options.createFsPlan;
    }
    if (options.onlyFsPlan) {
        SetOnlyFsPlan(context.data, true);
    }
    return true;
}

void printWritten(std::ostream& out, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        out << "Wrote " << utf8From1252(path) << '\n';
    }
}

// --find-route: prints the found route; it becomes the route to calculate
// when a calculation option was given. Nothing when it is not found.
std::optional<std::string> findRoute(Session& session, const CliOptions& options,
                                     TerminalPrompts& prompts, std::ostream& out) {
    const AirportPair airports{cp1252FromUtf8(options.findRoute[0]),
                               cp1252FromUtf8(options.findRoute[1])};
    const FoundRoute found = FindAirwayRoute(session, airports);
    if (!found.found) {
        return std::nullopt;
    }
    out << utf8From1252(found.text) << '\n' << FoundRouteFigures(found) << '\n';
    for (const std::string& choice : found.choices) {
        out << "Choose " << utf8From1252(choice) << '\n';
    }
    prompts.foundRouteChoices.assign(found.choices.begin(), found.choices.end());
    return found.text;
}

}  // namespace

int runBatch(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err,
             bool interactive) {
    TerminalPrompts prompts(in, err, interactive);
    prompts.choiceAnswers.assign(options.choices.begin(), options.choices.end());
    const std::string programFolder = programFolderOf(options, err);
    if (programFolder.empty()) {
        return kExitStopped;
    }
    Session session(programFolder, prompts);
    MainWindowData& data = session.data;
    CommandContext& context = session.context;

    if (!readSettings(context, options)) {
        return kExitStopped;
    }

    CalculateResult calculated;
    if (options.loadFlight) {
        if (LoadFlightFrom(context, cp1252FromUtf8(*options.loadFlight)) !=
            LoadFlightStatus::Loaded) {
            return kExitStopped;
        }
    } else {
        data.route = cp1252FromUtf8(options.route);
        if (!options.findRoute.empty()) {
            std::optional<std::string> found = findRoute(session, options, prompts, out);
            if (!found) {
                return kExitStopped;
            }
            if (!options.calculationOption) {
                return kExitDone;
            }
            out << '\n';
            data.route = *found;
        }
        if (trimBlanks(data.route).empty()) {
            prompts.message({"The route is empty: nothing to calculate.", MessageButtons::Ok,
                             MessageIcon::Information, ""});
            return kExitStopped;
        }
        calculated = Calculate(context, session.nav());
        if (!calculated.completed) {
            return kExitStopped;
        }
    }
    printReport(out, data);

    bool failed = false;
    if (options.saveName) {
        prompts.inputAnswer = cp1252FromUtf8(*options.saveName);
        SaveFmcResult saved = SaveFmcData(context);
        printWritten(out, saved.written);
        failed = saved.failed;
    }
    if (options.saveFlight && !failed) {
        SaveFlightResult saved = SaveFlightTo(context, cp1252FromUtf8(*options.saveFlight));
        if (saved.status == SaveFlightStatus::Written) {
            printWritten(out, {saved.path});
        } else {
            failed = true;
        }
    }
    const std::pair<const char*, const std::optional<std::string>*> plans[] = {
        {".fms", &options.xplaneFms}, {".pln", &options.msfsPln}};
    for (const auto& [extension, file] : plans) {
        if (*file && !failed) {
            ExportResult exported =
                ExportSimPlanTo(context, *SimPlanFormatFor(extension), cp1252FromUtf8(**file));
            if (exported.status == ExportStatus::Written) {
                printWritten(out, {exported.path});
            } else {
                failed = true;
            }
        }
    }
    if (failed) {
        return kExitStopped;
    }
    if (calculated.routeIncomplete || calculated.airwayMessageShown) {
        return kExitIncomplete;
    }
    return kExitDone;
}

}  // namespace skyloom::cli
