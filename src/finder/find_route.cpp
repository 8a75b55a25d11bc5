#include "finder/find_route.h"

#include <cmath>
#include <optional>

#include "finder/read_back.h"
#include "finder/route_words.h"
#include "geo/great_circle.h"
#include "io/text_util.h"

namespace skyloom {

namespace {

// Each fresh search after a point could not be written as wanted bans it.
constexpr int kSearches = 8;
// A route that needs no choice may be this much longer than one that does.
constexpr double kLongerWithoutChoice = 1.05;

std::optional<NetworkPoint> airportPoint(NavDatabase& nav, const std::string& code) {
    const std::string unset = "\x01";
    std::string latitude = unset;
    std::string longitude = nav.FindAirportCoordinates(code, latitude);
    if (latitude == unset) {
        return std::nullopt;
    }
    NetworkPoint point;
    point.identifier = code;
    point.latitude = leadingNumber(replaceAll(latitude, ",", "."));
    point.longitude = leadingNumber(replaceAll(longitude, ",", "."));
    SetUnitVector(point);
    return point;
}

// The airway points the airport is joined to: those within the radius that
// the bans leave open. The route is written from its first point on, so the
// departure's join enters its point direct; the destination's enters none.
std::vector<std::pair<int, double>> joins(const AirwayNetwork& network, const NetworkPoint& airport,
                                          double radius, const EntryBans& bans, char leastBan) {
    std::vector<std::pair<int, double>> near;
    network.forEachPointWithin(airport.latitude, airport.longitude, radius,
                               [&](int point, double distance) {
                                   if (bans[static_cast<std::size_t>(point)] < leastBan) {
                                       near.emplace_back(point, distance);
                                   }
                               });
    return near;
}

// The smallest radius, widened step by step, that holds a point to join.
double firstRadius(const AirwayNetwork& network, const NetworkPoint& airport,
                   const FinderOptions& options, const EntryBans& bans, char leastBan) {
    for (double radius = options.joinRadiusNm; radius <= options.joinLimitNm;
         radius += options.joinStepNm) {
        if (!joins(network, airport, radius, bans, leastBan).empty()) {
            return radius;
        }
    }
    return -1.0;
}

std::string noJoinProblem(const std::string& code, const FinderOptions& options) {
    return "No airway point lies within " + std::to_string(static_cast<int>(options.joinLimitNm)) +
           " nm of the airport " + code + ".";
}

// The cheapest path, the joins widened while no path links them.
std::optional<PathResult> searchWidening(const AirwayNetwork& network, SearchEnds& ends,
                                         const FinderOptions& options, const EntryBans& bans,
                                         std::string& problem) {
    double from = firstRadius(network, ends.departure, options, bans, 1);
    double to = firstRadius(network, ends.destination, options, bans, 2);
    if (from < 0 || to < 0) {
        problem = noJoinProblem(from < 0 ? ends.departure.identifier : ends.destination.identifier,
                                options);
        return std::nullopt;
    }
    for (;;) {
        ends.starts = joins(network, ends.departure, from, bans, 1);
        ends.finishes = joins(network, ends.destination, to, bans, 2);
        PathResult path = SearchPath(network, ends, options, bans);
        if (path.found) {
            return path;
        }
        if (from >= options.joinLimitNm && to >= options.joinLimitNm) {
            problem = "No airway route links " + ends.departure.identifier + " with " +
                      ends.destination.identifier + ".";
            return std::nullopt;
        }
        from = std::min(from + options.joinStepNm, options.joinLimitNm);
        to = std::min(to + options.joinStepNm, options.joinLimitNm);
    }
}

void measure(const AirwayNetwork& network, const SearchEnds& ends, const PathResult& path,
             FoundRoute& found) {
    double total = 0.0;
    const NetworkPoint* previous = &ends.departure;
    auto leg = [&](const NetworkPoint& next, int chain) {
        const double length = GreatCircleDistance(previous->latitude, previous->longitude,
                                                  next.latitude, next.longitude, "N");
        found.legs.push_back(FoundLeg{
            previous->identifier, next.identifier,
            chain < 0 ? std::string() : network.chains()[static_cast<std::size_t>(chain)].airway,
            length});
        total += length;
        ++(chain < 0 ? found.directLegs : found.airwayLegs);
        previous = &next;
    };
    for (const PathLeg& step : path.legs) {
        leg(network.points()[static_cast<std::size_t>(step.point)], step.chain);
        found.points.push_back(step.point);
    }
    leg(ends.destination, -1);
    found.lengthNm = static_cast<int>(std::floor(total + 0.5));
}

bool findAirports(NavDatabase& nav, const std::string& departure, const std::string& destination,
                  SearchEnds& ends, std::string& problem) {
    for (const auto& [code, point] :
         {std::pair{departure, &ends.departure}, std::pair{destination, &ends.destination}}) {
        std::optional<NetworkPoint> airport = airportPoint(nav, code);
        if (!airport) {
            problem = "Airport '" + code + "' not found.";
            return false;
        }
        // Off the globe the grid of the network has no cell for it.
        if (std::abs(airport->latitude) > 90.0 || std::abs(airport->longitude) > 180.0) {
            problem = "The airport '" + code + "' has no readable position in airports.dat.";
            return false;
        }
        *point = *airport;
    }
    return true;
}

std::string routeText(const std::string& departure, const std::vector<std::string>& words,
                      const std::string& destination) {
    std::string text = departure;
    for (const std::string& word : words) {
        text += " " + word;
    }
    return text + " " + destination;
}

}  // namespace

FoundRoute FindRoute(const AirwayNetwork& network, NavDatabase& nav, const std::string& departure,
                     const std::string& destination, const FinderOptions& options) {
    FoundRoute found;
    SearchEnds ends;
    if (!findAirports(nav, departure, destination, ends, found.problem)) {
        return found;
    }
    if (departure == destination) {
        found.found = true;
        found.text = departure + " " + destination;
        return found;
    }
    EntryBans bans(network.points().size(), 0);
    FoundRoute withChoices;
    for (int search = 0; search < kSearches; ++search) {
        std::optional<PathResult> path =
            searchWidening(network, ends, options, bans, found.problem);
        if (!path) {
            break;
        }
        RouteWords words = WriteRouteWords(network, path->legs, destination);
        if (words.unwritablePoint >= 0) {
            bans[static_cast<std::size_t>(words.unwritablePoint)] = 2;
            found.problem =
                "No route text leads over " +
                CandidateLine(network.points()[static_cast<std::size_t>(words.unwritablePoint)]) +
                ".";
            continue;
        }
        FoundRoute candidate;
        candidate.found = true;
        candidate.text = routeText(departure, words.words, destination);
        candidate.choices = words.choices;
        measure(network, ends, *path, candidate);
        if (withChoices.found &&
            (candidate.text == withChoices.text ||
             candidate.lengthNm > withChoices.lengthNm * kLongerWithoutChoice)) {
            break;  // the same again, or a detour: asking the pilot is better
        }
        if (candidate.choices.empty()) {
            return candidate;
        }
        if (!withChoices.found) {
            withChoices = candidate;
        }
        // Try once more without reaching those points direct.
        for (int point : words.choicePoints) {
            char& ban = bans[static_cast<std::size_t>(point)];
            ban = std::max<char>(ban, 1);
        }
    }
    return withChoices.found ? withChoices : found;
}

}  // namespace skyloom
