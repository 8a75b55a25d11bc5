#include "commands/kneeboard_page.h"

#include "formats/kneeboard.h"
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
