#pragma once
// The kneeboard button (Command13): the plan as a page of the simulator's
// kneeboard, built by formats/kneeboard.

#include "core/command_context.h"

namespace skyloom {

enum class KneeboardStatus {
    Written,    // the page was rebuilt; "Finished" was shown
    Cancelled,  // the user did not want an empty print text on the page
    Failed,     // a message named what is missing; nothing was changed
};

// The kneeboard button (Command13): asks before copying an empty print text,
// makes the backup on the first run, then writes the page.
KneeboardStatus WriteKneeboardPage(CommandContext& context);

}  // namespace skyloom
