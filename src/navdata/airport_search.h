#pragma once
// The search of the "Airport-ICAO" window: finds airports in wpNavAPT.txt by
// a piece of their name, code or any other column of their runway lines.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "navdata/nav_database.h"

namespace skyloom {

enum class AirportSearchOutcome {
    Unchanged,       // the text is blank: nothing happens, the list keeps its entries
    Listed,          // `entries` replaces the list (it may be empty)
    FileUnreadable,  // wpNavAPT.txt is missing or unreadable: the list is emptied, `message` says
                     // why
};

struct AirportSearchResult {
    AirportSearchOutcome outcome = AirportSearchOutcome::Unchanged;
    // One entry per airport, in the order of its first runway line: the name
    // field (columns 1 to 24), a tab and the ICAO code (columns 25 to 28).
    std::vector<std::string> entries;
    std::string message;
};

// Typing searches at once when the search text is at least this long.
inline constexpr std::size_t kAirportSearchTypingLength = 5;

// True when a change of the search field to `text` starts a search.
bool SearchesWhileTyping(std::string_view text);

// Searches every runway line for `text` as typed (blanks included), compared
// in upper case; lines holding ";" are never listed.
AirportSearchResult SearchAirports(NavDatabase& nav, std::string_view text);

}  // namespace skyloom
