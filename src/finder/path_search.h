#pragma once
// The search for the cheapest path over the airway network from the points
// near the departure to the points near the destination: A* over the
// great-circle distance. Airway legs cost their length, direct legs between
// airway points (up to a limit) cost more per mile, and every change from one
// airway or direct stretch to another adds a small cost so that the path does
// not zig-zag between airways.

#include <utility>
#include <vector>

#include "finder/airway_network.h"

namespace skyloom {

struct FinderOptions {
    double joinRadiusNm = 60.0;  // airport to airway points, widened step by step
    double joinStepNm = 60.0;
    double joinLimitNm = 480.0;
    double directLimitNm = 500.0;  // longest direct leg between airway points
    double directCostFactor = 1.5;
    double airwayChangeCost = 10.0;  // nautical miles' worth
};

// A point reached, and how: along a chain, or direct (chain -1; the first
// leg of a path is the join from the departure).
struct PathLeg {
    int point = 0;
    int chain = -1;
};

// Where a search starts and ends: the airports' positions and the airway
// points joined to each, with the join's length.
struct SearchEnds {
    NetworkPoint departure;
    NetworkPoint destination;
    std::vector<std::pair<int, double>> starts;
    std::vector<std::pair<int, double>> finishes;
};

// Points a search must not enter: 1 not by a direct leg or join, 2 not at all.
using EntryBans = std::vector<char>;

struct PathResult {
    bool found = false;
    double cost = 0.0;
    std::vector<PathLeg> legs;  // from the first airway point to the last
};

PathResult SearchPath(const AirwayNetwork& network, const SearchEnds& ends,
                      const FinderOptions& options, const EntryBans& bans);

}  // namespace skyloom
