#pragma once

#include "core/command_context.h"

namespace skyloom {

// The fuel and time estimate from the distance (Text5), the cruise altitude
// (Text3) and the chosen aircraft's performance; writes Text4, Label4, Label6.
void CalculateFuelAndTime(CommandContext& context);

}  // namespace skyloom
