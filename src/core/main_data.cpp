#include "core/main_data.h"

namespace skyloom {

namespace {

struct AircraftNames {
    const char* caption;
    const char* typeNumber;
    const char* performanceFile;
};

// One row per option, Option1 .. Option4.
constexpr AircraftNames kNames[] = {
    {"PMDG737", "737", "B737NG.dat"},
    {"PMDG747", "747", "B747PMDG.dat"},
    {"LevelD 767", "767", "LevelD767.dat"},
    {"PSS 777", "777", "PSS777.dat"},
};

const AircraftNames& namesOf(Aircraft aircraft) {
    return kNames[static_cast<int>(aircraft)];
}

}  // namespace

const char* aircraftCaption(Aircraft aircraft) {
    return namesOf(aircraft).caption;
}

const char* aircraftTypeNumber(Aircraft aircraft) {
    return namesOf(aircraft).typeNumber;
}

const char* aircraftPerformanceFile(Aircraft aircraft) {
    return namesOf(aircraft).performanceFile;
}

std::vector<std::string> AircraftIniLines(Aircraft chosen) {
    std::vector<std::string> lines;
    for (Aircraft option : kAllAircraft) {
        lines.emplace_back(option == chosen ? "1" : "0");
    }
    return lines;
}

}  // namespace skyloom
