#pragma once
// "Print Plan" (Command3): the print text (Text2) with the cruise level and
// distance, the fuel status and the destination runways, one printed line per
// entry, then "Print-Job done" (no icon, default title).

#include <optional>
#include <string>
#include <vector>

#include "core/command_context.h"
#include "core/printer.h"
#include "formats/print_text.h"

namespace skyloom {

// The error number that printer failures are reported with.
inline constexpr int kPrinterError = 482;

// Shows a printing failure as "number - description" with the critical icon.
void ReportPrintError(Prompts& prompts, const PrintError& error);

// "Print Plan" first: false, after the message "Nothing to print!", when the
// print text holds nothing but blanks.
bool PlanHasText(CommandContext& context);

// "Print Plan" once a printer is chosen: refuses an empty print text as
// PlanHasText does; otherwise normalises and rewraps the print text in place
// and returns the lines to print (see PrintedPlanLines). A rewrap failure is
// shown as "number - description" (critical icon) and gives nothing to print.
std::optional<std::vector<std::string>> PrintPlanLines(CommandContext& context);

// The whole command: an empty plan text is refused; a cancelled printer choice
// prints nothing, says nothing and leaves the plan text as it was. Only on its
// way to a printer is the plan text normalised and rewrapped. A printer
// failure is shown as "482 - description" with the critical icon.
void PrintPlan(CommandContext& context, Printer& printer);

}  // namespace skyloom
