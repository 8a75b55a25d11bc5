#pragma once
// The six folder paths as the path settings window sees them: whether path.ini
// exists, what the window proposes and how its "Save Changes and Exit" stores them.

#include <string>

#include "core/prompts.h"
#include "core/settings.h"
#include "settings/settings_files.h"

namespace skyloom {

bool PathIniExists(const Settings& settings);

// ProgramFolder + separator + "DUMMY" + separator: the folder proposed for
// every path while path.ini is missing. The program never creates it.
std::string DummyFolder(const Settings& settings);

// What the path settings window shows when it opens: the lines of path.ini
// when it exists, else the dummy folder six times.
PathLines ProposedPathLines(const Settings& settings);

// Writes path.ini with the lines as they stand (nothing is checked) and puts
// them into the six path settings at once. When the file cannot be written
// the user is told so; the settings still take the lines for this run.
// Returns whether path.ini was written.
bool SavePathSettings(Settings& settings, Prompts& prompts, const PathLines& lines);

}  // namespace skyloom
