#pragma once
// The lookups in the PMDG navigation database (airports.dat, wpNavAPT.txt,
// wpNavRTE.txt) of one folder. Every comparison is exact and case-sensitive.

#include <optional>
#include <string>

#include "core/prompts.h"
#include "navdata/nav_lines.h"

namespace skyloom {

inline constexpr const char* kAirportsFile = "airports.dat";
inline constexpr const char* kRunwaysFile = "wpNavAPT.txt";
inline constexpr const char* kAirwaysFile = "wpNavRTE.txt";

class NavDatabase {
  public:
    // `folder` is PathNavData: it ends with a separator and file names are
    // appended to it. The files are read through NavFile unless `maker` says
    // otherwise.
    explicit NavDatabase(const std::string& folder, const NavLinesMaker& maker = {});

    // Looks at the files on disk again: a file that changed since it was read
    // is read anew by the next lookup. A calculation begins with it, so that
    // its lookups all see the files as they were when it began.
    void checkForChanges();
    // Gets every file ready for lookups now; the desktop program does this
    // once it shows its window, so that its first calculation is quick.
    void prepare();

    // True when airports.dat has a line for the code; a missing airports.dat is
    // reported through the prompts.
    bool AirportExists(const std::string& code, Prompts& prompts);
    // "1 N 50.033333 E 8.570556", or empty text.
    std::string FindAirportPosition(const std::string& code);
    // The longitude text; `latitude` receives the latitude text. "0" and
    // `latitude` untouched when the airport is not found.
    std::string FindAirportCoordinates(const std::string& code, std::string& latitude);
    // Elevation in feet as plain integer text, or empty text.
    std::string FindAirportElevation(const std::string& code);
    // True when some wpNavRTE.txt line begins with the name and one blank.
    bool IsAirway(const std::string& name);

    // Raw line access for the route procedures, the runway list and the
    // airport search: every runway line, and the runway lines whose code
    // field (columns 25 to 28) holds `code`.
    bool forEachRunwayLine(const OnNavLine& onLine);
    bool forEachRunwayLineOf(const std::string& code, const OnNavLine& onLine);
    // The wpNavRTE.txt lines of one airway (beginning with its name and a
    // blank), and the lines holding a waypoint between blanks, in file order.
    bool forEachLineOfAirway(const std::string& airway, const OnNavLine& onLine);
    bool forEachLineHoldingWaypoint(const std::string& waypoint, const OnNavLine& onLine);

    NavLines& airports() { return *airports_; }
    NavLines& runways() { return *runways_; }
    NavLines& airways() { return *airways_; }

  private:
    // The first airports.dat line whose first four characters are `code`.
    std::optional<std::string> airportLine(const std::string& code);

    std::unique_ptr<NavLines> airports_;
    std::unique_ptr<NavLines> runways_;
    std::unique_ptr<NavLines> airways_;
};

}  // namespace skyloom
