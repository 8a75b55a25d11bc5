// Reading saved flights back. Each section is looked for by its own pass from
// the first line, and a section that is missing or broken is given up alone:
// the others are still restored.

#include <cstddef>
#include <iterator>

#include "formats/saved_flight.h"
#include "io/file_system.h"
#include "io/text_util.h"

namespace skyloom {

namespace {

using Lines = std::vector<std::string>;

// Index of the line after the opening tag, or nothing when the tag is missing.
std::optional<std::size_t> findSection(const Lines& lines, const std::string& name) {
    const std::string tag = "[" + name + "]";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == tag) {
            return i + 1;
        }
    }
    return std::nullopt;
}

// The entries of a list section up to its closing tag, or up to the end of the
// file when the closing tag is missing.
Lines readListSection(const Lines& lines, const std::string& name, int& found,
                      bool commasToPoints = false) {
    Lines entries;
    std::optional<std::size_t> start = findSection(lines, name);
    if (!start) {
        return entries;
    }
    ++found;
    const std::string closing = "[/" + name + "]";
    for (std::size_t i = *start; i < lines.size() && lines[i] != closing; ++i) {
        entries.push_back(commasToPoints ? replaceAll(lines[i], ",", ".") : lines[i]);
    }
    return entries;
}

// The one line after the opening tag; the closing tag is not looked at.
std::optional<std::string> readSingleLine(const Lines& lines, const std::string& name, int& found) {
    std::optional<std::size_t> start = findSection(lines, name);
    if (!start) {
        return std::nullopt;
    }
    ++found;
    if (*start >= lines.size()) {
        return std::nullopt;
    }
    return lines[*start];
}

// Four numbers, Option1 to Option4; each 1 is a click on that option. A line
// that is no number ends the section.
std::vector<Aircraft> readAircraft(const Lines& lines, int& found) {
    std::vector<Aircraft> clicks;
    std::optional<std::size_t> start = findSection(lines, "AC");
    if (!start) {
        return clicks;
    }
    ++found;
    for (std::size_t k = 0; k < std::size(kAllAircraft); ++k) {
        std::size_t i = *start + k;
        if (i >= lines.size()) {
            break;
        }
        std::optional<double> value = parseNumber(lines[i]);
        if (!value) {
            break;
        }
        if (*value == 1.0) {
            clicks.push_back(kAllAircraft[k]);
        }
    }
    return clicks;
}

// The print text: each line followed by CR LF, the last CR LF taken off again at
// the closing tag. A section without lines stays empty; one without closing tag
// keeps the lines read, each with its CR LF.
std::string readPlan(const Lines& lines, int& found) {
    std::string text;
    std::optional<std::size_t> start = findSection(lines, "PLAN");
    if (!start) {
        return text;
    }
    ++found;
    for (std::size_t i = *start; i < lines.size(); ++i) {
        if (lines[i] == "[/PLAN]") {
            if (text.size() >= 2) {
                text.resize(text.size() - 2);
            }
            return text;
        }
        text += lines[i];
        text += kCrLf;
    }
    return text;
}

}  // namespace

SavedFlight readSavedFlight(const std::vector<std::string>& lines) {
    SavedFlight flight;
    int& found = flight.sectionsFound;
    flight.route = readSingleLine(lines, "ROUTE", found);
    flight.planLines = readListSection(lines, "FLUSI_WP", found);
    flight.aircraftClicks = readAircraft(lines, found);
    flight.fmcLines = readListSection(lines, "AC_WP", found);
    flight.routeListing = readListSection(lines, "WP", found, true);
    flight.cruiseAltitude = readSingleLine(lines, "FL", found);
    flight.printText = readPlan(lines, found);
    flight.distance = readSingleLine(lines, "DISTANCE", found);
    flight.destinationRunways = readListSection(lines, "RUNWAYS", found);
    return flight;
}

std::optional<std::vector<std::string>> readSavedFlightFile(const std::string& path) {
    long long size = fileSize(path);
    if (size < 0 || size > kMaxSavedFlightBytes) {
        return std::nullopt;
    }
    return readTextLines(path);
}

}  // namespace skyloom
