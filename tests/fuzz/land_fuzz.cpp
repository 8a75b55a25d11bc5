// The route map's land file (GeoJSON), read from disk, and the copies of each
// shape the map draws across the date line.

#include "fuzz_support.h"
#include "map/land.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 1);
    const LandReading reading = ReadLand(fuzz::writeScratch("land.geojson", parts[0]));
    for (const auto& shape : reading.land) {
        LandShifts(shape, -540.0, 540.0);
    }
    return 0;
}
