#include "finder/route_words.h"

#include <limits>
#include <optional>

#include "finder/read_back.h"

namespace skyloom {

namespace {

constexpr double kNoWay = std::numeric_limits<double>::infinity();
// A plain word for a leg the path flies on an airway says less than the
// airway would; a choice the pilot has to make costs most.
constexpr double kWordCost = 1.0;
constexpr double kAirwayLegAsWordCost = 1.5;
constexpr double kChoiceCost = 1000.0;

// One way to write the points after `from` up to `to`: a plain word, or an
// airway word and its exit.
struct Step {
    double cost = kNoWay;
    int from = -1;
    bool airway = false;
    std::vector<std::pair<std::string, int>> choices;  // line to choose, and its point
};

class Writer {
  public:
    Writer(const AirwayNetwork& network, const std::vector<PathLeg>& legs,
           const std::string& destination)
        : network_(network), legs_(legs), destination_(destination) {}

    RouteWords write() {
        RouteWords result;
        const int last = static_cast<int>(legs_.size()) - 1;
        if (last < 0) {
            return result;
        }
        if (!Writable(network_, name(0), true)) {
            result.unwritablePoint = legs_[0].point;
            return result;
        }
        std::vector<Step> best(legs_.size());
        best[0].cost = 0.0;
        for (int to = 1; to <= last; ++to) {
            consider(best, to);
            if (best[static_cast<std::size_t>(to)].cost == kNoWay) {
                result.unwritablePoint = legs_[static_cast<std::size_t>(to)].point;
                return result;
            }
        }
        if (last == 0) {
            for (std::string& line : firstPointChoices(destination_)) {
                if (line.empty()) {
                    result.unwritablePoint = legs_[0].point;
                    return result;
                }
                best[0].choices.emplace_back(std::move(line), legs_[0].point);
            }
        }
        return collect(best, last);
    }

  private:
    const std::string& name(int index) const {
        return network_
            .points()[static_cast<std::size_t>(legs_[static_cast<std::size_t>(index)].point)]
            .identifier;
    }
    std::string candidate(int index) const {
        return CandidateLine(
            network_
                .points()[static_cast<std::size_t>(legs_[static_cast<std::size_t>(index)].point)]);
    }
    const std::string& airwayOf(int index) const {
        return network_
            .chains()[static_cast<std::size_t>(legs_[static_cast<std::size_t>(index)].chain)]
            .airway;
    }

    // Whether the word, beside its neighbour, reads back as the path's point
    // `index`: nothing when it does not; no choice, or the line to choose.
    std::optional<std::vector<std::string>> readsAs(int index, const std::string& neighbour) const {
        const ReadWaypoint read = ReadWaypointWord(network_, name(index), neighbour);
        const std::string wanted = candidate(index);
        if (read.kind == ReadWaypoint::Kind::Point && read.line == wanted) {
            return std::vector<std::string>{};
        }
        if (read.kind == ReadWaypoint::Kind::Choice) {
            for (const std::string& offered : read.candidates) {
                if (offered == wanted) {
                    return std::vector<std::string>{wanted};
                }
            }
        }
        return std::nullopt;
    }

    // The first point reads its neighbour from the word after it. One empty
    // line when it cannot be read as itself.
    std::vector<std::string> firstPointChoices(const std::string& nextWord) const {
        auto read = readsAs(0, nextWord);
        return read ? *read : std::vector<std::string>{std::string()};
    }

    void offer(std::vector<Step>& best, int from, int to, bool airway, double cost,
               const std::vector<std::string>& lines) const {
        std::vector<std::pair<std::string, int>> choices;
        if (from == 0) {
            std::vector<std::string> first = firstPointChoices(airway ? airwayOf(to) : name(to));
            if (first.size() == 1 && first[0].empty()) {
                return;
            }
            for (std::string& line : first) {
                choices.emplace_back(std::move(line), legs_[0].point);
            }
        }
        for (const std::string& line : lines) {
            choices.emplace_back(line, legs_[static_cast<std::size_t>(to)].point);
        }
        cost += kChoiceCost * static_cast<double>(choices.size()) +
                best[static_cast<std::size_t>(from)].cost;
        Step& step = best[static_cast<std::size_t>(to)];
        if (cost < step.cost) {
            step = Step{cost, from, airway, std::move(choices)};
        }
    }

    void consider(std::vector<Step>& best, int to) const {
        if (!Writable(network_, name(to), true)) {
            return;
        }
        const int chain = legs_[static_cast<std::size_t>(to)].chain;
        if (auto choices = readsAs(to, name(to - 1))) {
            offer(best, to - 1, to, false, chain < 0 ? kWordCost : kAirwayLegAsWordCost, *choices);
        }
        if (chain < 0 || !Writable(network_, airwayOf(to), false)) {
            return;
        }
        auto exitChoices = readsAs(to, airwayOf(to));
        if (!exitChoices) {
            return;
        }
        for (int from = to - 1; from >= 0; --from) {
            if (best[static_cast<std::size_t>(from)].cost < kNoWay && walksPath(from, to)) {
                offer(best, from, to, true, kWordCost, *exitChoices);
            }
            if (legs_[static_cast<std::size_t>(from)].chain != chain) {
                break;
            }
        }
    }

    // Whether the airway word between the points `from` and `to` walks
    // exactly the path's points between them.
    bool walksPath(int from, int to) const {
        auto walked = ReadAirwayWord(network_, airwayOf(to), name(from), name(to));
        if (!walked || static_cast<int>(walked->size()) != to - from - 1) {
            return false;
        }
        for (int k = from + 1; k < to; ++k) {
            if (network_.pointOfLine(
                    static_cast<std::size_t>((*walked)[static_cast<std::size_t>(k - from - 1)])) !=
                legs_[static_cast<std::size_t>(k)].point) {
                return false;
            }
        }
        return true;
    }

    RouteWords collect(const std::vector<Step>& best, int last) const {
        std::vector<int> ends;
        for (int to = last; to > 0; to = best[static_cast<std::size_t>(to)].from) {
            ends.insert(ends.begin(), to);
        }
        RouteWords result;
        result.words.push_back(name(0));
        auto addChoices = [&result](const Step& step) {
            for (const auto& [line, point] : step.choices) {
                result.choices.push_back(line);
                result.choicePoints.push_back(point);
            }
        };
        addChoices(best[0]);
        for (int to : ends) {
            const Step& step = best[static_cast<std::size_t>(to)];
            if (step.airway) {
                result.words.push_back(airwayOf(to));
            }
            result.words.push_back(name(to));
            addChoices(step);
        }
        return result;
    }

    const AirwayNetwork& network_;
    const std::vector<PathLeg>& legs_;
    const std::string& destination_;
};

}  // namespace

RouteWords WriteRouteWords(const AirwayNetwork& network, const std::vector<PathLeg>& legs,
                           const std::string& destination) {
    return Writer(network, legs, destination).write();
}

}  // namespace skyloom
