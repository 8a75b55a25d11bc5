// The airports of the generated database: airports.dat and wpNavAPT.txt.

#include <algorithm>
#include <map>

#include "nav_network.h"

namespace skyloom::navgen {

namespace {

const char* const kSyllables[] = {"AL", "BAR", "CO",  "DEN", "EL", "FOR", "GRA", "HAM", "IN",
                                  "KA", "LIN", "MO",  "NOR", "O",  "PER", "RI",  "SAN", "TO",
                                  "U",  "VAL", "WES", "YOR", "ZE", "MAR", "LA",  "BO",  "KI"};
const char* const kSuffixes[] = {"", " INTL", " FIELD", " MUNI", " RGNL", " AB", " HELIPORT"};

std::string Word(Rng& rng) {
    std::string word;
    for (int i = 1 + rng.below(3); i > 0; --i) {
        word += kSyllables[rng.below(std::size(kSyllables))];
    }
    return word;
}

// One name in forty holds a ";", as some real names do.
std::string AirportName(Rng& rng) {
    std::string name = Word(rng);
    if (rng.chance(60)) {
        name += rng.chance(3) ? ';' : ' ';
        name += Word(rng);
    }
    name += kSuffixes[rng.below(std::size(kSuffixes))];
    return name.substr(0, 24);
}

int Elevation(Rng& rng) {
    if (rng.chance(2)) {
        return -rng.below(60);
    }
    return rng.chance(10) ? rng.below(9000) : rng.below(2000);
}

std::string TwoDigits(int value) {
    std::string text = value < 10 ? "0" : "";
    text += std::to_string(value);
    return text;
}

std::string Frequency(Rng& rng) {
    if (rng.chance(60)) {
        return "000.00";
    }
    std::string text = std::to_string(108 + rng.below(4));
    text += '.';
    text += std::to_string(rng.below(10));
    text += rng.chance(50) ? '0' : '5';
    return text;
}

// One line per runway end; `number` is 1 to 36, `side` " ", "L" or "R".
std::string RunwayLine(Rng& rng, const Airport& airport, int number, const std::string& side,
                       int length) {
    std::string name = airport.name;
    name.resize(24, ' ');
    int heading = std::clamp(number * 10 - 4 + rng.below(9), 1, 360);
    std::string headingText = heading < 100 ? (heading < 10 ? "00" : "0") : "";
    headingText += std::to_string(heading);
    std::int32_t lat = airport.lat - 5000 + rng.below(10001);
    std::int32_t lon = airport.lon - 5000 + rng.below(10001);
    std::string line = name;
    for (const std::string& field :
         {airport.code, TwoDigits(number), side, PadLeft(std::to_string(length), 5),
          std::string(" "), PadLeft(FormatMicroDegrees(lat), 10), std::string(" "),
          PadLeft(FormatMicroDegrees(lon), 11), std::string(" "), Frequency(rng), headingText,
          std::string(" "), PadLeft(std::to_string(airport.elevation), 5), std::string("\r\n")}) {
        line += field;
    }
    return line;
}

// One to three runways (two ends each); two runways may be a parallel pair.
std::string AirportRunways(Rng& rng, const Airport& airport) {
    int runways = rng.chance(60) ? 1 : (rng.chance(75) ? 2 : 3);
    bool parallel = runways >= 2 && rng.chance(40);
    std::string text;
    int number = 1 + rng.below(18);
    for (int r = 0; r < runways; ++r) {
        if (!(parallel && r == 1)) {
            number = r == 0 ? number : 1 + rng.below(18);
        }
        std::string side = !parallel || r > 1 ? " " : (r == 0 ? "L" : "R");
        std::string otherSide = side == "L" ? "R" : (side == "R" ? "L" : " ");
        int length = 1500 + rng.below(12000);
        text += RunwayLine(rng, airport, number, side, length);
        text += RunwayLine(rng, airport, number + 18, otherSide, length);
    }
    return text;
}

}  // namespace

std::vector<Airport> MakeAirports(Rng& rng, std::size_t count) {
    std::map<std::string, Airport> byCode;
    while (byCode.size() < count) {
        Airport airport;
        for (int i = 0; i < 4; ++i) {
            airport.code += rng.letter();
        }
        if (airport.code.ends_with("SID") || airport.code.ends_with("DCT") ||
            airport.code == "STAR") {
            continue;
        }
        airport.name = AirportName(rng);
        airport.lat = -55'000'000 + rng.below(125'000'000);
        airport.lon = -180'000'000 + rng.below(360'000'000);
        airport.elevation = Elevation(rng);
        byCode.emplace(airport.code, airport);
    }
    std::vector<Airport> airports;
    for (auto& [code, airport] : byCode) {
        airports.push_back(airport);
    }
    return airports;
}

std::string AirportsFileText(const std::vector<Airport>& airports) {
    std::string text;
    for (const Airport& airport : airports) {
        text += airport.code + " " + FormatMicroDegrees(airport.lat) + " " +
                FormatMicroDegrees(airport.lon) + "\r\n";
    }
    return text;
}

std::string RunwaysFileText(Rng& rng, const std::vector<Airport>& airports) {
    std::string text;
    for (const Airport& airport : airports) {
        text += AirportRunways(rng, airport);
    }
    return text;
}

}  // namespace skyloom::navgen
