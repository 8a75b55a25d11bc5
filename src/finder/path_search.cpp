#include "finder/path_search.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <queue>

#include "geo/great_circle.h"

namespace skyloom {

namespace {

constexpr double kUnreached = std::numeric_limits<double>::infinity();
constexpr int kFromDeparture = -1;
constexpr double kNmPerRadian = 180.0 / kPi * 60.0 * 1.1515 * 0.8684;

// The states of the search: "at a point, arrived along a chain" (one per
// chain stop) and "at a point, arrived direct" (one per point), then the
// destination.
class Search {
  public:
    Search(const AirwayNetwork& network, const SearchEnds& ends, const FinderOptions& options,
           const EntryBans& bans)
        : network_(network),
          ends_(ends),
          options_(options),
          bans_(bans),
          stopCount_(static_cast<int>(network.stops().size())),
          target_(stopCount_ + static_cast<int>(network.points().size())),
          cost_(static_cast<std::size_t>(target_) + 1, kUnreached),
          parent_(static_cast<std::size_t>(target_) + 1, kFromDeparture),
          closed_(static_cast<std::size_t>(target_) + 1, 0),
          launched_(network.points().size(), kUnreached),
          estimates_(network.points().size(), -1.0),
          finish_(network.points().size(), -1.0) {
        for (const auto& [point, distance] : ends.finishes) {
            finish_[static_cast<std::size_t>(point)] = distance;
        }
    }

    PathResult run() {
        for (const auto& [point, distance] : ends_.starts) {
            if (bans_[static_cast<std::size_t>(point)] == 0) {
                reach(stopCount_ + point, distance, kFromDeparture);
            }
        }
        while (!open_.empty()) {
            const int state = open_.top().second;
            open_.pop();
            if (closed_[static_cast<std::size_t>(state)]) {
                continue;  // an older entry of a state reached more cheaply since
            }
            closed_[static_cast<std::size_t>(state)] = 1;
            const double cost = cost_[static_cast<std::size_t>(state)];
            if (state == target_) {
                return path();
            }
            expand(state, cost);
        }
        return {};
    }

  private:
    int pointOf(int state) const {
        return state < stopCount_ ? chainPoint(state) : state - stopCount_;
    }
    int chainPoint(int stop) const {
        const ChainStop& where = network_.stops()[static_cast<std::size_t>(stop)];
        return network_.chains()[static_cast<std::size_t>(where.chain)]
            .points[static_cast<std::size_t>(where.index)];
    }
    int chainOf(int state) const {
        return state < stopCount_ ? network_.stops()[static_cast<std::size_t>(state)].chain : -1;
    }
    double estimateOf(int state) {
        if (state == target_) {
            return 0.0;
        }
        const auto point = static_cast<std::size_t>(pointOf(state));
        if (estimates_[point] < 0.0) {
            estimates_[point] = NetworkDistance(network_.points()[point], ends_.destination);
        }
        return estimates_[point];
    }

    void reach(int state, double cost, int from) {
        if (cost < cost_[static_cast<std::size_t>(state)] &&
            !closed_[static_cast<std::size_t>(state)]) {
            cost_[static_cast<std::size_t>(state)] = cost;
            parent_[static_cast<std::size_t>(state)] = from;
            open_.push({cost + estimateOf(state), state});
        }
    }

    void expand(int state, double cost) {
        const int point = pointOf(state);
        const int chain = chainOf(state);
        const NetworkPoint& here = network_.points()[static_cast<std::size_t>(point)];
        const auto [first, last] = network_.stopsOf(point);
        for (int s = first; s < last; ++s) {
            const ChainStop& stop = network_.stops()[static_cast<std::size_t>(s)];
            const AirwayChain& along = network_.chains()[static_cast<std::size_t>(stop.chain)];
            const double change = stop.chain == chain ? 0.0 : options_.airwayChangeCost;
            for (int next : {stop.index - 1, stop.index + 1}) {
                if (next < 0 || next >= static_cast<int>(along.points.size())) {
                    continue;
                }
                const int to = along.points[static_cast<std::size_t>(next)];
                if (bans_[static_cast<std::size_t>(to)] == 2) {
                    continue;
                }
                reach(along.stops[static_cast<std::size_t>(next)],
                      cost + change +
                          NetworkDistance(here, network_.points()[static_cast<std::size_t>(to)]),
                      state);
            }
        }
        expandDirect(state, point, cost + (chain < 0 ? 0.0 : options_.airwayChangeCost));
        const double finish = finish_[static_cast<std::size_t>(point)];
        if (finish >= 0.0) {
            reach(target_, cost + finish, state);
        }
    }

    // Direct legs depend only on what it costs to set out from the point, so
    // only a cheaper setting-out than an earlier one is worth expanding.
    void expandDirect(int state, int point, double launch) {
        double& best = launched_[static_cast<std::size_t>(point)];
        if (launch >= best - 1e-9) {
            return;
        }
        best = launch;
        const NetworkPoint& here = network_.points()[static_cast<std::size_t>(point)];
        network_.forEachPointWithin(
            here.latitude, here.longitude, options_.directLimitNm,
            [&](int to, double dot) {
                // Whether the leg could reach the point more cheaply than
                // now: the chord is never longer than the arc.
                const double chord = std::sqrt(std::max(0.0, 2.0 - 2.0 * dot));
                return launch + options_.directCostFactor * chord * kNmPerRadian * 0.999 <
                           cost_[static_cast<std::size_t>(stopCount_ + to)] &&
                       to != point && bans_[static_cast<std::size_t>(to)] == 0;
            },
            [&](int to, double distance) {
                reach(stopCount_ + to, launch + options_.directCostFactor * distance, state);
            });
    }

    PathResult path() const {
        PathResult result;
        result.found = true;
        result.cost = cost_[static_cast<std::size_t>(target_)];
        for (int state = parent_[static_cast<std::size_t>(target_)]; state != kFromDeparture;
             state = parent_[static_cast<std::size_t>(state)]) {
            result.legs.insert(result.legs.begin(), PathLeg{pointOf(state), chainOf(state)});
        }
        return result;
    }

    const AirwayNetwork& network_;
    const SearchEnds& ends_;
    const FinderOptions& options_;
    const EntryBans& bans_;
    const int stopCount_;
    const int target_;
    std::vector<double> cost_;
    std::vector<int> parent_;
    std::vector<char> closed_;
    std::vector<double> launched_;
    std::vector<double> estimates_;  // the distance to the destination, once worked out
    std::vector<double> finish_;
    using Entry = std::pair<double, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open_;
};

}  // namespace

PathResult SearchPath(const AirwayNetwork& network, const SearchEnds& ends,
                      const FinderOptions& options, const EntryBans& bans) {
    return Search(network, ends, options, bans).run();
}

}  // namespace skyloom
