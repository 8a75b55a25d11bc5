#include "commands/flights.h"

#include "io/file_system.h"
#include "io/text_util.h"

namespace skyloom {

namespace {

// Steps before any file is touched: a calculated flight is needed, and an empty
// print text is saved only when the user says so.
bool readyToSave(CommandContext& context) {
    const MainWindowData& data = context.data;
    if (trimBlanks(data.route).empty() || data.routeListing.empty()) {
        context.prompts.message({"You must calculate a flight first!", MessageButtons::Ok,
                                 MessageIcon::Information, ""});
        return false;
    }
    if (trimBlanks(data.printText).empty()) {
        MessageAnswer answer = context.prompts.message(
            {std::string("You didn't copy the Flight-Data from the browser") + kCrLf +
                 "to the print-window!" + kCrLf + "Save anyway?",
             MessageButtons::YesNo, MessageIcon::Question, ""});
        if (answer != MessageAnswer::Yes) {
            return false;
        }
    }
    return true;
}

SaveFlightResult writeAndReport(CommandContext& context, const std::string& path) {
    WriteResult written = writeSavedFlight(path, context.data);
    if (!written.ok) {
        context.prompts.message(
            {"The flight could not be saved to " + path + "." + kCrLf + written.error,
             MessageButtons::Ok, MessageIcon::Critical, ""});
        return {SaveFlightStatus::Failed, path};
    }
    return {SaveFlightStatus::Written, path};
}

}  // namespace

std::string FlightsFolder(const Settings& settings) {
    return settings.besideProgram("flights");
}

std::string ProposedFlightName(const MainWindowData& data) {
    const std::string route = trimBlanks(data.route);
    // Appending to one string: a text put in front of a temporary string trips a
    // false -Wrestrict of GCC 12 at -O3.
    return std::string(aircraftTypeNumber(data.aircraft)) + "-" + leftOf(route, 4) + "-" +
           rightOf(route, 4);
}

std::string WithFlightExtension(const std::string& path) {
    std::size_t nameStart = path.find_last_of("/\\");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    if (path.find('.', nameStart) != std::string::npos) {
        return path;
    }
    return path + ".fp";
}

SaveFlightResult SaveFlight(CommandContext& context) {
    if (!readyToSave(context)) {
        return {SaveFlightStatus::Refused, ""};
    }
    const std::string folder = FlightsFolder(context.settings);
    if (!folderExists(folder)) {
        createFolder(folder);  // a failure shows up when the file is written
    }
    FileDialog dialog;
    dialog.filter = kFlightFileFilter;
    dialog.initialFolder = folder + kPathSeparator;
    dialog.proposedName = ProposedFlightName(context.data);
    dialog.warnOnOverwrite = true;
    std::optional<std::string> chosen = context.prompts.saveFile(dialog);
    if (!chosen || chosen->empty()) {
        return {SaveFlightStatus::Cancelled, ""};
    }
    return writeAndReport(context, WithFlightExtension(*chosen));
}

SaveFlightResult SaveFlightTo(CommandContext& context, const std::string& path) {
    if (!readyToSave(context)) {
        return {SaveFlightStatus::Refused, ""};
    }
    return writeAndReport(context, path);
}

}  // namespace skyloom
