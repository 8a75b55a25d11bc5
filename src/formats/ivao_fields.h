#pragma once
// The fields of the IVAO plan window (Form2) without the window: the 22 field
// texts in the order of ivao.txt and of the plan file, and the items of the
// drop-down lists. The window shows an IvaoFields and the commands below fill
// it; the file side (ivao.txt, the .fpl plan) is in ivao_files.h.
//
//  1 Callsign          8 Transponder*     15 Route (multi-line)     22 MTL-Aircraft
//  2 Flight-Rules*     9 Dep AP           16 Dest AP
//  3 Flight-Type*     10 Departure-Time   17 Total EET
//  4 Number (list)    11 Speed unit*      18 Alt AP
//  5 Aircraft-Type*   12 Speed value      19 Other Information (multi-line)
//  6 Wake-Cat.*       13 Level type*      20 endurance
//  7 Equipment        14 Level value      21 Pax on board
//  (* pick list: its text is one of its items or empty)

#include <array>
#include <string>
#include <vector>

#include "core/main_data.h"
#include "core/prompts.h"
#include "core/settings.h"

namespace skyloom {

inline constexpr int kIvaoFieldCount = 22;

// Field numbers (1-based, as in ivao.txt) that the code names.
enum IvaoField : int {
    kIvaoNumber = 4,
    kIvaoAircraftType = 5,
    kIvaoWakeCategory = 6,
    kIvaoDeparture = 9,
    kIvaoLevelType = 13,
    kIvaoLevel = 14,
    kIvaoRoute = 15,
    kIvaoDestination = 16,
    kIvaoAlternate = 18,
    kIvaoOther = 19,
    kIvaoMtlAircraft = 22,
};

struct IvaoFields {
    // Field n is text[n - 1].
    std::array<std::string, kIvaoFieldCount> text;
    // Items of the drop-down list of field n in items[n - 1]; empty for text fields.
    std::array<std::vector<std::string>, kIvaoFieldCount> items;

    std::string& field(int number) { return text[static_cast<std::size_t>(number - 1)]; }
    const std::string& field(int number) const {
        return text[static_cast<std::size_t>(number - 1)];
    }
};

// True for the fields whose text can only be one of their items (2, 3, 5, 6,
// 8, 11, 13); field 4 is a list whose text can also be typed.
bool isIvaoPickList(int number);

// Sets a field's text. A pick list takes only one of its items: any other text
// leaves it with nothing picked (empty) and returns false.
bool setIvaoField(IvaoFields& fields, int number, const std::string& text);

// A window as designed: design-time texts ("Equipment", "0000", "75") and the
// items of fields 2, 3, 4, 6, 8, 11 and 13. The aircraft list is still empty.
IvaoFields NewIvaoFields();

// Restores fields from ivao.txt: line n into field n, lines 9, 16 and 18 read
// and dropped. A line that cannot be read gives the text of the last line read
// (empty when none was), so a missing file empties every restored field and a
// short one repeats its last line into the rest.
void LoadIvaoDefaults(const std::string& ivaoTxtPath, IvaoFields& fields);
void LoadIvaoDefaults(const Settings& settings, IvaoFields& fields);

// The level text for field 14 from the cruise altitude as typed; sets field 13
// to "F" or "A" (untouched when the altitude has neither 4 nor 5 characters).
// 31000 -> 310 F, 9500 -> 095 F, 5100 -> 051 F, 5000 -> 5000 A, 850 -> "".
std::string CruiseLevelFromAltitude(const std::string& altitude, IvaoFields& fields);

// The route field from the main window's route text: without SID and STAR the
// text between the two airport codes, trimmed; with both, the text between
// "DEP SID " and " STAR DEST". Empty for texts too short to hold the codes.
std::string GetFlightDataRoute(const std::string& mainRoute);

// Lists the aircraft types of AircraftTable in field 5, up to the first entry
// whose type is empty or only blanks; nothing is picked afterwards.
void FillAircraftTypeList(const AircraftTable& table, IvaoFields& fields);

// Picks list entry `index` of field 5 and copies that entry's MTL text into
// field 22 and its wake category into field 6. An index beyond the list picks
// nothing and changes nothing else.
void PickAircraftType(const AircraftTable& table, IvaoFields& fields, int index);

// The list entry the main window's aircraft option preselects (0 to 3).
int AircraftListIndex(Aircraft aircraft);

// Opening the window: lists, ivao.txt, departure and destination, level,
// aircraft list and preselection. The route field is filled by GetFlightData
// when the window becomes active.
IvaoFields OpenIvaoFields(const Settings& settings, const MainWindowData& data);

}  // namespace skyloom
