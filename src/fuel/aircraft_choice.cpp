#include "fuel/aircraft_choice.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "io/file_system.h"
#include "io/text_file.h"
#include "io/text_util.h"

namespace skyloom {

namespace {

struct PerformanceKey {
    const char* key;
    int AircraftPerformance::*field;
};

// The keys are matched exactly: "TAXI =300" (blank before "=") is no TAXI line.
constexpr PerformanceKey kKeys[] = {
    {"TAXI", &AircraftPerformance::taxi},       {"CLIMB", &AircraftPerformance::climb},
    {"CRUISE", &AircraftPerformance::cruise},   {"DESCEND", &AircraftPerformance::descend},
    {"RESERVE", &AircraftPerformance::reserve}, {"GESAMT", &AircraftPerformance::capacity},
};

// A message box lists this many faulty lines at most, each cut to a readable length.
constexpr std::size_t kMaxListedLines = 10;
constexpr std::size_t kMaxShownLineLength = 60;

const PerformanceKey* findKey(const std::string& key) {
    for (const PerformanceKey& candidate : kKeys) {
        if (key == candidate.key) {
            return &candidate;
        }
    }
    return nullptr;
}

std::string faultyLinesReport(const std::string& path, const std::vector<std::string>& faults) {
    std::string report = "The performance file" + std::string(kCrLf) + path + kCrLf +
                         "has values that are not whole numbers. They count as 0:";
    for (std::size_t i = 0; i < faults.size() && i < kMaxListedLines; ++i) {
        report += kCrLf + faults[i];
    }
    if (faults.size() > kMaxListedLines) {
        report += std::string(kCrLf) + "... and " +
                  std::to_string(faults.size() - kMaxListedLines) + " more";
    }
    return report;
}

}  // namespace

std::string LoadPerformanceFile(const std::string& path, AircraftPerformance& performance) {
    // The capacity survives a file without GESAMT: the previous aircraft's tank stays.
    performance.taxi = 0;
    performance.climb = 0;
    performance.cruise = 0;
    performance.descend = 0;
    performance.reserve = 0;

    std::vector<std::string> faults;
    long long lineNumber = 0;
    auto readLine = [&](const std::string& line) {
        ++lineNumber;
        // A comment marker anywhere makes the whole line a comment.
        if (contains(line, "//") || trimBlanks(line).empty()) {
            return true;
        }
        std::vector<std::string> pieces = splitAt(line, '=');
        const PerformanceKey* key = findKey(pieces[0]);
        if (key == nullptr) {
            return true;
        }
        std::optional<long long> value;
        if (pieces.size() > 1) {
            value = parseWholeNumber(pieces[1], INT32_MIN, INT32_MAX);
        }
        if (value) {
            performance.*(key->field) = static_cast<int>(*value);
        } else {
            performance.*(key->field) = 0;
            faults.push_back("line " + std::to_string(lineNumber) + ": " +
                             leftOf(line, kMaxShownLineLength));
        }
        return true;
    };

    if (!fileExists(path) || !forEachTextLine(path, readLine)) {
        // Without its file the aircraft has no tank either; keeping the previous
        // aircraft's capacity would make the share of an empty estimate look fine.
        performance.capacity = 0;
        return "The performance file" + std::string(kCrLf) + path + kCrLf +
               "is missing or cannot be read. Its fuel flows, reserve and tank capacity "
               "count as 0.";
    }
    if (!faults.empty()) {
        return faultyLinesReport(path, faults);
    }
    return std::string();
}

void ChooseAircraft(CommandContext& context, Aircraft aircraft) {
    MainWindowData& data = context.data;
    data.aircraft = aircraft;
    data.routeListing.clear();
    // Saving waits for a calculation made with this aircraft.
    data.saveEnabled = false;
    std::string problem =
        LoadPerformanceFile(context.settings.besideProgram(aircraftPerformanceFile(aircraft)),
                            context.settings.performance);
    data.fuel = {"", ""};
    data.duration = "00:00";
    data.tankShare = "0 %";
    if (!problem.empty()) {
        context.prompts.message(
            {problem, MessageButtons::Ok, MessageIcon::Critical, std::string()});
    }
}

}  // namespace skyloom
