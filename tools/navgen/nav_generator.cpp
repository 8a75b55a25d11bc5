// The generated navigation database as a whole, and writing it to a folder.

#include "nav_generator.h"

#include <filesystem>
#include <fstream>

#include "nav_network.h"

namespace skyloom::navgen {

GeneratedNavDatabase GenerateNavDatabase(std::uint64_t seed, NavScale scale,
                                         std::size_t routeCount) {
    const bool full = scale == NavScale::Full;
    Rng rng(seed);
    std::vector<Airport> airports = MakeAirports(rng, full ? 12500 : 250);
    std::set<std::string> codes;
    for (const Airport& airport : airports) {
        codes.insert(airport.code);
    }
    Network network = MakeNetwork(rng, full ? 175000 : 3500, codes);
    GeneratedNavDatabase database;
    database.airports = AirportsFileText(airports);
    database.runways = RunwaysFileText(rng, airports);
    database.airways = AirwaysFileText(network);
    database.ident = "[Ident]\r\nCYCLE=2612\r\nVALIDITY=26NOV-23DEC/26\r\n";
    database.routes = MakeRoutes(rng, network, airports, routeCount);
    return database;
}

bool WriteNavDatabase(const GeneratedNavDatabase& database, const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::pair<const char*, const std::string*> files[] = {
        {"airports.dat", &database.airports},
        {"wpNavAPT.txt", &database.runways},
        {"wpNavRTE.txt", &database.airways},
        {"fmc_ident.txt", &database.ident},
    };
    for (const auto& [name, text] : files) {
        std::ofstream out(std::filesystem::path(folder) / name, std::ios::binary);
        out.write(text->data(), static_cast<std::streamsize>(text->size()));
        if (!out) {
            return false;
        }
    }
    return true;
}

}  // namespace skyloom::navgen
