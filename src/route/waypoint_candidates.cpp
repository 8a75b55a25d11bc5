#include "route/waypoint_candidates.h"

#include "io/number_format.h"
#include "io/text_util.h"
#include "route/distance.h"

namespace skyloom {

double candidateDistance(const std::string& previousPoint, const std::string& candidate) {
    auto from = splitAt(trimBlanks(previousPoint), ' ');
    std::size_t blank = candidate.rfind(' ');
    auto to = splitAt(blank == std::string::npos ? candidate : candidate.substr(blank + 1), ':');
    if (from.size() < 2 || to.size() < 2 || !parseNumber(from[0]) || !parseNumber(from[1]) ||
        !parseNumber(to[0]) || !parseNumber(to[1])) {
        return -1.0;
    }
    return GreatCircleDistance(from[0], from[1], to[0], to[1], "N");
}

std::string candidateDistanceText(const std::string& previousPoint, const std::string& candidate) {
    double distance = candidateDistance(previousPoint, candidate);
    if (distance < 0) {
        return std::string();
    }
    return formatFixed(distance, 0, false) + " nm";
}

std::size_t nearestCandidate(const WaypointChoice& choice) {
    std::size_t best = 0;
    double bestDistance = -1.0;
    for (std::size_t i = 0; i < choice.candidates.size(); ++i) {
        double d = candidateDistance(choice.previousPoint, choice.candidates[i]);
        if (d >= 0 && (bestDistance < 0 || d < bestDistance)) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

}  // namespace skyloom
