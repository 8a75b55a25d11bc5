#pragma once
// Helping the pilot choose among waypoints that share an identifier: how far
// each candidate lies from the route point before it, and which is nearest.
// The desktop choice window and skyloom-cli show the same figures.

#include <cstddef>
#include <string>

#include "core/prompts.h"

namespace skyloom {

// Distance in nautical miles from the "lat lon" point to the candidate
// "IDENT lat:lon"; negative when either cannot be read.
double candidateDistance(const std::string& previousPoint, const std::string& candidate);

// The distance as whole nautical miles, "1234 nm"; empty when it cannot be read.
std::string candidateDistanceText(const std::string& previousPoint, const std::string& candidate);

// The 0-based index of the candidate nearest to the previous point (the first
// one when no distance can be read).
std::size_t nearestCandidate(const WaypointChoice& choice);

}  // namespace skyloom
