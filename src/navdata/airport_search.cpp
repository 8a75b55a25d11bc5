#include "navdata/airport_search.h"

#include <array>
#include <unordered_set>

#include "io/text_util.h"

namespace skyloom {

namespace {

// toUpper1252 maps byte to byte; as a table it upper-cases a line without a
// new string for each of the tens of thousands of lines.
const std::array<char, 256>& upperTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            t[static_cast<std::size_t>(b)] = toUpper1252(std::string_view(&c, 1))[0];
        }
        return t;
    }();
    return table;
}

}  // namespace

bool SearchesWhileTyping(std::string_view text) {
    return text.size() >= kAirportSearchTypingLength;
}

AirportSearchResult SearchAirports(NavDatabase& nav, std::string_view text) {
    AirportSearchResult result;
    if (trimBlanks(text).empty()) {
        return result;
    }
    nav.checkForChanges();
    const std::string needle = toUpper1252(text);
    const auto& upper = upperTable();
    std::unordered_set<std::string> listed;
    std::string upperLine;
    const bool read = nav.forEachRunwayLine([&](const std::string& line) {
        if (line.find(';') != std::string::npos) {
            return true;
        }
        upperLine.resize(line.size());
        for (std::size_t i = 0; i < line.size(); ++i) {
            upperLine[i] = upper[static_cast<unsigned char>(line[i])];
        }
        if (upperLine.find(needle) == std::string::npos) {
            return true;
        }
        std::string entry = leftOf(line, 24) + "\t" + midOf(line, 25, 4);
        if (listed.insert(entry).second) {
            result.entries.push_back(std::move(entry));
        }
        return true;
    });
    if (!read) {
        result.outcome = AirportSearchOutcome::FileUnreadable;
        result.entries.clear();
        result.message = "The airport file " + nav.runways().path() +
                         " is missing or cannot be read, so no airport can be found.";
        return result;
    }
    result.outcome = AirportSearchOutcome::Listed;
    return result;
}

}  // namespace skyloom
