#pragma once

#include "core/main_data.h"
#include "core/prompts.h"
#include "core/settings.h"

namespace skyloom {

// What a command works on: the program-wide settings, the main window's data
// store and the way to talk to the user.
struct CommandContext {
    Settings& settings;
    MainWindowData& data;
    Prompts& prompts;
};

}  // namespace skyloom
