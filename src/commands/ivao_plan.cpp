#include "commands/ivao_plan.h"

#include "io/file_system.h"
#include "io/text_file.h"
#include "io/text_util.h"
#include "settings/settings_files.h"

namespace skyloom {

namespace {

// A plan name is a bare file name: it must not reach into another folder.
bool isPlainFileName(const std::string& name) {
    return name.find_first_of("/\\:") == std::string::npos && !contains(name, "..");
}

void showError(CommandContext& context, const std::string& description) {
    context.prompts.message({description, MessageButtons::Ok, MessageIcon::Critical, "Error"});
}

}  // namespace

bool SaveIvaoFields(CommandContext& context, const IvaoFields& fields) {
    const WriteResult written =
        writeTextLines(context.settings.besideProgram("ivao.txt"), IvaoTxtLines(fields));
    if (!written.ok) {
        ReportWriteFailure(context.prompts, written);
    }
    return written.ok;
}

void GetFlightData(Prompts& prompts, const MainWindowData& data, IvaoFields& fields) {
    fields.field(kIvaoRoute).clear();
    if (trimBlanks(data.route).empty()) {
        prompts.message({"No Route available", MessageButtons::Ok, MessageIcon::None, ""});
        return;
    }
    fields.field(kIvaoRoute) = GetFlightDataRoute(data.route);
}

IvaoPlanResult MakeIvaoPlan(CommandContext& context) {
    std::optional<std::string> answer =
        context.prompts.input({"Filename:", "Save IVAO PLAN", "TEMP"});
    if (!answer) {
        return {IvaoPlanStatus::Cancelled, ""};
    }
    return MakeIvaoPlanNamed(context, *answer);
}

IvaoPlanResult MakeIvaoPlanNamed(CommandContext& context, const std::string& name) {
    if (trimBlanks(name).empty()) {
        return {IvaoPlanStatus::Cancelled, ""};
    }
    if (!isPlainFileName(name)) {
        context.prompts.message({"\"" + name +
                                     "\" is no plain file name: the IVAO plan is written into "
                                     "the IVAP folder and its name must not name a folder.",
                                 MessageButtons::Ok, MessageIcon::Critical, ""});
        return {IvaoPlanStatus::Refused, ""};
    }
    const std::string folder = context.settings.pathIvapPlans;
    const std::string planPath = folder + name + ".fpl";
    if (!folderExists(folder)) {
        showError(context, "Path not found: the IVAP folder " + folder + " does not exist.");
        return {IvaoPlanStatus::Failed, planPath};
    }

    const std::string ivaoPath = context.settings.besideProgram("ivao.txt");
    std::vector<std::string> saved;
    bool opened = forEachTextLine(ivaoPath, [&saved](const std::string& line) {
        saved.push_back(line);
        return saved.size() < static_cast<std::size_t>(kIvaoFieldCount);
    });

    // What the client gets is written even when ivao.txt is missing or short, as
    // far as it goes: an empty plan, or one cut after its last complete line.
    WriteResult written =
        writeTextLines(planPath, opened ? IvaoPlanLines(saved) : std::vector<std::string>{});
    if (!written.ok) {
        showError(context, written.error);
        return {IvaoPlanStatus::Failed, planPath};
    }
    if (!opened) {
        showError(context,
                  "File not found: " + ivaoPath + " is missing; save the IVAO flight data first.");
        return {IvaoPlanStatus::Failed, planPath};
    }
    if (saved.size() < static_cast<std::size_t>(kIvaoFieldCount)) {
        showError(context, "Input past end of file: " + ivaoPath + " holds " +
                               std::to_string(saved.size()) + " of its " +
                               std::to_string(kIvaoFieldCount) + " lines.");
        return {IvaoPlanStatus::Failed, planPath};
    }
    context.prompts.message({"IVAO-Flightplan was generated", MessageButtons::Ok,
                             MessageIcon::Information, "Information"});
    return {IvaoPlanStatus::Written, planPath};
}

}  // namespace skyloom
