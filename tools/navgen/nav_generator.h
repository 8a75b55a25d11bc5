#pragma once
// A navigation database in the PMDG text layout, made up from a seed, for the
// benchmarks and for tests on files of real-world size. The same seed and scale
// always give the same bytes, on every platform and in every locale.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace skyloom::navgen {

enum class NavScale {
    Small,  // about 3,500 airway lines, 250 airports, 750 runway lines: for tests
    Full,   // about 175,000 airway lines, 12,500 airports, 37,000 runway lines: about 10 MB
};

struct GeneratedNavDatabase {
    // The whole contents of each file; every line ends with CR LF.
    std::string airports;  // airports.dat
    std::string runways;   // wpNavAPT.txt
    std::string airways;   // wpNavRTE.txt
    std::string ident;     // fmc_ident.txt
    // Route texts "DEPT P0 AW1 P1 ... AWn Pn D DEST" that resolve without a
    // choice: every Pi lies on the airways before and after it, D is a
    // waypoint near Pn flown direct, and the points' identifiers are unique in
    // the file. routes[0] has 40 elements (18 airways); the others 3 to 12 airways.
    std::vector<std::string> routes;
};

GeneratedNavDatabase GenerateNavDatabase(std::uint64_t seed, NavScale scale,
                                         std::size_t routeCount);

// Writes airports.dat, wpNavAPT.txt, wpNavRTE.txt and fmc_ident.txt into
// `folder`, which is created when missing. False when a file cannot be written.
bool WriteNavDatabase(const GeneratedNavDatabase& database, const std::string& folder);

}  // namespace skyloom::navgen
