#pragma once
// The route as one calculation resolved it: the two airports and every route
// point in flying order, with its position both as the navigation file wrote
// it (the route files copy those texts byte for byte) and as numbers (for
// distances and the map). The route procedures build it and know no file
// layout; every writer in formats/ renders it into its own lines.

#include <string>
#include <vector>

namespace skyloom {

struct ResolvedAirport {
    std::string code{};          // the route word, as the FMC files name it
    std::string planCode{};      // first or last four characters of the cleaned route text
    std::string titleCode{};     // the code the airport check found, before the clean-up
    std::string latitudeText{};  // from airports.dat, as read
    std::string longitudeText{};
    // As the route distance reads them (the destination's with a decimal comma
    // read as a point).
    double latitude = 0.0;
    double longitude = 0.0;
    std::string position{};   // "1 N 50.033333 E 8.570556", FindAirportPosition
    std::string elevation{};  // feet, FindAirportElevation
};

// How a point came into the route.
enum class Reached {
    Direct,               // a route element of its own
    OnAirway,             // a point walked between an airway's entry and exit
    OnAirwayEntryIsExit,  // the single point of an airway whose entry and exit are one line
};

struct ResolvedPoint {
    std::string identifier{};  // the route element as written, or the airway line's identifier
    Reached reached = Reached::Direct;
    bool resolved = true;  // false: listed as not found, written nowhere
    // On an airway: the airway walked. Direct: the neighbouring route element
    // when it names an airway (the element after it for the first element,
    // the one before it otherwise), else empty.
    std::string airway{};
    bool firstElement = false;     // Direct: the element right after the departure
    bool nearDestination = false;  // Direct: one of the last two elements before the destination
    std::string lineAirway{};      // field 0 of the navigation line the position came from
    std::string latitudeText{};    // signed decimal degrees, as in wpNavRTE.txt
    std::string longitudeText{};
    // The position as the route records write it, "1 N 50.100000 E 8.100000 0",
    // and as the route listing shows it, "N 50.100000\tE 8.100000".
    std::string recordText{};
    std::string listingText{};
    double latitude = 0.0;
    double longitude = 0.0;

    bool onAirway() const { return reached != Reached::Direct; }
    // The airway the point is flown on, as the LevelD and PSS files name it;
    // empty when it is flown to directly.
    std::string via() const { return firstElement ? std::string() : airway; }
};

struct ResolvedRoute {
    ResolvedAirport departure;
    ResolvedAirport destination;
    std::vector<ResolvedPoint> points{};  // unresolved elements included, in order

    bool empty() const { return departure.code.empty(); }
    std::vector<const ResolvedPoint*> resolvedPoints() const;
    // The elements that could not be resolved, in order (List6).
    std::vector<std::string> unresolvedNames() const;
};

}  // namespace skyloom
