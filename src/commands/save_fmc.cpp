#include "commands/save_fmc.h"

#include "formats/fmc_formats.h"
#include "formats/fs9_plan.h"
#include "io/file_names.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "io/text_util.h"

namespace skyloom {

namespace {

// Writes one file; a failure is reported with the path and ends the command.
bool writeOne(CommandContext& context, const std::string& folder, const std::string& path,
              const std::vector<std::string>& lines, SaveFmcResult& result) {
    WriteResult written;
    if (!folderExists(folder)) {
        written = {false, "The file '" + path + "' could not be created: its folder '" + folder +
                              "' does not exist."};
    } else {
        written = writeTextLines(path, lines);
    }
    if (!written.ok) {
        context.prompts.message({written.error + "\r\nThe flight plan was not saved.",
                                 MessageButtons::Ok, MessageIcon::Critical, ""});
        result.failed = true;
        return false;
    }
    result.written.push_back(path);
    return true;
}

// The cruise-altitude line of the plan shows the altitude at the moment of saving.
void refreshCruiseAltitude(MainWindowData& data) {
    for (std::string& line : data.planLines) {
        if (contains(line, "cruising_altitude")) {
            line = "cruising_altitude=" + data.cruiseAltitude;
            break;
        }
    }
}

// The name the pilot gives, in upper case; empty when cancelled or refused.
std::string askName(CommandContext& context, SaveFmcResult& result) {
    auto answer = context.prompts.input({"Dateiname:", "Save Flightplan", ""});
    const std::string name = toUpper1252(answer.value_or(""));
    if (!name.empty() && !isPlainFileName(name)) {
        context.prompts.message(
            {refusedNameMessage(name), MessageButtons::Ok, MessageIcon::Critical, ""});
        result.failed = true;
        return std::string();
    }
    return name;
}

}  // namespace

SaveFmcResult SaveFmcData(CommandContext& context) {
    SaveFmcResult result;
    MainWindowData& data = context.data;
    const Settings& settings = context.settings;
    const std::string name = askName(context, result);
    if (name.empty()) {
        return result;
    }
    if (data.createFsPlan) {
        refreshCruiseAltitude(data);
    }
    if (!data.onlyFsPlan) {
        const FmcFormat& format = FmcFormatFor(data.aircraft);
        if (!writeOne(context, settings.*format.folder, FmcFilePath(format, settings, name),
                      data.fmcLines, result)) {
            return result;
        }
    }
    if (data.createFsPlan) {
        const std::string& folder = settings.*kFs9PlanFolder;
        if (!writeOne(context, folder, folder + name + kFs9PlanExtension, data.planLines, result)) {
            return result;
        }
    }
    context.prompts.message(
        {"Flightplan(s) saved!", MessageButtons::Ok, MessageIcon::Information, ""});
    return result;
}

}  // namespace skyloom
