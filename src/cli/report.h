#pragma once

#include <iosfwd>

#include "core/main_data.h"

namespace skyloom::cli {

// The result of a calculation as skyloom-cli prints it: the route listing,
// distance, duration, fuel and the destination runways, in UTF-8.
void printReport(std::ostream& out, const MainWindowData& data);

}  // namespace skyloom::cli
