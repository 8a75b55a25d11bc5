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

std::unique_ptr<NavLines> indexedFile(const std::string& path) {
    return std::make_unique<NavFile>(path);
}

}  // namespace

NavDatabase::NavDatabase(const std::string& folder, const NavLinesMaker& maker) {
    const NavLinesMaker& make = maker ? maker : NavLinesMaker(indexedFile);
    airports_ = make(folder + kAirportsFile);
    runways_ = make(folder + kRunwaysFile);
    airways_ = make(folder + kAirwaysFile);
}

bool NavDatabase::AirportExists(const std::string& code, Prompts& prompts) {
    if (!airports_->exists()) {
        prompts.message(
            {"Please check the path to PMDG-NAVDATA !", MessageButtons::Ok, MessageIcon::None, ""});
        return false;
    }
    bool found = false;
    airports_->forEachLine([&](const std::string& line) {
        if (leftOf(line, 4) == code) {
            found = true;
        }
        return true;  // the whole file is read, as the lookup always did
    });
    return found;
}

std::string NavDatabase::FindAirportPosition(const std::string& code) {
    std::string matched;
    bool found = false;
    airports_->forEachLine([&](const std::string& line) {
        if (spacedStart(line) == code) {
            matched = replaceAll(line, "-", " -");
            found = true;
            return false;
        }
        return true;
    });
    if (!found) {
        return std::string();
    }
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
    std::string matched;
    bool found = false;
    airports_->forEachLine([&](const std::string& line) {
        if (leftOf(line, 4) == code) {
            matched = line;
            found = true;
            return false;
        }
        return true;
    });
    if (!found) {
        return "0";
    }
    std::string rest = trimBlanks(replaceAll(matched, code, ""));
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
    std::string result;
    runways_->forEachLine([&](const std::string& line) {
        if (line.size() >= 25 && line.find(code, 24) != std::string::npos) {
            auto elevation = parseWholeNumber(rightOf(line, 5), -2147483648LL, 2147483647LL);
            if (elevation) {
                result = std::to_string(*elevation);
            }
            return false;
        }
        return true;
    });
    return result;
}

bool NavDatabase::IsAirway(const std::string& name) {
    bool found = false;
    airways_->forEachLineStartingWith(name, [&found](const std::string&) {
        found = true;
        return false;
    });
    return found;
}

bool NavDatabase::forEachLineOfAirway(const std::string& airway,
                                      const std::function<bool(const std::string&)>& onLine) {
    return airways_->forEachLineStartingWith(airway, onLine);
}

bool NavDatabase::forEachLineHoldingWaypoint(
    const std::string& waypoint, const std::function<bool(const std::string&)>& onLine) {
    return airways_->forEachLineHolding(waypoint, onLine);
}

bool NavDatabase::forEachRunwayLine(const std::function<bool(const std::string&)>& onLine) {
    return runways_->forEachLine(onLine);
}

}  // namespace skyloom
