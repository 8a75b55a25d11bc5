// A saved flight (.fp) loaded the way the "load" menu does: read, restored
// into the window's store with the aircraft chosen, the fuel estimate run.

#include "commands/flights.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 1);
    fuzz::FuzzPrompts prompts({});
    Settings settings;
    settings.programFolder = SKYLOOM_FUZZ_PROGRAM_DIR;
    MainWindowData store;
    CommandContext context{settings, store, prompts};
    LoadFlightFrom(context, fuzz::writeScratch("flight.fp", parts[0]));
    return 0;
}
