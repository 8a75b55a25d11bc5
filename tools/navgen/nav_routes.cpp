// Long routes across the generated network: from airway to airway through
// points that lie on both, every point's identifier unique in the file.

#include <cstdlib>
#include <map>

#include "nav_network.h"

namespace skyloom::navgen {

namespace {

struct Stop {
    int airway = 0;
    int position = 0;  // index into the airway's points
};

struct RouteIndex {
    const Network& network;
    std::vector<std::vector<Stop>> stopsAt;  // per waypoint: the airways through it
    std::vector<bool> unique;                // per waypoint: its identifier stands nowhere else

    explicit RouteIndex(const Network& net)
        : network(net), stopsAt(net.waypoints.size()), unique(net.waypoints.size()) {
        std::map<std::string, int> count;
        for (int a = 0; a < static_cast<int>(net.airways.size()); ++a) {
            for (int p = 0; p < static_cast<int>(net.airways[a].points.size()); ++p) {
                int point = net.airways[a].points[p];
                count[net.waypoints[point].id] += stopsAt[point].empty() ? 1 : 0;
                stopsAt[point].push_back({a, p});
            }
        }
        for (std::size_t w = 0; w < net.waypoints.size(); ++w) {
            unique[w] = !stopsAt[w].empty() && count[net.waypoints[w].id] == 1;
        }
    }
    int pointAt(Stop stop) const { return network.airways[stop.airway].points[stop.position]; }
    // Unique points on another usable airway than `from`.
    std::vector<Stop> crossings(int point, const std::vector<bool>& used) const {
        std::vector<Stop> result;
        for (Stop stop : stopsAt[point]) {
            if (!used[stop.airway] && !network.airways[stop.airway].nameRepeats) {
                result.push_back(stop);
            }
        }
        return result;
    }
};

const std::string& IdOf(const RouteIndex& index, int point) {
    return index.network.waypoints[point].id;
}

// The next exit on the current airway: a unique point at least two points away
// from the entry when there is one, that (unless `last`) lies on another airway.
bool NextExit(Rng& rng, const RouteIndex& index, Stop entry, bool last,
              const std::vector<bool>& used, Stop& exit) {
    const auto& points = index.network.airways[entry.airway].points;
    std::vector<int> candidates;
    for (int p = 0; p < static_cast<int>(points.size()); ++p) {
        if (std::abs(p - entry.position) >= 2 && index.unique[points[p]] &&
            (last || !index.crossings(points[p], used).empty())) {
            candidates.push_back(p);
        }
    }
    if (candidates.empty()) {
        return false;
    }
    exit = {entry.airway, candidates[rng.below(static_cast<int>(candidates.size()))]};
    return true;
}

// A unique waypoint in a cell next to `point`, flown direct.
int DirectNeighbour(Rng& rng, const RouteIndex& index, int point) {
    const Network& net = index.network;
    int row = point / net.cols, col = point % net.cols, start = rng.below(9);
    for (int i = 0; i < 9; ++i) {
        int r = row + (start + i) % 3 - 1, c = col + (start + i) / 3 % 3 - 1;
        int cell = r * net.cols + c;
        if (r >= 0 && r < net.rows && c >= 0 && c < net.cols && cell != point &&
            index.unique[cell]) {
            return cell;
        }
    }
    return -1;
}

std::string Nearest(const std::vector<Airport>& airports, const Waypoint& point,
                    const std::string& other) {
    const Airport* best = nullptr;
    long long bestDistance = 0;
    for (const Airport& airport : airports) {
        long long dLat = airport.lat - point.lat, dLon = airport.lon - point.lon;
        long long distance = dLat * dLat + dLon * dLon;
        if (airport.code != other && (!best || distance < bestDistance)) {
            best = &airport, bestDistance = distance;
        }
    }
    return best->code;
}

// One attempt at a route through `airwayCount` airways; empty when it runs into a dead end.
std::string TryRoute(Rng& rng, const RouteIndex& index, const std::vector<Airport>& airports,
                     int airwayCount) {
    const Network& net = index.network;
    std::vector<bool> used(net.airways.size(), false);
    int first = rng.below(static_cast<int>(net.waypoints.size()));
    std::vector<Stop> starts =
        index.unique[first] ? index.crossings(first, used) : std::vector<Stop>{};
    if (starts.empty()) {
        return {};
    }
    Stop stop = starts[rng.below(static_cast<int>(starts.size()))];
    std::string words = IdOf(index, first);
    for (int k = 0; k < airwayCount; ++k) {
        used[stop.airway] = true;
        Stop exit;
        if (!NextExit(rng, index, stop, k + 1 == airwayCount, used, exit)) {
            return {};
        }
        words += " " + net.airways[stop.airway].name + " " + IdOf(index, index.pointAt(exit));
        if (k + 1 < airwayCount) {
            std::vector<Stop> next = index.crossings(index.pointAt(exit), used);
            stop = next[rng.below(static_cast<int>(next.size()))];
        } else {
            stop = exit;
        }
    }
    int direct = DirectNeighbour(rng, index, index.pointAt(stop));
    if (direct < 0) {
        return {};
    }
    std::string departure = Nearest(airports, net.waypoints[first], "");
    return departure + " " + words + " " + IdOf(index, direct) + " " +
           Nearest(airports, net.waypoints[direct], departure);
}

}  // namespace

std::vector<std::string> MakeRoutes(Rng& rng, const Network& network,
                                    const std::vector<Airport>& airports, std::size_t count) {
    RouteIndex index(network);
    std::vector<std::string> routes;
    for (int attempt = 0; routes.size() < count && attempt < 100000; ++attempt) {
        int airways = routes.empty() ? 18 : 3 + rng.below(10);
        std::string route = TryRoute(rng, index, airports, airways);
        if (!route.empty()) {
            routes.push_back(route);
        }
    }
    return routes;
}

}  // namespace skyloom::navgen
