#pragma once
// What the main window does when it becomes active (Form_Activate): on the
// first activation it restores the aircraft choice from AC.ini; every time,
// while path.ini is missing, the path settings window must be shown.

#include <functional>

#include "core/main_data.h"
#include "core/settings.h"

namespace skyloom {

// Chooses an aircraft exactly as a click on its option does; the window
// passes ChooseAircraft bound to its own command context.
using AircraftChooser = std::function<void(Aircraft)>;

// Every option whose number in AC.ini is 1 is chosen in turn (the last one
// wins). Without AC.ini, or when it names no aircraft at all, the PMDG 737NG
// is chosen the same way so that its performance figures get loaded.
void RestoreAircraftChoice(const Settings& settings, const AircraftChooser& choose);

// Runs the first-activation step once (`activatedBefore` is the window's own
// flag, false when the window is created) and returns whether the path
// settings window has to be shown now.
bool ActivateMainWindow(bool& activatedBefore, const Settings& settings,
                        const AircraftChooser& choose);

}  // namespace skyloom
