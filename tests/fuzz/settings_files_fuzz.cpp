// The settings files beside the program, read as the program starts:
// path.ini, url.ini, check.ini, AC.ini and AC.dat as the input's five parts.

#include "fuzz_support.h"
#include "settings/aircraft_table_file.h"
#include "settings/settings_files.h"
#include "settings/startup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 5);
    const std::string folder = fuzz::scratchFolder();
    const char* names[] = {kPathIniName, kUrlIniName, kCheckIniName, kAircraftIniName,
                           kAircraftTableFileName};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        fuzz::writeScratch(names[i], parts[i]);
    }
    fuzz::FuzzPrompts prompts({});
    Settings settings;
    settings.programFolder = folder.substr(0, folder.size() - 1);
    MainWindowData store;
    ReadStartupSettings(settings, store, prompts);
    return 0;
}
