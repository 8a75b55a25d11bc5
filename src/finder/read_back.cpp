#include "finder/read_back.h"

#include "io/text_util.h"

namespace skyloom {

namespace {

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Fields 2 to 4 of a line as a choice window line; empty when the line has
// fewer than five fields.
std::string candidateOf(std::string_view word, std::string_view line) {
    const std::vector<std::string> fields = splitAt(line, ' ');
    if (fields.size() < 5) {
        return std::string();
    }
    return std::string(word) + " " + fields[3] + ":" + fields[4];
}

}  // namespace

std::string CandidateLine(const NetworkPoint& point) {
    return point.identifier + " " + point.latitudeText + ":" + point.longitudeText;
}

ReadWaypoint ReadWaypointWord(const AirwayNetwork& network, std::string_view word,
                              std::string_view neighbour) {
    const std::vector<int> lines = network.linesHolding(word);
    ReadWaypoint read;
    // First the line on the neighbouring airway: the first line whose first
    // eight characters hold the neighbour.
    for (int k : lines) {
        const std::string_view text = network.line(static_cast<std::size_t>(k));
        if (text.substr(0, 8).find(neighbour) != std::string_view::npos) {
            read.line = candidateOf(word, text);
            read.kind = read.line.empty() ? ReadWaypoint::Kind::Nothing : ReadWaypoint::Kind::Point;
            return read;
        }
    }
    // Else every different position of the word.
    for (int k : lines) {
        std::string candidate = candidateOf(word, network.line(static_cast<std::size_t>(k)));
        if (candidate.empty()) {
            return read;
        }
        bool known = false;
        for (const std::string& earlier : read.candidates) {
            known = known || earlier == candidate;
        }
        if (!known) {
            read.candidates.push_back(std::move(candidate));
        }
    }
    if (read.candidates.size() == 1) {
        read.kind = ReadWaypoint::Kind::Point;
        read.line = read.candidates.front();
        read.candidates.clear();
    } else if (read.candidates.size() > 1) {
        read.kind = ReadWaypoint::Kind::Choice;
    }
    return read;
}

std::optional<std::vector<int>> ReadAirwayWord(const AirwayNetwork& network,
                                               std::string_view airway, std::string_view entry,
                                               std::string_view exit) {
    const std::vector<int>& lines = network.linesOfAirway(airway);
    const std::string entryText = std::string(entry) + " ";
    const std::string exitText = std::string(exit) + " ";
    int entryIndex = -1;
    int exitIndex = -1;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string_view text = network.line(static_cast<std::size_t>(lines[k]));
        if (text.find(entryText) != std::string_view::npos) {
            entryIndex = static_cast<int>(k);
        }
        if (text.find(exitText) != std::string_view::npos) {
            exitIndex = static_cast<int>(k);
        }
    }
    if (entryIndex < 0 || exitIndex < 0) {
        return std::nullopt;
    }
    std::vector<int> walked;
    const int step = entryIndex < exitIndex ? 1 : -1;
    for (int k = entryIndex + step; k != exitIndex && entryIndex != exitIndex; k += step) {
        walked.push_back(lines[static_cast<std::size_t>(k)]);
    }
    if (entryIndex == exitIndex) {
        walked.push_back(lines[static_cast<std::size_t>(entryIndex)]);
    }
    return walked;
}

bool Writable(const AirwayNetwork& network, std::string_view word, bool asWaypoint) {
    if (word.empty() || word.find(' ') != std::string_view::npos || toUpper1252(word) != word) {
        return false;
    }
    for (const char* removed : {"SID", "STAR", "DCT"}) {
        if (endsWith(word, removed)) {
            return false;
        }
    }
    return !asWaypoint || !network.isAirway(word);
}

}  // namespace skyloom
