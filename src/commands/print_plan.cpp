#include "commands/print_plan.h"

#include "io/text_util.h"

namespace skyloom {

void ReportPrintError(Prompts& prompts, const PrintError& error) {
    prompts.message({std::to_string(error.number) + " - " + error.description, MessageButtons::Ok,
                     MessageIcon::Critical, ""});
}

bool PlanHasText(CommandContext& context) {
    if (trimBlanks(context.data.printText).empty()) {
        context.prompts.message(
            {"Nothing to print!", MessageButtons::Ok, MessageIcon::Information, ""});
        return false;
    }
    return true;
}

std::optional<std::vector<std::string>> PrintPlanLines(CommandContext& context) {
    MainWindowData& data = context.data;
    if (!PlanHasText(context)) {
        return std::nullopt;
    }
    data.printText = NormalisePrintText(data.printText);
    if (std::optional<PrintError> error = RewrapRouteLine(data.printText)) {
        ReportPrintError(context.prompts, *error);
        return std::nullopt;
    }
    return PrintedPlanLines(data);
}

void PrintPlan(CommandContext& context, Printer& printer) {
    if (!PlanHasText(context) || !printer.choose()) {
        return;  // a cancelled choice leaves the plan text as it was
    }
    const std::optional<std::vector<std::string>> lines = PrintPlanLines(context);
    if (!lines) {
        return;
    }
    if (std::optional<std::string> failure = printer.print(*lines)) {
        ReportPrintError(context.prompts, PrintError{kPrinterError, *failure});
        return;
    }
    context.prompts.message({"Print-Job done", MessageButtons::Ok, MessageIcon::None, ""});
}

}  // namespace skyloom
