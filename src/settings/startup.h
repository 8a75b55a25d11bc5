#pragma once
// What the main window reads when it loads (Form_Load), in this order:
// url.ini, path.ini, check.ini, AC.dat, then fmc_ident.txt and the window
// title. Pointing the browser pane at RouteFinderUrl is left to the window,
// between the aircraft table and the AIRAC text.

#include <string>

#include "core/main_data.h"
#include "core/prompts.h"
#include "core/settings.h"

namespace skyloom {

// The public route-finder page the first start asks the user to confirm.
inline constexpr const char* kBuiltInRouteFinderUrl = "http://rfinder.asalink.net/free/";

// Fills RouteFinderUrl from url.ini. Without a usable url.ini (missing, or an
// empty first line) the user is asked to type the built-in address until it
// matches, letter case aside; the text as typed is kept and saved to url.ini.
// Returns false when the user chose to end the program.
bool ReadRouteFinderUrl(Settings& settings, Prompts& prompts);

// Fills the six folder paths from path.ini, telling the user about every line
// that names no existing folder and then once more in summary. Every line is
// kept, good or bad. Returns whether path.ini exists.
bool ReadPathSettings(Settings& settings, Prompts& prompts);

// Sets "create FS-PLAN" from check.ini; the current value stays when the file
// is missing or holds neither 0 nor 1.
void ReadCheckSetting(const Settings& settings, MainWindowData& data);

// Fills AircraftTable from AC.dat; the table stays as it is without the file.
void ReadAircraftTable(Settings& settings);

// Fills AiracText from fmc_ident.txt in PathNavData; empty when unreadable.
void ReadAiracSetting(Settings& settings);

struct StartupOutcome {
    bool endProgram = false;     // the user cancelled the first-start question
    bool pathIniExists = false;  // false: the path settings window must follow
    std::string windowTitle;     // only set when the program goes on
};

// The whole load sequence. When endProgram is set nothing after url.ini has
// been read and the program must end before showing any window.
StartupOutcome ReadStartupSettings(Settings& settings, MainWindowData& data, Prompts& prompts);

}  // namespace skyloom
