// The print text (Text2) as the pilot may have edited it: its route line
// rewrapped, the printed lines built, and the kneeboard page written over the
// lines of a simulator's page (the input's second part).

#include <sstream>

#include "formats/kneeboard.h"
#include "formats/print_text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 2);
    MainWindowData store;
    store.printText = NormalisePrintText(parts[0]);
    RewrapRouteLine(store.printText);
    PrintedPlanLines(store);
    std::vector<std::string> backup;
    std::istringstream in(parts[1]);
    for (std::string line; std::getline(in, line);) {
        backup.push_back(line);
    }
    KneeboardPageLines(store, backup);
    KneeboardFile(parts[1]);
    return 0;
}
