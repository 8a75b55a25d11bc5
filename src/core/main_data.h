#pragma once
// The main window's data store: the lists and fields that hold the last
// calculation. The desktop window shows it, skyloom-cli prints it, and every
// command reads and writes it. The window control that shows a member is
// named beside it.

#include <array>
#include <string>
#include <vector>

namespace skyloom {

// Option1 .. Option4, in this order (the value indexes tables of the options).
enum class Aircraft { Pmdg737, Pmdg747, LevelD767, Pss777 };

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour&) const = default;
};

inline constexpr Colour kGreen{0, 255, 0};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kBlack{0, 0, 0};

struct MainWindowData {
    std::string route;                          // Text1
    std::string cruiseAltitude = "31000";       // Text3
    std::string distance = "0";                 // Text5
    std::string printText;                      // Text2, lines joined by CR LF
    std::array<std::string, 2> fuel{"0", "0"};  // Text4(0) litres, Text4(1) tonnes
    std::string duration = "00:00";             // Label4
    std::string tankShare = "0%";               // Label6
    Colour tankShareColour = kBlack;            // Label6 text colour
    Colour cruiseCheckColour = kBlack;          // Picture1

    Aircraft aircraft = Aircraft::Pmdg737;  // Option1 .. Option4
    bool createFsPlan = true;               // Check1 "create FS-PLAN"
    bool onlyFsPlan = false;                // Check2 "only FS-Plan"
    bool saveEnabled = false;               // Command2 "Save FMC-Data"

    std::vector<std::string> fmcLines;            // List1: the FMC route file
    std::vector<std::string> airwayScratch;       // List2: the airway being expanded
    std::vector<std::string> routeListing;        // List3: one line per resolved waypoint
    std::vector<std::string> planLines;           // List4: the simulator plan
    std::vector<std::string> planWaypointLines;   // List5: the plan's waypoint lines
    std::vector<std::string> unresolved;          // List6: elements not found
    std::vector<std::string> destinationRunways;  // List7
    std::vector<std::string> routePoints;         // List8: "lat lon", departure first
};

inline constexpr Aircraft kAllAircraft[] = {Aircraft::Pmdg737, Aircraft::Pmdg747,
                                            Aircraft::LevelD767, Aircraft::Pss777};

// Caption of an aircraft option: "PMDG737", "PMDG747", "LevelD 767", "PSS 777".
const char* aircraftCaption(Aircraft aircraft);
// The type number pilots call the aircraft by: "737", "747", "767", "777".
const char* aircraftTypeNumber(Aircraft aircraft);
// The aircraft's performance file beside the program: "B737NG.dat", ...
const char* aircraftPerformanceFile(Aircraft aircraft);

// Four lines, 1 for the chosen aircraft and 0 for the others (also the
// aircraft section of a saved flight).
std::vector<std::string> AircraftIniLines(Aircraft chosen);

}  // namespace skyloom
