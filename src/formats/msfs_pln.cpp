#include "formats/msfs_pln.h"

#include <cmath>

#include "io/number_format.h"

namespace skyloom {

namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kDegree = "\xC2\xB0";  // UTF-8

// One axis: the value is rounded once, in hundredths of a second of arc, so a
// carry reaches the minutes and degrees and 59.996" never shows as 60.00".
std::string angle(double value, char positive, char negative) {
    const long long hundredths = std::llround(std::fabs(value) * 360000.0);
    const long long seconds = hundredths % 6000;
    std::string text(1, value < 0 && hundredths > 0 ? negative : positive);
    text += std::to_string(hundredths / 360000) + kDegree + " ";
    text += std::to_string(hundredths / 6000 % 60) + "' ";
    text += std::to_string(seconds / 100) + "." + std::to_string(seconds % 100 / 10) +
            std::to_string(seconds % 10) + "\"";
    return text;
}

// "+000364.00": sign, six digits, a point and two decimals.
std::string altitudeText(double feet) {
    const long long hundredths = std::llround(feet * 100.0);
    std::string digits = formatFixed(static_cast<double>(std::llabs(hundredths)) / 100.0, 2, false);
    digits.insert(0, digits.size() < 9 ? 9 - digits.size() : 0, '0');
    return (hundredths < 0 ? "-" : "+") + digits;
}

// Text for the XML: markup characters escaped, and only plain ASCII, which
// every version of the simulator reads.
std::string xmlText(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E
                           ? '_'
                           : c;
        }
    }
    return out;
}

std::string element(int depth, const std::string& name, const std::string& text) {
    return std::string(static_cast<std::size_t>(depth) * 4, ' ') + "<" + name + ">" + text + "</" +
           name + ">";
}

void addWaypoint(std::vector<std::string>& lines, const std::string& identifier, const char* type,
                 const std::string& position, const std::string& airway) {
    const std::string id = xmlText(identifier);
    lines.push_back("        <ATCWaypoint id=\"" + id + "\">");
    lines.push_back(element(3, "ATCWaypointType", type));
    lines.push_back(element(3, "WorldPosition", position));
    if (!airway.empty()) {
        lines.push_back(element(3, "ATCAirway", xmlText(airway)));
    }
    lines.push_back("            <ICAO>");
    lines.push_back(element(4, "ICAOIdent", id));
    lines.push_back("            </ICAO>");
    lines.push_back("        </ATCWaypoint>");
}

std::string airportPosition(const SimPlanAirport& airport) {
    return MsfsPosition(airport.latitude, airport.longitude, airport.elevation);
}

}  // namespace

std::string MsfsPosition(double latitude, double longitude, double altitude) {
    return angle(latitude, 'N', 'S') + "," + angle(longitude, 'E', 'W') + "," +
           altitudeText(altitude);
}

std::vector<std::string> MsfsPlnLines(const SimPlan& plan) {
    const std::string from = xmlText(plan.departure.code);
    const std::string to = xmlText(plan.destination.code);
    std::vector<std::string> lines{
        std::string(kByteOrderMark) + "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
        "<SimBase.Document Type=\"AceXML\" version=\"1,0\">",
        element(1, "Descr", "AceXML Document"),
        "    <FlightPlan.FlightPlan>",
        element(2, "Title", from + " to " + to),
        element(2, "FPType", "IFR"),
        element(2, "RouteType", "HighAlt"),
        element(2, "CruisingAlt", formatFixed(plan.cruiseAltitude, 3, false)),
        element(2, "DepartureID", from),
        element(2, "DepartureLLA", airportPosition(plan.departure)),
        element(2, "DestinationID", to),
        element(2, "DestinationLLA", airportPosition(plan.destination)),
        element(2, "Descr", from + ", " + to),
        element(2, "DepartureName", from),
        element(2, "DestinationName", to),
        "        <AppVersion>",
        element(3, "AppVersionMajor", "11"),
        element(3, "AppVersionBuild", "282174"),
        "        </AppVersion>"};
    addWaypoint(lines, plan.departure.code, "Airport", airportPosition(plan.departure), "");
    for (const SimPlanPoint& point : plan.points) {
        addWaypoint(lines, point.identifier, "User",
                    MsfsPosition(point.latitude, point.longitude, plan.cruiseAltitude),
                    point.airway);
    }
    addWaypoint(lines, plan.destination.code, "Airport", airportPosition(plan.destination), "");
    lines.push_back("    </FlightPlan.FlightPlan>");
    lines.push_back("</SimBase.Document>");
    return lines;
}

}  // namespace skyloom
