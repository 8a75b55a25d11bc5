// The A* search finds paths exactly as cheap as a plain Dijkstra search over
// the same legs, written out here one by one: airway legs along each block,
// direct legs between any two points up to the limit, the change cost.

#include <gtest/gtest.h>

#include <map>
#include <queue>
#include <random>
#include <tuple>

#include "finder/path_search.h"

namespace skyloom {
namespace {

// Random airways over a box of 24 x 24 degrees: points at random places, some
// sharing an identifier, each airway a walk over points near each other.
std::vector<std::string> randomAirways(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> place(-12.0, 12.0);
    std::vector<std::tuple<std::string, double, double>> points;
    for (int i = 0; i < 120; ++i) {
        const std::string id = "P" + std::to_string(i % 100);  // P0 to P19 stand twice
        points.emplace_back(id, 40.0 + place(random), place(random));
    }
    std::vector<std::string> lines;
    for (int airway = 0; airway < 40; ++airway) {
        int at = static_cast<int>(random() % points.size());
        const int length = 2 + static_cast<int>(random() % 7);
        for (int k = 1; k <= length; ++k) {
            const auto& [id, lat, lon] = points[static_cast<std::size_t>(at)];
            lines.push_back("R" + std::to_string(airway) + " " + std::to_string(k) + " " + id +
                            " " + std::to_string(lat) + " " + std::to_string(lon));
            at = (at + 1 + static_cast<int>(random() % 5)) % static_cast<int>(points.size());
        }
    }
    return lines;
}

double dijkstra(const AirwayNetwork& network, const SearchEnds& ends, const FinderOptions& o) {
    using State = std::tuple<double, int, int>;  // cost, point (-1 the destination), chain
    std::priority_queue<State, std::vector<State>, std::greater<State>> open;
    std::map<std::pair<int, int>, bool> done;
    std::map<int, double> finish(ends.finishes.begin(), ends.finishes.end());
    for (const auto& [point, distance] : ends.starts) {
        open.emplace(distance, point, -1);
    }
    const auto& points = network.points();
    while (!open.empty()) {
        const auto [cost, point, chain] = open.top();
        open.pop();
        if (point < 0) {
            return cost;
        }
        if (done[{point, chain}]) {
            continue;
        }
        done[{point, chain}] = true;
        if (finish.count(point)) {
            open.emplace(cost + finish[point], -1, 0);
        }
        const auto& here = points[static_cast<std::size_t>(point)];
        for (std::size_t c = 0; c < network.chains().size(); ++c) {
            const std::vector<int>& along = network.chains()[c].points;
            for (std::size_t i = 0; i < along.size(); ++i) {
                for (std::size_t j : {i - 1, i + 1}) {
                    if (along[i] == point && j < along.size()) {
                        open.emplace(
                            cost + (chain == static_cast<int>(c) ? 0 : o.airwayChangeCost) +
                                NetworkDistance(here, points[static_cast<std::size_t>(along[j])]),
                            along[j], static_cast<int>(c));
                    }
                }
            }
        }
        for (std::size_t q = 0; q < points.size(); ++q) {
            const double distance = NetworkDistance(here, points[q]);
            if (static_cast<int>(q) != point && distance <= o.directLimitNm) {
                open.emplace(
                    cost + (chain < 0 ? 0 : o.airwayChangeCost) + o.directCostFactor * distance,
                    static_cast<int>(q), -1);
            }
        }
    }
    return -1.0;
}

TEST(FinderSearch, AStarIsAsCheapAsDijkstraOnRandomNetworks) {
    const FinderOptions options;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        const AirwayNetwork network(randomAirways(seed));
        const EntryBans bans(network.points().size(), 0);
        std::mt19937 random(seed);
        for (int pair = 0; pair < 10; ++pair) {
            SearchEnds ends;
            const auto& points = network.points();
            const auto& from = points[random() % points.size()];
            const auto& to = points[random() % points.size()];
            ends.departure = from;
            ends.destination = to;
            for (std::size_t p = 0; p < points.size(); ++p) {
                for (auto [airport, joined] :
                     {std::pair{&from, &ends.starts}, {&to, &ends.finishes}}) {
                    const double distance = NetworkDistance(*airport, points[p]);
                    if (distance < 150.0) {
                        joined->emplace_back(static_cast<int>(p), distance);
                    }
                }
            }
            const PathResult found = SearchPath(network, ends, options, bans);
            const double plain = dijkstra(network, ends, options);
            EXPECT_EQ(found.found, plain >= 0.0);
            EXPECT_NEAR(found.cost, found.found ? plain : 0.0, 1e-6) << seed << " " << pair;
        }
    }
}

}  // namespace
}  // namespace skyloom
