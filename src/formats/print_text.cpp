#include "formats/print_text.h"

#include "io/text_util.h"

namespace skyloom {

namespace {

constexpr std::size_t kWrapWidth = 85;
constexpr std::string_view kSeparatorEnd = "-\r\n";

// The text's lines as the printer puts them out: every line break starts a new
// printed line, and a break at the very end leaves an empty last line.
std::vector<std::string> printedLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t hit = text.find('\n', start);
        if (hit == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            return lines;
        }
        std::size_t end = (hit > start && text[hit - 1] == '\r') ? hit - 1 : hit;
        lines.emplace_back(text.substr(start, end - start));
        start = hit + 1;
    }
}

}  // namespace

std::string FuelStatusLine(const MainWindowData& data) {
    return std::string(aircraftCaption(data.aircraft)) + " /  Fuel: " + data.fuel[0] + " Liter - " +
           data.fuel[1] + " Tonnen - " + data.tankShare + " - " + "Time: " + data.duration;
}

std::string NormalisePrintText(const std::string& text) {
    return replaceAll(text, "\r\n ", kCrLf);
}

std::optional<PrintError> RewrapRouteLine(std::string& text) {
    // Positions are 0-based here: `dash` is the separator's "-", the line that
    // follows starts after its CR LF.
    const std::size_t dash = text.find(kSeparatorEnd);
    if (dash == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t lineFeed = dash + 2;  // the piece starts with the separator's LF
    const std::size_t lineEnd = text.find(kCrLf, lineFeed);
    if (lineEnd == std::string::npos || lineEnd - lineFeed <= kWrapWidth) {
        return std::nullopt;  // the last line, or short enough
    }
    const std::string unwrapped = trimBlanks(text.substr(lineFeed, lineEnd - lineFeed));
    const std::size_t breaks = unwrapped.size() / kWrapWidth;
    std::string working = unwrapped;
    for (std::size_t i = 1; i <= breaks; ++i) {
        // The first blank at or after 1-based position 85 * i - 1 of the piece.
        const std::size_t blank = working.find(' ', kWrapWidth * i - 2);
        if (blank == std::string::npos) {
            return PrintError{5,
                              "The route line after the dashed separator holds no blank "
                              "where it could be wrapped for printing."};
        }
        working.replace(blank, 1, kCrLf);
    }
    text = replaceAll(text, unwrapped, working);
    return std::nullopt;
}

std::vector<std::string> PrintedPlanLines(const MainWindowData& data) {
    std::vector<std::string> lines;
    lines.emplace_back();
    lines.push_back("Cruise Level: " + data.cruiseAltitude + " - Distance: " + data.distance +
                    " nautical miles.");
    for (std::string& line : printedLines(data.printText)) {
        lines.push_back(std::move(line));
    }
    lines.push_back(FuelStatusLine(data));
    lines.emplace_back();
    lines.insert(lines.end(), data.destinationRunways.begin(), data.destinationRunways.end());
    return lines;
}

}  // namespace skyloom
