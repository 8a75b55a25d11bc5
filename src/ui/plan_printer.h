#pragma once
// "Print Plan" on the system printer: the lines that the core builds, in
// 10-point bold fixed-pitch type, a new page whenever the next line would not
// fit on the sheet.

#include <QPrinter>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/command_context.h"
#include "formats/print_text.h"

class QWidget;

namespace skyloom::ui {

// Prints one line per entry on a printer that is already set up. A line wider
// than the sheet continues on the next printed line, so nothing is cut off.
// Returns the error when the printer could not be started or could not begin
// a new page.
std::optional<PrintError> PrintLines(QPrinter& printer, const std::vector<std::string>& lines);

// The "Print Plan" command: an empty plan text is refused; then
// `choosePrinter` sets up the printer (the print dialog, or a file in a test)
// and returns false when the pilot cancelled, which prints nothing, says
// nothing and leaves the plan text as it was. Then the plan text is
// normalised and rewrapped, the lines are printed and "Print-Job done" is shown; a printer failure
// is shown as "number - description" with the critical icon.
void PrintPlanWith(CommandContext& context, const std::function<bool(QPrinter&)>& choosePrinter);

// "Print Plan" (Command3) with the system's print dialog.
void PrintPlan(CommandContext& context, QWidget* parent);

}  // namespace skyloom::ui
