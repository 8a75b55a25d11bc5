#include "navdata/nav_database.h"

#include <algorithm>

#include "geo/coordinates.h"
#include "io/text_util.h"
#include "navdata/nav_file.h"

namespace skyloom {

namespace {

// The first four characters of the line once every "-" has a blank put before
// it, without rewriting the whole line.
std::string spacedStart(const std::string& line) {
    std::string start;
    for (std::size_t i = 0; i < line.size() && start.size() < 4; ++i) {
        if (line[i] == '-') {
            start += ' ';
        }
        start += line[i];
    }
    start.resize(std::min<std::size_t>(start.size(), 4));
    return start;
}

std::unique_ptr<NavLines> indexedFile(const std::string& path, const NavIndexPlan& plan) {
    return std::make_unique<NavFile>(path, plan);
}

// airports.dat by the code in its first four characters; wpNavAPT.txt by the
// code in columns 25 to 28 and what follows it; wpNavRTE.txt by the airway
// that begins a line and the waypoint between blanks.
constexpr std::size_t kCodeWidth = 4;
constexpr std::size_t kRunwayCodeStart = 24;
constexpr NavIndexPlan kAirportsPlan{false, false, 0, kCodeWidth, false};
constexpr NavIndexPlan kRunwaysPlan{false, false, kRunwayCodeStart, kCodeWidth, true};
constexpr NavIndexPlan kAirwaysPlan{true, true, 0, 0, false};

// The first line of `file` that `lookup` gives, or nothing.
template <class Lookup>
std::optional<std::string> firstLine(Lookup lookup) {
    std::optional<std::string> found;
    lookup([&found](const std::string& line) {
        found = line;
        return false;
    });
    return found;
}

}  // namespace

NavDatabase::NavDatabase(const std::string& folder, const NavLinesMaker& maker) {
    const NavLinesMaker& make = maker ? maker : NavLinesMaker(indexedFile);
    airports_ = make(folder + kAirportsFile, kAirportsPlan);
    runways_ = make(folder + kRunwaysFile, kRunwaysPlan);
    airways_ = make(folder + kAirwaysFile, kAirwaysPlan);
}

void NavDatabase::checkForChanges() {
    for (NavLines* file : {airports_.get(), runways_.get(), airways_.get()}) {
        file->checkForChange();
    }
}

void NavDatabase::prepare() {
    for (NavLines* file : {airports_.get(), runways_.get(), airways_.get()}) {
        file->prepare();
    }
}

std::optional<std::string> NavDatabase::airportLine(const std::string& code) {
    return firstLine([&](const OnNavLine& onLine) {
        airports_->forEachLineWithColumns(0, kCodeWidth, code, onLine);
    });
}

bool NavDatabase::AirportExists(const std::string& code, Prompts& prompts) {
    if (!airports_->exists()) {
        prompts.message(
            {"Please check the path to PMDG-NAVDATA !", MessageButtons::Ok, MessageIcon::None, ""});
        return false;
    }
    return airportLine(code).has_value();
}

std::string NavDatabase::FindAirportPosition(const std::string& code) {
    // A code without "-" and blanks is the start of a line with a blank put
    // before every "-" exactly when it is the line's first four characters.
    std::optional<std::string> line;
    if (code.find_first_of("- ") == std::string::npos) {
        line = airportLine(code);
    } else {
        line = firstLine([&](const OnNavLine& onLine) {
            airports_->forEachLine([&](const std::string& text) {
                return spacedStart(text) == code ? onLine(text) : true;
            });
        });
    }
    if (!line) {
        return std::string();
    }
    std::string matched = replaceAll(*line, "-", " -");
    matched = replaceAll(matched, "  ", " ");
    matched = replaceAll(matched, "  ", " ");
    matched = replaceAll(matched, "\t", " ");
    auto fields = splitAt(matched, ' ');
    if (fields.size() < 3) {
        return std::string();
    }
    std::string latitude = fields[1];
    std::string longitude = fields[2];
    std::string latHemisphere = leadingNumber(latitude) > 0 ? "N " : "S ";
    std::string lonHemisphere = leadingNumber(longitude) > 0 ? "E " : "W ";
    latitude = replaceAll(latitude, "-", "");
    longitude = replaceAll(longitude, "-", "");
    PadToSixDecimals(latitude, longitude);
    return "1 " + latHemisphere + latitude + " " + lonHemisphere + longitude;
}

std::string NavDatabase::FindAirportCoordinates(const std::string& code, std::string& latitude) {
    const std::optional<std::string> line = airportLine(code);
    if (!line) {
        return "0";
    }
    std::string rest = trimBlanks(replaceAll(*line, code, ""));
    rest = replaceAll(rest, "-", " -");
    for (int pass = 0; pass < 3; ++pass) {
        rest = replaceAll(rest, "  ", " ");
    }
    auto fields = splitAt(trimBlanks(rest), ' ');
    if (fields.size() < 2) {
        return "0";
    }
    latitude = trimBlanks(fields[0]);
    return trimBlanks(fields[1]);
}

std::string NavDatabase::FindAirportElevation(const std::string& code) {
    const std::optional<std::string> line = firstLine([&](const OnNavLine& onLine) {
        runways_->forEachLineHoldingFrom(kRunwayCodeStart, code, onLine);
    });
    if (!line) {
        return std::string();
    }
    auto elevation = parseWholeNumber(rightOf(*line, 5), -2147483648LL, 2147483647LL);
    return elevation ? std::to_string(*elevation) : std::string();
}

bool NavDatabase::IsAirway(const std::string& name) {
    bool found = false;
    airways_->forEachLineStartingWith(name, [&found](const std::string&) {
        found = true;
        return false;
    });
    return found;
}

bool NavDatabase::forEachLineOfAirway(const std::string& airway, const OnNavLine& onLine) {
    return airways_->forEachLineStartingWith(airway, onLine);
}

bool NavDatabase::forEachLineHoldingWaypoint(const std::string& waypoint, const OnNavLine& onLine) {
    return airways_->forEachLineHolding(waypoint, onLine);
}

bool NavDatabase::forEachRunwayLine(const OnNavLine& onLine) {
    return runways_->forEachLine(onLine);
}

bool NavDatabase::forEachRunwayLineOf(const std::string& code, const OnNavLine& onLine) {
    if (code.size() == kCodeWidth) {
        return runways_->forEachLineWithColumns(kRunwayCodeStart, kCodeWidth, code, onLine);
    }
    return runways_->forEachLine([&](const std::string& line) {
        return contains(midOf(line, kRunwayCodeStart + 1, kCodeWidth), code) ? onLine(line) : true;
    });
}

}  // namespace skyloom
