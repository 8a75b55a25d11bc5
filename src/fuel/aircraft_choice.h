#pragma once

#include <string>

#include "core/command_context.h"

namespace skyloom {

// Reads a performance file into `performance` (Capacity is kept when the file
// has no GESAMT line). Returns a description of what could not be read, empty
// when the file was read without trouble.
std::string LoadPerformanceFile(const std::string& path, AircraftPerformance& performance);

// What clicking an aircraft option does (Option1_Click .. Option4_Click):
// clears the route listing and the fuel figures, disables saving and loads
// the aircraft's performance file from beside the program.
void ChooseAircraft(CommandContext& context, Aircraft aircraft);

}  // namespace skyloom
