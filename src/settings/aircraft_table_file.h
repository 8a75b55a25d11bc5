#pragma once
// AC.dat beside the program: the aircraft table of the IVAO plan window, one
// aircraft per line as "type:second field:wake category".
//
//   B738:1:M
//   B744:1:H
//
// Line n (counting from 0, blank lines included) fills entry n. A line that
// is empty or only blanks leaves its entry empty. Only the first
// kAircraftTableSize lines are read.

#include <optional>
#include <string>

#include "core/settings.h"

namespace skyloom {

inline constexpr const char* kAircraftTableFileName = "AC.dat";

// The table read from the file; nothing when the file cannot be opened.
std::optional<AircraftTable> ReadAircraftTableFile(const std::string& file);

}  // namespace skyloom
