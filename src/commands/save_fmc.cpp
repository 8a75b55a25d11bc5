#include "commands/save_fmc.h"

#include "formats/fmc_layout.h"
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
        written = {false, "The folder '" + folder + "' does not exist."};
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

}  // namespace

SaveFmcResult SaveFmcData(CommandContext& context) {
    SaveFmcResult result;
    MainWindowData& data = context.data;
    const Settings& settings = context.settings;
    std::string prefix;
    if (data.aircraft == Aircraft::Pmdg737) {
        prefix = "737-";
    } else if (data.aircraft == Aircraft::Pmdg747) {
        prefix = "747-";
    }
    auto answer = context.prompts.input({"Dateiname:", "Save Flightplan", ""});
    const std::string name = toUpper1252(answer.value_or(""));
    if (name.empty()) {
        return result;
    }
    if (!isPlainFileName(name)) {
        context.prompts.message(
            {refusedNameMessage(name), MessageButtons::Ok, MessageIcon::Critical, ""});
        result.failed = true;
        return result;
    }

    if (data.createFsPlan) {
        for (std::string& line : data.planLines) {
            if (contains(line, "cruising_altitude")) {
                line = "cruising_altitude=" + data.cruiseAltitude;
                break;
            }
        }
    }
    if (!data.onlyFsPlan) {
        std::string folder;
        std::string file;
        switch (layoutFor(data.aircraft)) {
            case FmcLayout::LevelD:
                folder = settings.pathLevelDPlans;
                file = name + ".rte";
                break;
            case FmcLayout::Pss:
                folder = settings.pathPssPlans;
                file = name + ".b2r";
                break;
            case FmcLayout::Pmdg737:
            case FmcLayout::Pmdg747:
                folder = settings.pathPmdgPlans;
                file = prefix + name + ".rte";
                break;
        }
        if (!writeOne(context, folder, folder + file, data.fmcLines, result)) {
            return result;
        }
    }
    if (data.createFsPlan) {
        const std::string& folder = settings.pathFsPlans;
        if (!writeOne(context, folder, folder + name + ".pln", data.planLines, result)) {
            return result;
        }
    }
    context.prompts.message(
        {"Flightplan(s) saved!", MessageButtons::Ok, MessageIcon::Information, ""});
    return result;
}

}  // namespace skyloom
