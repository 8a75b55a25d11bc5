#include "formats/saved_flight.h"

#include <string_view>

#include "io/text_util.h"

namespace skyloom {

namespace {

void addSection(std::vector<std::string>& out, const char* tag,
                const std::vector<std::string>& content) {
    const std::string name(tag);
    out.push_back("[" + name + "]");
    out.insert(out.end(), content.begin(), content.end());
    out.push_back("[/" + name + "]");
    out.push_back("");
}

// The print text as file lines: every CR LF starts a new line, so reading the
// lines back and joining them with CR LF gives the text again. An empty text
// has no lines at all.
std::vector<std::string> printTextLines(const std::string& text) {
    return text.empty() ? std::vector<std::string>() : splitAt(text, kCrLf);
}

}  // namespace

std::vector<std::string> SavedFlightLines(const MainWindowData& data) {
    std::vector<std::string> out;
    addSection(out, "ROUTE", {data.route});
    addSection(out, "FLUSI_WP", data.planLines);
    addSection(out, "AC_WP", data.fmcLines);
    addSection(out, "WP", data.routeListing);
    addSection(out, "AC", AircraftIniLines(data.aircraft));
    addSection(out, "FL", {data.cruiseAltitude});
    addSection(out, "PLAN", printTextLines(data.printText));
    addSection(out, "DISTANCE", {data.distance});
    addSection(out, "RUNWAYS", data.destinationRunways);
    return out;
}

WriteResult writeSavedFlight(const std::string& path, const MainWindowData& data) {
    return writeTextLines(path, SavedFlightLines(data));
}

}  // namespace skyloom
