#pragma once
// "Print Plan" on the system printer: the lines that the core builds, in
// 10-point bold fixed-pitch type, a new page whenever the next line would not
// fit on the sheet. What to print and what to say is the command's.

#include <QPrinter>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/command_context.h"
#include "core/printer.h"

class QWidget;

namespace skyloom::ui {

// Prints one line per entry on a printer that is already set up. A line wider
// than the sheet continues on the next printed line, so nothing is cut off.
// Returns what failed when the printer could not be started, could not begin
// a new page or could not finish the job.
std::optional<std::string> PrintLines(QPrinter& printer, const std::vector<std::string>& lines);

// The system's printer for the "Print Plan" command: `choosePrinter` sets it up
// (the print dialog, or a file in a test) and returns false when the pilot
// cancelled.
class QtPrinter : public Printer {
  public:
    explicit QtPrinter(std::function<bool(QPrinter&)> choosePrinter);
    bool choose() override;
    std::optional<std::string> print(const std::vector<std::string>& lines) override;

  private:
    std::function<bool(QPrinter&)> choosePrinter_;
    QPrinter printer_{QPrinter::HighResolution};
};

// "Print Plan" with a printer set up by `choosePrinter`.
void PrintPlanWith(CommandContext& context, const std::function<bool(QPrinter&)>& choosePrinter);

// "Print Plan" (Command3) with the system's print dialog.
void PrintPlan(CommandContext& context, QWidget* parent);

}  // namespace skyloom::ui
