// The airway network: one waypoint per cell of a grid over the world, airways
// as walks from cell to neighbouring cell.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "nav_network.h"

namespace skyloom::navgen {

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::string FormatMicroDegrees(std::int32_t value) {
    std::string fraction = std::to_string(std::abs(value) % 1000000);
    std::string text = value < 0 ? "-" : "";
    text += std::to_string(std::abs(value) / 1000000);
    text += '.';
    text.append(6 - fraction.size(), '0');
    text += fraction;
    return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
    std::string padded(width > text.size() ? width - text.size() : 0, ' ');
    padded += text;
    return padded;
}

namespace {

constexpr std::int32_t kSouth = -55'000'000;
constexpr std::int32_t kNorth = 70'000'000;
constexpr std::int32_t kWest = -180'000'000;
constexpr std::int32_t kEast = 180'000'000;

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The route text clean-up removes "SID ", "STAR " and "DCT ": no identifier ends so.
bool Acceptable(const std::string& id, const std::set<std::string>& airportCodes) {
    return !EndsWith(id, "SID") && !EndsWith(id, "STAR") && !EndsWith(id, "DCT") &&
           airportCodes.count(id) == 0;
}

std::string Letters(Rng& rng, int count) {
    std::string id;
    for (int i = 0; i < count; ++i) {
        id += rng.letter();
    }
    return id;
}

// Mostly five-letter fixes, three-letter VORs and two-letter NDBs (short ones
// repeat around the world by themselves); some identifiers end with an earlier
// short one (DO, RIDO), some repeat an earlier fix at another place.
std::string MakeIdentifier(Rng& rng, const std::vector<Waypoint>& earlier,
                           const std::set<std::string>& airportCodes) {
    for (;;) {
        int kind = rng.below(100);
        std::string id;
        if (kind < 62) {
            id = Letters(rng, 5);
        } else if (kind < 77) {
            id = Letters(rng, 3);
        } else if (kind < 89) {
            id = Letters(rng, 2);
        } else if (!earlier.empty()) {
            const std::string& other = earlier[rng.below(static_cast<int>(earlier.size()))].id;
            id = kind < 95 ? (other.size() <= 3 ? Letters(rng, 2) + other : "") : other;
        }
        if (!id.empty() && Acceptable(id, airportCodes)) {
            return id;
        }
    }
}

void PlaceWaypoints(Rng& rng, Network& network, const std::set<std::string>& airportCodes) {
    const std::int32_t latStep = (kNorth - kSouth) / network.rows;
    const std::int32_t lonStep = (kEast - kWest) / network.cols;
    for (int r = 0; r < network.rows; ++r) {
        for (int c = 0; c < network.cols; ++c) {
            Waypoint point;
            point.id = MakeIdentifier(rng, network.waypoints, airportCodes);
            point.lat = kSouth + r * latStep + latStep / 10 + rng.below(latStep * 8 / 10);
            point.lon = kWest + c * lonStep + lonStep / 10 + rng.below(lonStep * 8 / 10);
            network.waypoints.push_back(point);
        }
    }
}

constexpr int kRowStep[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kColStep[8] = {1, 1, 0, -1, -1, -1, 0, 1};

// A walk of up to `length` cells that keeps its heading, turns now and then,
// and never visits a cell twice.
std::vector<int> Walk(Rng& rng, const Network& network, int length) {
    int row = rng.below(network.rows), col = rng.below(network.cols), dir = rng.below(8);
    std::vector<int> cells{row * network.cols + col};
    while (static_cast<int>(cells.size()) < length) {
        if (rng.chance(15)) {
            dir = (dir + (rng.chance(50) ? 1 : 7)) % 8;
        }
        bool moved = false;
        for (int turn : {0, 1, 7, 2, 6}) {
            int d = (dir + turn) % 8, r = row + kRowStep[d], c = col + kColStep[d];
            int cell = r * network.cols + c;
            if (r < 0 || r >= network.rows || c < 0 || c >= network.cols ||
                std::find(cells.begin(), cells.end(), cell) != cells.end()) {
                continue;
            }
            row = r, col = c, dir = d, moved = true;
            cells.push_back(cell);
            break;
        }
        if (!moved) {
            break;
        }
    }
    return cells;
}

const char* const kPrefixes[] = {"A", "B", "G",  "J",  "L",  "M",  "N",  "Q",  "R",  "T", "V",
                                 "W", "Y", "UA", "UG", "UL", "UM", "UN", "UP", "UT", "UZ"};

std::string AirwayName(Rng& rng, const Network& network, std::set<std::string>& names) {
    if (network.airways.size() > 2 && rng.chance(2)) {
        return network.airways[rng.below(static_cast<int>(network.airways.size()))].name;
    }
    for (;;) {
        std::string name = kPrefixes[rng.below(std::size(kPrefixes))];
        name += std::to_string(1 + rng.below(rng.chance(70) ? 99 : 999));
        if (names.insert(name).second) {
            return name;
        }
    }
}

// Most airways are short; about one in seventy is longer than 60 points.
int AirwayLength(Rng& rng, std::size_t index) {
    if (index < 2) {
        return index == 0 ? 80 : 2;
    }
    long long x = rng.below(1000);
    return 2 + static_cast<int>(78 * x * x * x / 1'000'000'000LL);
}

}  // namespace

Network MakeNetwork(Rng& rng, std::size_t targetLines, const std::set<std::string>& airportCodes) {
    Network network;
    // About 2.5 airway lines per waypoint; the grid is 2.9 times as wide as high.
    double cells = static_cast<double>(targetLines) / 2.5;
    network.rows = std::max(8, static_cast<int>(std::sqrt(cells / 2.9)));
    network.cols = static_cast<int>(cells / network.rows);
    PlaceWaypoints(rng, network, airportCodes);
    std::set<std::string> names;
    std::size_t lines = 0;
    while (lines < targetLines) {
        Airway airway;
        int length = AirwayLength(rng, network.airways.size());
        for (int attempt = 0; attempt < 200 && static_cast<int>(airway.points.size()) < length;
             ++attempt) {
            std::vector<int> walk = Walk(rng, network, length);
            if (walk.size() > airway.points.size()) {
                airway.points = walk;
            }
        }
        airway.name = AirwayName(rng, network, names);
        lines += airway.points.size();
        network.airways.push_back(airway);
    }
    std::multiset<std::string> used;
    for (const Airway& airway : network.airways) {
        used.insert(airway.name);
    }
    for (Airway& airway : network.airways) {
        airway.nameRepeats = used.count(airway.name) > 1;
    }
    return network;
}

std::string AirwaysFileText(const Network& network) {
    std::vector<const Airway*> sorted;
    for (const Airway& airway : network.airways) {
        sorted.push_back(&airway);
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Airway* a, const Airway* b) { return a->name < b->name; });
    std::string text;
    for (const Airway* airway : sorted) {
        int sequence = 0;
        for (int index : airway->points) {
            const Waypoint& point = network.waypoints[index];
            std::string number = std::to_string(++sequence);
            text += airway->name;
            text += ' ';
            text.append(number.size() < 3 ? 3 - number.size() : 0, '0');
            for (const std::string& field : {number, point.id, FormatMicroDegrees(point.lat)}) {
                text += field;
                text += ' ';
            }
            text += FormatMicroDegrees(point.lon);
            text += "\r\n";
        }
    }
    return text;
}

}  // namespace skyloom::navgen
