#pragma once
// The pieces of the generated navigation database: a seeded random source, the
// airway network on a grid of waypoints, and the airports.

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace skyloom::navgen {

// SplitMix64: fully specified, so the same seed gives the same numbers everywhere.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // A number from 0 to n - 1 (n > 0).
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    char letter() { return static_cast<char>('A' + below(26)); }

  private:
    std::uint64_t state_;
};

// Positions are kept in millionths of a degree and written with six decimals.
std::string FormatMicroDegrees(std::int32_t value);
std::string PadLeft(const std::string& text, std::size_t width);

struct Waypoint {
    std::string id;
    std::int32_t lat = 0;
    std::int32_t lon = 0;
};

struct Airway {
    std::string name;
    std::vector<int> points;  // indexes into Network::waypoints, in file order
    bool nameRepeats = false;
};

struct Network {
    int rows = 0;
    int cols = 0;
    std::vector<Waypoint> waypoints;  // one per grid cell, row by row
    std::vector<Airway> airways;      // in generation order
};

struct Airport {
    std::string code;
    std::string name;  // at most 24 characters
    std::int32_t lat = 0;
    std::int32_t lon = 0;
    int elevation = 0;
};

// Airway walks over the grid until the airways hold about `targetLines` points.
Network MakeNetwork(Rng& rng, std::size_t targetLines, const std::set<std::string>& airportCodes);
// The airway lines, airways sorted by name (blocks of one name stay in order).
std::string AirwaysFileText(const Network& network);

std::vector<Airport> MakeAirports(Rng& rng, std::size_t count);
std::string AirportsFileText(const std::vector<Airport>& airports);
std::string RunwaysFileText(Rng& rng, const std::vector<Airport>& airports);

std::vector<std::string> MakeRoutes(Rng& rng, const Network& network,
                                    const std::vector<Airport>& airports, std::size_t count);

}  // namespace skyloom::navgen
