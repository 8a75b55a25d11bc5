#include "navdata/runway_list.h"

#include "io/text_util.h"

namespace skyloom {

void ListDestinationRunways(NavDatabase& nav, const std::string& code,
                            std::vector<std::string>& runways) {
    runways.clear();
    bool damaged = false;
    nav.forEachRunwayLineOf(code, [&](const std::string& line) {
        auto elevation = parseWholeNumber(rightOf(line, 5), -32768, 32767);
        if (!elevation) {
            damaged = true;
            return false;
        }
        if (runways.empty()) {
            runways.push_back("Runways at " + trimBlanks(midOf(line, 1, 24)));
        }
        std::string rest = midOf(line, 25, std::string::npos);
        std::string frequency = midOf(rest, 37, 6);
        if (frequency == "000.00") {
            frequency = "---.--";
        }
        runways.push_back("RWy " + midOf(rest, 5, 3) + " - Frq: " + frequency + " - Head: " +
                          midOf(rest, 43, 3) + "\xB0" + " - Len: " + midOf(rest, 8, 5) +
                          " ft. - Elev: " + std::to_string(*elevation) + " ft.");
        return true;
    });
    if (damaged) {
        runways.clear();
    }
}

}  // namespace skyloom
