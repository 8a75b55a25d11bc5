#pragma once
// The "->" button: takes the route string from the text of the route-finder
// page shown in the browser pane. The page is recognised by its sentence
// "Tracks are magnetic, distances are in nautical miles."; the route is the
// text from the second line below that sentence up to and including the
// character after the destination code, which the page names in the first
// parentheses before its first "nautical miles".

#include <optional>
#include <string>

namespace skyloom {

inline constexpr const char* kRouteFinderMarker =
    "Tracks are magnetic, distances are in nautical miles.";

// The route string of a page text whose line breaks are CR LF, with blank
// runs collapsed to one blank; nothing when the page is not a route-finder
// result (no marker sentence, or one of the searches finds nothing).
std::optional<std::string> RouteFromRouteFinderPage(const std::string& pageText);

}  // namespace skyloom
