#include "map/route_points.h"

#include <cmath>
#include <optional>

#include "io/text_util.h"

namespace skyloom {

namespace {

// The plan writes whole seconds of arc; the listing carries the navigation
// file's decimals.
constexpr double kPlanTolerance = 1.0 / 3600.0 + 1e-9;
constexpr double kListingTolerance = 1e-6;

// "N 50.123456" or "W 8.5": the hemisphere letter gives the sign.
std::optional<double> hemisphereValue(std::string_view text, char positive, char negative) {
    const std::string trimmed = trimBlanks(text);
    if (trimmed.empty() || (trimmed[0] != positive && trimmed[0] != negative)) {
        return std::nullopt;
    }
    std::optional<double> value = parseNumber(trimmed.substr(1));
    if (!value) {
        return std::nullopt;
    }
    return trimmed[0] == negative ? -*value : *value;
}

// "N50* 2.0'" or "W73* 46.44'": degrees, minutes, seconds.
std::optional<double> planPart(std::string_view text, char positive, char negative) {
    const std::string trimmed = trimBlanks(text);
    const std::size_t star = trimmed.find('*');
    if (trimmed.size() < 2 || star == std::string::npos || trimmed.back() != '\'' ||
        (trimmed[0] != positive && trimmed[0] != negative)) {
        return std::nullopt;
    }
    const std::optional<double> degrees = parseNumber(trimmed.substr(1, star - 1));
    const std::vector<std::string> minutes =
        splitAt(trimmed.substr(star + 1, trimmed.size() - star - 2), '.');
    if (!degrees || minutes.size() != 2) {
        return std::nullopt;
    }
    const std::optional<long long> whole = parseWholeNumber(minutes[0], 0, 59);
    const std::optional<long long> seconds = parseWholeNumber(minutes[1], 0, 59);
    if (!whole || !seconds) {
        return std::nullopt;
    }
    const double value = *degrees + *whole / 60.0 + *seconds / 3600.0;
    return trimmed[0] == negative ? -value : value;
}

struct PlanAirport {
    std::string code;
    std::optional<GeoPoint> position;
};

// "departure_id=EDDF, N50* 2.0', E8* 34.14', 364" in the plan lines.
PlanAirport planAirport(const std::vector<std::string>& planLines, const std::string& key) {
    PlanAirport airport;
    for (const std::string& line : planLines) {
        if (line.rfind(key, 0) != 0) {
            continue;
        }
        const std::string rest = line.substr(key.size());
        const std::size_t comma = rest.find(',');
        airport.code = trimBlanks(rest.substr(0, comma));
        GeoPoint position;
        if (comma != std::string::npos && ReadPlanCoordinates(rest.substr(comma + 1), position)) {
            airport.position = position;
        }
        break;
    }
    return airport;
}

bool near(const GeoPoint& a, const GeoPoint& b, double tolerance) {
    return std::abs(a.latitude - b.latitude) <= tolerance &&
           std::abs(UnwrapLongitude(a.longitude, b.longitude) - b.longitude) <= tolerance;
}

// The route text's airport words: the first word and the last one.
void routeAirports(const std::string& route, std::string& departure, std::string& destination) {
    std::vector<std::string> words;
    for (const std::string& word : splitAt(route, ' ')) {
        if (!word.empty()) {
            words.push_back(word);
        }
    }
    if (words.size() >= 2) {
        departure = words.front();
        destination = words.back();
    }
}

// The last calculation's positions when its route is the one the listing and
// the plan show, else nothing (a loaded flight, or a listing emptied since).
std::optional<std::vector<GeoPoint>> resolvedPositions(const MainWindowData& data,
                                                       const std::vector<MapPoint>& waypoints,
                                                       const PlanAirport& departure,
                                                       const PlanAirport& destination) {
    const ResolvedRoute& route = data.resolvedRoute;
    const auto points = route.resolvedPoints();
    if (route.empty() || points.size() != waypoints.size()) {
        return std::nullopt;
    }
    std::vector<GeoPoint> positions{{route.departure.latitude, route.departure.longitude}};
    for (std::size_t i = 0; i < points.size(); ++i) {
        positions.push_back({points[i]->latitude, points[i]->longitude});
        if (!near(positions.back(), waypoints[i].position, kListingTolerance)) {
            return std::nullopt;
        }
    }
    positions.push_back({route.destination.latitude, route.destination.longitude});
    if ((departure.position && !near(positions.front(), *departure.position, kPlanTolerance)) ||
        (destination.position && !near(positions.back(), *destination.position, kPlanTolerance))) {
        return std::nullopt;
    }
    return positions;
}

}  // namespace

bool ReadListingLine(const std::string& line, std::string& identifier, GeoPoint& position) {
    const std::vector<std::string> fields = splitAt(line, '\t');
    if (fields.size() != 3 || trimBlanks(fields[0]).empty()) {
        return false;
    }
    std::optional<double> latitude = hemisphereValue(fields[1], 'N', 'S');
    std::optional<double> longitude = hemisphereValue(fields[2], 'E', 'W');
    if (!latitude || !longitude) {
        return false;
    }
    identifier = trimBlanks(fields[0]);
    position = {*latitude, *longitude};
    return true;
}

bool ReadPlanCoordinates(const std::string& text, GeoPoint& position) {
    const std::vector<std::string> parts = splitAt(text, ',');
    if (parts.size() < 2) {
        return false;
    }
    std::optional<double> latitude = planPart(parts[0], 'N', 'S');
    std::optional<double> longitude = planPart(parts[1], 'E', 'W');
    if (!latitude || !longitude) {
        return false;
    }
    position = {*latitude, *longitude};
    return true;
}

std::vector<GeoPoint> PositionsOf(const std::vector<MapPoint>& points) {
    std::vector<GeoPoint> positions;
    positions.reserve(points.size());
    for (const MapPoint& point : points) {
        positions.push_back(point.position);
    }
    return positions;
}

std::vector<MapPoint> RouteMapPoints(const MainWindowData& data) {
    std::vector<MapPoint> waypoints;
    for (const std::string& line : data.routeListing) {
        MapPoint point;
        if (ReadListingLine(line, point.label, point.position)) {
            waypoints.push_back(point);
        }
    }
    PlanAirport departure = planAirport(data.planLines, "departure_id=");
    PlanAirport destination = planAirport(data.planLines, "destination_id=");
    std::string departureWord;
    std::string destinationWord;
    routeAirports(data.route, departureWord, destinationWord);
    if (departure.code.empty()) {
        departure.code = departureWord;
    }
    if (destination.code.empty()) {
        destination.code = destinationWord;
    }

    std::vector<MapPoint> points;
    const std::optional<std::vector<GeoPoint>> list =
        resolvedPositions(data, waypoints, departure, destination);
    if (list) {
        departure.position = list->front();
        destination.position = list->back();
        for (std::size_t i = 0; i < waypoints.size(); ++i) {
            waypoints[i].position = (*list)[i + 1];
        }
    }
    if (departure.position) {
        points.push_back({departure.code, *departure.position, MapPointKind::Departure});
    }
    points.insert(points.end(), waypoints.begin(), waypoints.end());
    if (destination.position) {
        points.push_back({destination.code, *destination.position, MapPointKind::Destination});
    }
    return points;
}

}  // namespace skyloom
