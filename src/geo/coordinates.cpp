#include "geo/coordinates.h"

#include <cfenv>
#include <cmath>
#include <cstdint>

#include "io/text_util.h"

namespace skyloom {

namespace {

void padOne(std::string& text) {
    std::size_t separator = text.find(',');
    if (separator == std::string::npos) {
        separator = text.find('.');
    }
    if (separator == std::string::npos) {
        separator = text.size();
        text += '.';
    }
    std::size_t digits = text.size() - separator - 1;
    while (digits < 6) {
        text += '0';
        ++digits;
    }
}

// Whole seconds of arc of the fraction digits, rounded half to even.
std::int32_t secondsOfFraction(const std::string& digits) {
    double fraction = leadingNumber("0." + digits);
    double seconds = std::nearbyint(fraction * 3600.0);
    if (!(seconds >= -2147483648.0 && seconds <= 2147483647.0)) {
        return 0;
    }
    return static_cast<std::int32_t>(seconds);
}

std::string partText(const std::string& part, bool lastStar) {
    std::size_t star = lastStar ? part.rfind('*') : part.find('*');
    std::string head = star == std::string::npos ? part : part.substr(0, star + 1);
    std::string digits = star == std::string::npos ? std::string() : part.substr(star + 1);
    std::int32_t total = secondsOfFraction(digits);
    return head + " " + std::to_string(total / 60) + "." + std::to_string(total % 60) + "', ";
}

}  // namespace

void PadToSixDecimals(std::string& a, std::string& b) {
    padOne(a);
    padOne(b);
}

std::string ToDegreesMinutesSeconds(const std::string& text) {
    auto parts = splitAt(text, ' ');
    std::string latitude = parts.size() > 0 ? parts[0] : std::string();
    std::string longitude = parts.size() > 1 ? parts[1] : std::string();
    return partText(latitude, false) + partText(longitude, true);
}

std::string FormatFs9Coordinates(const std::string& position, const std::string& altitude) {
    std::string text = replaceAll(position, ",", ".");
    text = text.size() > 2 ? text.substr(2) : std::string();
    text = replaceAll(text, "N ", "N");
    text = replaceAll(text, "S ", "S");
    text = replaceAll(text, "E ", "E");
    text = replaceAll(text, "W ", "W");
    text = replaceAll(text, ".", "*");
    return ToDegreesMinutesSeconds(text) + altitude;
}

std::string WaypointPosition::recordText() const {
    return replaceAll(
        "1 " + latitudeHemisphere + latitude + " " + longitudeHemisphere + longitude + " 0", ",",
        ".");
}

std::string WaypointPosition::listingText() const {
    return replaceAll(latitudeHemisphere + latitude + "\t" + longitudeHemisphere + longitude, ",",
                      ".");
}

bool MakeWaypointPosition(const std::string& latitude, const std::string& longitude,
                          WaypointPosition& position) {
    auto lat = parseNumber(latitude);
    auto lon = parseNumber(longitude);
    if (!lat || !lon) {
        return false;
    }
    position.latitudeHemisphere = *lat > 0 ? "N " : "S ";
    position.longitudeHemisphere = *lon > 0 ? "E " : "W ";
    position.latitude = plainDecimal(*lat);
    position.longitude = plainDecimal(*lon);
    PadToSixDecimals(position.latitude, position.longitude);
    return true;
}

WaypointPosition WaypointPositionOf(const std::string& latitude, const std::string& longitude) {
    WaypointPosition position;
    MakeWaypointPosition(latitude, longitude, position);
    return position;
}

}  // namespace skyloom
