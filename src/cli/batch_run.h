#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace skyloom::cli {

enum ExitStatus { kExitDone = 0, kExitStopped = 1, kExitUsage = 2, kExitIncomplete = 3 };

// One run of skyloom-cli with parsed options: reads the settings of the
// program folder, calculates (or loads a flight), saves what was asked for
// and prints the report. Returns the exit status.
int runBatch(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err,
             bool interactive);

}  // namespace skyloom::cli
