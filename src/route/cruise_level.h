#pragma once
// Whether the cruise altitude suits the flight's direction: odd flight levels
// eastbound, even ones westbound.

#include <string>

namespace skyloom {

// True for a cruise altitude text whose flight level is odd ("35000").
bool IsOddCruiseLevel(const std::string& cruise);

}  // namespace skyloom
