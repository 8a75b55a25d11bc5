#pragma once
// What the main window writes when it closes (Form_QueryUnload): check.ini
// and AC.ini. The close itself is never refused; a file that cannot be
// written is reported and the other one is still written.

#include "core/main_data.h"
#include "core/prompts.h"
#include "core/settings.h"

namespace skyloom {

void WriteShutdownSettings(const Settings& settings, const MainWindowData& data, Prompts& prompts);

}  // namespace skyloom
