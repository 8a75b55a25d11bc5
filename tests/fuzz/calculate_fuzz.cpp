// A whole calculation on navigation files of the input: airports.dat,
// wpNavAPT.txt and wpNavRTE.txt as its first three parts, the route text as
// the fourth, and the answers to the waypoint choices and messages as the fifth.

#include "commands/calculate.h"
#include "formats/print_text.h"
#include "formats/saved_flight.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 5);
    fuzz::writeScratch(kAirportsFile, parts[0]);
    fuzz::writeScratch(kRunwaysFile, parts[1]);
    fuzz::writeScratch(kAirwaysFile, parts[2]);
    fuzz::FuzzPrompts prompts(parts[4]);
    Settings settings;
    settings.programFolder = fuzz::scratchFolder() + "program";
    settings.pathNavData = fuzz::scratchFolder();
    MainWindowData store;
    store.route = parts[3];
    CommandContext context{settings, store, prompts};
    NavDatabase nav(settings.pathNavData);
    Calculate(context, nav);
    // What the calculation filled in is what the writers take next.
    SavedFlightLines(store);
    PrintedPlanLines(store);
    return 0;
}
