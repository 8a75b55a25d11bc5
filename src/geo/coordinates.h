#pragma once
// Coordinate texts of the route files: six-decimal padding, the FMC position
// text and the degree/minute text of the simulator plan.

#include <string>

namespace skyloom {

// Pads both texts in place so that at least six digits follow the decimal
// separator (the first "," or else the first "."); "8" becomes "8.000000".
void PadToSixDecimals(std::string& a, std::string& b);

// Simulator-plan coordinates of a position text "1 N 50.033333 E 8.570556"
// followed by the altitude: "N50* 2.0', E8* 34.14', 364".
std::string FormatFs9Coordinates(const std::string& position, const std::string& altitude);

// "N50*033333 E8*570556" becomes "N50* 2.0', E8* 34.14', ".
std::string ToDegreesMinutesSeconds(const std::string& text);

// A waypoint's position from its signed latitude and longitude texts.
struct WaypointPosition {
    std::string latitudeHemisphere;   // "N " or "S "
    std::string latitude;             // unsigned, padded to six decimals
    std::string longitudeHemisphere;  // "E " or "W "
    std::string longitude;
    // "1 N 50.123456 E 8.123456 0"
    std::string recordText() const;
    // "N 50.123456" + tab + "E 8.123456", as the route listing shows it.
    std::string listingText() const;
};

// Builds the position; a latitude or longitude that is not a number gives false.
bool MakeWaypointPosition(const std::string& latitude, const std::string& longitude,
                          WaypointPosition& position);
// The same for texts already known to be numbers (a resolved route's points).
WaypointPosition WaypointPositionOf(const std::string& latitude, const std::string& longitude);

}  // namespace skyloom
