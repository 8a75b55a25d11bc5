#include "settings/startup.h"

#include "io/file_system.h"
#include "io/text_util.h"
#include "settings/airac_ident.h"
#include "settings/aircraft_table_file.h"
#include "settings/settings_files.h"

namespace skyloom {

namespace {

struct PathCheck {
    std::string Settings::*setting;
    const char* message;
};

const PathCheck kPathChecks[kPathLineCount] = {
    {&Settings::pathNavData,
     "Please check the 1st line in the path.ini! - Wrong Path To PMDG-Data!"},
    {&Settings::pathPmdgPlans,
     "Please check the 2nd line in the path.ini! - Wrong Path To PMDG-Flightplans!"},
    {&Settings::pathIvapPlans,
     "Please check the 3rd line in the path.ini! - Wrong Path To IVAP-Flightplans!"},
    {&Settings::pathFsPlans,
     "Please check the 4th line in the path.ini! - Wrong Path To FS-Flightplans!"},
    {&Settings::pathLevelDPlans,
     "Please check the 5th line in the path.ini! - Wrong Path To LevelD-767-Flightplans!"},
    {&Settings::pathPssPlans,
     "Please check the 6th line in the path.ini! - Wrong Path To B777-Flightplans!"},
};

void showOk(Prompts& prompts, const std::string& text) {
    MessageBox box;
    box.text = text;
    box.buttons = MessageButtons::Ok;
    prompts.message(box);
}

// Asks for the built-in address until it is typed; nothing when the user
// gives up.
std::optional<std::string> askForRouteFinderUrl(Prompts& prompts) {
    InputBox question;
    question.title = "Initialize";
    question.prompt =
        std::string("Fill in the following path:") + kCrLf + kCrLf + kBuiltInRouteFinderUrl + kCrLf;
    const std::string expected = toLowerAscii(kBuiltInRouteFinderUrl);
    while (true) {
        // A cancelled input box counts as an empty, and therefore wrong, answer.
        std::string typed = prompts.input(question).value_or(std::string());
        if (toLowerAscii(typed) == expected) {
            return typed;
        }
        MessageBox retry;
        retry.text = "wrong input! retry!";
        retry.buttons = MessageButtons::OkCancel;
        retry.icon = MessageIcon::Information;
        if (prompts.message(retry) != MessageAnswer::Ok) {
            return std::nullopt;
        }
    }
}

}  // namespace

bool ReadRouteFinderUrl(Settings& settings, Prompts& prompts) {
    const std::string file = settings.besideProgram(kUrlIniName);
    auto stored = ReadUrlIni(file);
    if (stored && !trimBlanks(*stored).empty()) {
        settings.routeFinderUrl = *stored;
        return true;
    }
    auto typed = askForRouteFinderUrl(prompts);
    if (!typed) {
        return false;
    }
    settings.routeFinderUrl = *typed;
    // Without url.ini the next start simply asks again; this run goes on.
    ReportWriteFailure(prompts, WriteUrlIni(file, *typed));
    return true;
}

bool ReadPathSettings(Settings& settings, Prompts& prompts) {
    const std::string file = settings.besideProgram(kPathIniName);
    if (!fileExists(file)) {
        return false;
    }
    // A path.ini that exists but cannot be read counts as six empty lines, so
    // the user hears about every one of them instead of nothing at all.
    const PathLines lines = ReadPathIni(file).value_or(PathLines{});
    bool anyWrong = false;
    for (int i = 0; i < kPathLineCount; ++i) {
        const std::string& folder = lines[static_cast<std::size_t>(i)];
        settings.*kPathChecks[i].setting = folder;
        if (!folderExists(folder)) {
            anyWrong = true;
            showOk(prompts, kPathChecks[i].message);
        }
    }
    if (anyWrong) {
        showOk(prompts, std::string("There have been one or more errors in the path.ini.") + kCrLf +
                            "Please set the paths properly!");
    }
    return true;
}

void ReadCheckSetting(const Settings& settings, MainWindowData& data) {
    if (auto checked = ReadCheckIni(settings.besideProgram(kCheckIniName))) {
        data.createFsPlan = *checked;
    }
}

void ReadAircraftTable(Settings& settings) {
    if (auto table = ReadAircraftTableFile(settings.besideProgram(kAircraftTableFileName))) {
        settings.aircraftTable = *table;
    }
}

void ReadAiracSetting(Settings& settings) {
    // Without a navigation folder the bare name would point into whatever the
    // current folder happens to be.
    settings.airacText = settings.pathNavData.empty()
                             ? std::string()
                             : ReadAiracText(settings.pathNavData + kFmcIdentName);
}

StartupOutcome ReadStartupSettings(Settings& settings, MainWindowData& data, Prompts& prompts) {
    StartupOutcome outcome;
    if (!ReadRouteFinderUrl(settings, prompts)) {
        outcome.endProgram = true;
        return outcome;
    }
    outcome.pathIniExists = ReadPathSettings(settings, prompts);
    ReadCheckSetting(settings, data);
    ReadAircraftTable(settings);
    ReadAiracSetting(settings);
    outcome.windowTitle = WindowTitle(settings.airacText);
    return outcome;
}

}  // namespace skyloom
