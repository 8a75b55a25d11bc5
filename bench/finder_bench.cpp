// How long the route finder takes on the navigation database of real-world
// size: building the airway network (175,000 airway lines) from a database
// that has read its files, and one search across the Atlantic, between the
// generated airports nearest to Frankfurt and to New York.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "bench_database.h"
#include "finder/find_route.h"
#include "io/text_util.h"

namespace {

using namespace skyloom;

// The code of the generated airport nearest to the position.
std::string NearestAirport(double latitude, double longitude) {
    std::string best;
    double bestDistance = 1e9;
    for (const std::string& line : splitLines(bench::FullDatabase().generated.airports)) {
        std::vector<std::string> fields = splitAt(trimBlanks(line.substr(4)), ' ');
        const double distance = std::hypot(leadingNumber(fields[0]) - latitude,
                                           leadingNumber(fields.back()) - longitude);
        if (distance < bestDistance) {
            best = line.substr(0, 4);
            bestDistance = distance;
        }
    }
    return best;
}

void BM_BuildAirwayNetwork(benchmark::State& state) {
    NavDatabase nav(bench::FullDatabase().folder);
    nav.IsAirway("A1");  // the file is read once, as after a first calculation
    for (auto _ : state) {
        AirwayNetwork network(nav);
        benchmark::DoNotOptimize(network.points().size());
    }
}
BENCHMARK(BM_BuildAirwayNetwork)->Unit(benchmark::kMillisecond);

void BM_FindTransatlanticRoute(benchmark::State& state) {
    NavDatabase nav(bench::FullDatabase().folder);
    const AirwayNetwork network(nav);
    const std::string departure = NearestAirport(50.03, 8.57);
    const std::string destination = NearestAirport(40.64, -73.78);
    FoundRoute found;
    for (auto _ : state) {
        found = FindRoute(network, nav, departure, destination);
    }
    state.SetLabel(found.found ? departure + " " + destination + ": " +
                                     std::to_string(found.lengthNm) + " nm"
                               : found.problem);
}
BENCHMARK(BM_FindTransatlanticRoute)->Unit(benchmark::kMillisecond);

}  // namespace
