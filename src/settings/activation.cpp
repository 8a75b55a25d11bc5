#include "settings/activation.h"

#include "settings/path_settings.h"
#include "settings/settings_files.h"

namespace skyloom {

void RestoreAircraftChoice(const Settings& settings, const AircraftChooser& choose) {
    bool chosen = false;
    if (auto numbers = ReadAircraftIni(settings.besideProgram(kAircraftIniName))) {
        for (std::size_t i = 0; i < numbers->size(); ++i) {
            if ((*numbers)[i] == 1) {
                choose(kAllAircraft[i]);
                chosen = true;
            }
        }
    }
    if (!chosen) {
        choose(Aircraft::Pmdg737);
    }
}

bool ActivateMainWindow(bool& activatedBefore, const Settings& settings,
                        const AircraftChooser& choose) {
    if (!activatedBefore) {
        activatedBefore = true;
        RestoreAircraftChoice(settings, choose);
    }
    return !PathIniExists(settings);
}

}  // namespace skyloom
