// A performance file beside the program (B737NG.dat and its kind) as the
// input's first part, and the distance and cruise altitude the fuel and time
// estimate takes from the window as its second and third.

#include "fuel/aircraft_choice.h"
#include "fuel/fuel_time.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 3);
    fuzz::FuzzPrompts prompts({});
    Settings settings;
    MainWindowData store;
    store.distance = parts[1];
    store.cruiseAltitude = parts[2];
    LoadPerformanceFile(fuzz::writeScratch("B737NG.dat", parts[0]), settings.performance);
    CommandContext context{settings, store, prompts};
    CalculateFuelAndTime(context);
    return 0;
}
