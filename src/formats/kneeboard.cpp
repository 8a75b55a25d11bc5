#include "formats/kneeboard.h"

#include "formats/print_text.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "io/text_util.h"

namespace skyloom {

namespace {

KneeboardStatus fail(CommandContext& context, const std::string& text) {
    context.prompts.message({text, MessageButtons::Ok, MessageIcon::Critical, ""});
    return KneeboardStatus::Failed;
}

}  // namespace

std::optional<std::string> KneeboardFile(const std::string& pathNavData) {
    const std::size_t folder = toLowerAscii(pathNavData).find("fmcwp");
    if (folder == std::string::npos) {
        return std::nullopt;
    }
    return pathNavData.substr(0, folder) + "aircraft" + kPathSeparator + "kneeboard_keys.htm";
}

std::string KneeboardBackupFile(const std::string& kneeboardFile) {
    const std::size_t keep = kneeboardFile.size() >= 3 ? kneeboardFile.size() - 3 : 0;
    return kneeboardFile.substr(0, keep) + "original";
}

std::vector<std::string> KneeboardPageLines(const MainWindowData& data,
                                            const std::vector<std::string>& backupLines) {
    std::vector<std::string> lines;
    lines.emplace_back(kKneeboardOpening);
    // Dashed separator lines are far too wide for the kneeboard.
    for (const std::string& piece : splitAt(replaceAll(data.printText, "----------", ""), kCrLf)) {
        lines.push_back(piece + "<br>");
    }
    lines.emplace_back();
    lines.push_back(FuelStatusLine(data));
    lines.emplace_back();
    lines.insert(lines.end(), data.destinationRunways.begin(), data.destinationRunways.end());
    lines.insert(lines.end(), backupLines.begin(), backupLines.end());
    return lines;
}

KneeboardStatus WriteKneeboardPage(CommandContext& context) {
    if (trimBlanks(context.data.printText).empty()) {
        MessageAnswer answer =
            context.prompts.message({"No Data in Print-Textbox, copy anyway ?",
                                     MessageButtons::YesNo, MessageIcon::Question, ""});
        if (answer != MessageAnswer::Yes) {
            return KneeboardStatus::Cancelled;
        }
    }
    const std::string& navData = context.settings.pathNavData;
    std::optional<std::string> page = KneeboardFile(navData);
    if (!page) {
        return fail(context, "The navigation data folder " + navData +
                                 " is not inside the simulator's FMCWP folder, so the "
                                 "kneeboard page cannot be found.");
    }
    if (!fileExists(*page)) {
        return fail(context, "The kneeboard page " + *page + " does not exist.");
    }
    const std::string backup = KneeboardBackupFile(*page);
    if (!fileExists(backup) && !copyFile(*page, backup)) {
        return fail(context, "The kneeboard page could not be kept as " + backup + ".");
    }
    std::optional<std::vector<std::string>> original = readTextLines(backup);
    if (!original) {
        return fail(context, "The kneeboard backup " + backup + " could not be read.");
    }
    WriteResult written = writeTextLines(*page, KneeboardPageLines(context.data, *original));
    if (!written.ok) {
        return fail(context, written.error);
    }
    context.prompts.message({"Finished", MessageButtons::Ok, MessageIcon::Information, ""});
    return KneeboardStatus::Written;
}

}  // namespace skyloom
