#pragma once
// The printed plan: the print text (Text2) with the fuel status and the
// destination runways. The core builds the printed lines; the desktop program
// hands them to the printer in "Courier New", 10 points, bold, one printed line
// per entry, ends the print job and then says "Print-Job done" (no icon,
// default title). skyloom-cli can show the same lines.

#include <optional>
#include <string>
#include <vector>

#include "core/main_data.h"

namespace skyloom {

// "PMDG737 /  Fuel: 13933 Liter - 12.15 Tonnen - 53.6 % - Time: 2:26"
std::string FuelStatusLine(const MainWindowData& data);

// Every CR LF followed by a blank loses that one blank (one pass from the left,
// so of two blanks after a line break one stays).
std::string NormalisePrintText(const std::string& text);

struct PrintError {
    int number = 0;
    std::string description;
};

// Wraps the line after the first dashed separator line ("-" + CR LF) when it
// has 85 characters or more: at the first blank at or after character 83 of
// the line, then again every 85 characters. Changes `text` in place; returns
// the error when a part of the line holds no blank to break at (the text is
// then left as it was).
std::optional<PrintError> RewrapRouteLine(std::string& text);

// The lines to print, in order: an empty line, the cruise level and distance
// line, the print text's lines (a line break at the very end leaves an empty
// last line), the fuel status line, an empty line, the runway lines.
std::vector<std::string> PrintedPlanLines(const MainWindowData& data);

}  // namespace skyloom
