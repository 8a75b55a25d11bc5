#pragma once

#include <string>
#include <vector>

#include "core/command_context.h"

namespace skyloom {

// The "Save FMC-Data" command: asks for a name and writes the FMC route file of
// the chosen aircraft and, when wanted, the simulator plan. Returns the full
// paths of the files written (empty when nothing was written).
struct SaveFmcResult {
    std::vector<std::string> written;
    bool failed = false;  // a file could not be written, or the name was refused
};
SaveFmcResult SaveFmcData(CommandContext& context);

}  // namespace skyloom
