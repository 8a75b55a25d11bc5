// The three navigation files through the index: airports.dat, wpNavAPT.txt
// and wpNavRTE.txt as the input's first three parts, looked up with every
// word of the fourth, once freshly indexed and once from the index cache.

#include <sstream>

#include "fuzz_support.h"
#include "navdata/airport_search.h"
#include "navdata/nav_database.h"
#include "navdata/nav_file.h"
#include "navdata/runway_list.h"

namespace {

void lookUp(skyloom::NavDatabase& nav, const std::string& word, skyloom::Prompts& prompts) {
    const auto keepGoing = [](const std::string&) { return true; };
    nav.AirportExists(word, prompts);
    nav.FindAirportPosition(word);
    std::string latitude;
    nav.FindAirportCoordinates(word, latitude);
    nav.FindAirportElevation(word);
    nav.IsAirway(word);
    nav.forEachLineOfAirway(word, keepGoing);
    nav.forEachLineHoldingWaypoint(word, keepGoing);
    std::vector<std::string> runways;
    skyloom::ListDestinationRunways(nav, word, runways);
    skyloom::SearchAirports(nav, word);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 4);
    fuzz::writeScratch(kAirportsFile, parts[0]);
    fuzz::writeScratch(kRunwaysFile, parts[1]);
    fuzz::writeScratch(kAirwaysFile, parts[2]);
    fuzz::FuzzPrompts prompts({});
    std::vector<std::string> words;
    std::istringstream in(parts[3]);
    // A few words are enough to reach every lookup; thousands would only slow
    // the harness down.
    for (std::string word; words.size() < 16 && in >> word;) {
        words.push_back(word);
    }
    const std::string cache = fuzz::scratchFolder() + "cache";
    for (int pass = 0; pass < 2; ++pass) {
        NavDatabase nav(fuzz::scratchFolder(), CachedNavFiles(cache));
        nav.forEachRunwayLine([](const std::string&) { return true; });
        for (const auto& word : words) {
            lookUp(nav, word, prompts);
        }
    }
    return 0;
}
