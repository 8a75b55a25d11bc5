// fmc_ident.txt as the navigation data folder holds it.

#include "fuzz_support.h"
#include "settings/airac_ident.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 1);
    WindowTitle(ReadAiracText(fuzz::writeScratch(kFmcIdentName, parts[0])));
    return 0;
}
