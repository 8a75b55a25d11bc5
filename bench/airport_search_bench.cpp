// How long one search of the "Airport-ICAO" window takes on the runway file of
// real-world size (37,000 runway lines): typing searches on every change from
// the fifth letter on, so it must not stutter; and how long the first search
// on a fresh NavDatabase takes.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_database.h"
#include "navdata/airport_search.h"

namespace {

using namespace skyloom;

// Five letters as typed, in lower case: the start of an airport name of the file.
std::string FiveLetters() {
    const std::string& runways = bench::FullDatabase().generated.runways;
    std::string text = runways.substr(runways.find("\r\n", runways.size() / 2) + 2, 5);
    for (char& c : text) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return text;
}

void BM_SearchFiveLetters(benchmark::State& state) {
    const std::string text = FiveLetters();
    NavDatabase nav(bench::FullDatabase().folder);
    SearchAirports(nav, text);  // the first read is measured below
    std::size_t found = 0;
    for (auto _ : state) {
        auto result = SearchAirports(nav, text);
        found = result.entries.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["airports found"] = static_cast<double>(found);
}
BENCHMARK(BM_SearchFiveLetters)->Unit(benchmark::kMillisecond);

void BM_FirstSearchOnFreshDatabase(benchmark::State& state) {
    const std::string text = FiveLetters();
    for (auto _ : state) {
        NavDatabase nav(bench::FullDatabase().folder);
        benchmark::DoNotOptimize(SearchAirports(nav, text));
    }
}
BENCHMARK(BM_FirstSearchOnFreshDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
