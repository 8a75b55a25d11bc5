#include "route/route_intake.h"

#include "io/text_util.h"

namespace skyloom {

namespace {

constexpr std::size_t npos = std::string::npos;

// The destination code: characters 2 to 5 of the last "(...)" before the
// first "nautical miles" of the page.
std::optional<std::string> endKey(const std::string& page) {
    std::size_t miles = page.find("nautical miles");
    if (miles == npos) {
        return std::nullopt;
    }
    std::size_t open = page.rfind('(', miles);
    std::size_t close = page.rfind(')', miles);
    if (open == npos || close == npos || close < open) {
        return std::nullopt;
    }
    std::string key = midOf(page.substr(open, close - open + 1), 2, 4);
    if (key.empty()) {
        return std::nullopt;
    }
    return key;
}

// Blanks and line-break characters at both ends: the character taken after
// the destination code is the line's CR when the page ends the route line
// right behind it, and a route must not carry that into the route field.
std::string trimRoute(const std::string& text) {
    const char* edge = " \r\n";
    std::size_t first = text.find_first_not_of(edge);
    if (first == npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(edge) - first + 1);
}

}  // namespace

std::optional<std::string> RouteFromRouteFinderPage(const std::string& pageText) {
    std::size_t marker = pageText.find(kRouteFinderMarker);
    if (marker == npos) {
        return std::nullopt;
    }
    auto key = endKey(pageText);
    if (!key) {
        return std::nullopt;
    }
    // The line right below the marker's line is skipped.
    std::size_t firstBreak = pageText.find(kCrLf, marker + 1);
    if (firstBreak == npos) {
        return std::nullopt;
    }
    std::size_t secondBreak = pageText.find(kCrLf, firstBreak + 1);
    if (secondBreak == npos) {
        return std::nullopt;
    }
    std::size_t start = secondBreak + 2;
    std::size_t keyAt = pageText.find(*key, secondBreak + 1);
    if (keyAt == npos || keyAt + 4 < start) {
        return std::nullopt;
    }
    std::string route = trimRoute(pageText.substr(start, keyAt + 5 - start));
    while (contains(route, "  ")) {
        route = replaceAll(route, "  ", " ");
    }
    return route;
}

}  // namespace skyloom
