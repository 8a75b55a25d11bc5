#include "settings/shutdown.h"

#include "settings/settings_files.h"

namespace skyloom {

void WriteShutdownSettings(const Settings& settings, const MainWindowData& data, Prompts& prompts) {
    ReportWriteFailure(prompts,
                       WriteCheckIni(settings.besideProgram(kCheckIniName), data.createFsPlan));
    ReportWriteFailure(prompts,
                       WriteAircraftIni(settings.besideProgram(kAircraftIniName), data.aircraft));
}

}  // namespace skyloom
