#pragma once
// Saved flights (.fp): the main window's route, lists, aircraft choice, cruise
// level, print text, distance and runway list, kept in nine tagged sections so
// that a flight can be shown again without a new calculation:
//
//   [ROUTE]
//   EDDF ABC UL610 DEF KJFK
//   [/ROUTE]
//   <empty line>
//   [FLUSI_WP]            simulator plan lines (List4)
//   ...
//   [/FLUSI_WP]
//   <empty line>
//   [AC_WP] .. [/AC_WP]   FMC route file lines (List1)
//   [WP] .. [/WP]         route listing (List3)
//   [AC]                  four lines 1/0: Option1 .. Option4
//   [FL] .. [/FL]         cruise altitude (Text3)
//   [PLAN] .. [/PLAN]     print text, one file line per text line (Text2)
//   [DISTANCE]            distance (Text5)
//   [RUNWAYS]             destination runways (List7)
//
// every section followed by one empty line, every line ended by CR LF.

#include <optional>
#include <string>
#include <vector>

#include "core/main_data.h"
#include "io/text_file.h"

namespace skyloom {

// The lines of a saved flight for the data store, without line ends.
std::vector<std::string> SavedFlightLines(const MainWindowData& data);
// Writes the saved flight; an older file at `path` survives a failed write.
WriteResult writeSavedFlight(const std::string& path, const MainWindowData& data);

// What a saved flight gives back, section by section, as its readers leave it:
// a section that is missing or broken leaves an optional field empty (the field
// stays as it was), a list with the entries read before the break, and the
// print text with what was added before the break.
struct SavedFlight {
    std::optional<std::string> route;             // [ROUTE] -> Text1
    std::vector<std::string> planLines;           // [FLUSI_WP] -> List4
    std::vector<Aircraft> aircraftClicks;         // [AC]: options to choose, in order
    std::vector<std::string> fmcLines;            // [AC_WP] -> List1
    std::vector<std::string> routeListing;        // [WP] -> List3, commas turned into points
    std::optional<std::string> cruiseAltitude;    // [FL] -> Text3
    std::string printText;                        // [PLAN] -> Text2
    std::optional<std::string> distance;          // [DISTANCE] -> Text5
    std::vector<std::string> destinationRunways;  // [RUNWAYS] -> List7
    int sectionsFound = 0;                        // opening tags met, 0 to 9
};

// Reads the sections of a saved flight from its lines, each by its own pass
// from the first line.
SavedFlight readSavedFlight(const std::vector<std::string>& lines);

// A saved flight is a few kilobytes; anything above this is not one of ours
// and is refused before it is read.
inline constexpr long long kMaxSavedFlightBytes = 16LL * 1024 * 1024;

// The lines of the file at `path`, or nothing when it cannot be read or is too
// large to be a saved flight.
std::optional<std::vector<std::string>> readSavedFlightFile(const std::string& path);

}  // namespace skyloom
