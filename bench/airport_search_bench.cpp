// How long one search of the "Airport-ICAO" window takes on a runway file of
// real-world size (40,000 runway lines), so typing in the search field, which
// searches on every change, does not stutter; and how long the first read takes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "io/file_system.h"
#include "navdata/airport_search.h"

namespace {

using namespace skyloom;

constexpr int kAirports = 10000;
constexpr int kRunwaysPerAirport = 4;

// Airport n is "AIRPORT n" with the code "Xnnn" (letters from n), four runway lines each.
std::string makeDatabase() {
    auto folder = std::filesystem::temp_directory_path() / "skyloom-bench-airports";
    std::filesystem::create_directories(folder);
    std::ofstream runways(folder / "wpNavAPT.txt", std::ios::binary);
    for (int a = 0; a < kAirports; ++a) {
        std::string name = "AIRPORT " + std::to_string(a);
        name.resize(24, ' ');
        std::string code = "X";
        for (int n = a, i = 0; i < 3; ++i, n /= 26) {
            code += static_cast<char>('A' + n % 26);
        }
        for (int r = 0; r < kRunwaysPerAirport; ++r) {
            runways << name << code << "0" << r + 1 << "L"
                    << "10000"
                    << "  50.037638    8.547241 "
                    << "109.50070"
                    << "   364\r\n";
        }
    }
    return fromNativePath(folder) + kPathSeparator;
}

const std::string& database() {
    static const std::string folder = makeDatabase();
    return folder;
}

// A text as typed, in lower case; it matches about a hundred airports.
void BM_SearchWhileTyping(benchmark::State& state) {
    NavDatabase nav(database());
    SearchAirports(nav, "EDDF");  // the first read is measured below
    std::size_t found = 0;
    for (auto _ : state) {
        auto result = SearchAirports(nav, "port 12");
        found = result.entries.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["runway lines"] = kAirports * kRunwaysPerAirport;
    state.counters["airports found"] = static_cast<double>(found);
}
BENCHMARK(BM_SearchWhileTyping)->Unit(benchmark::kMillisecond);

void BM_FirstSearchReadsTheFile(benchmark::State& state) {
    for (auto _ : state) {
        NavDatabase nav(database());
        benchmark::DoNotOptimize(SearchAirports(nav, "AIRPORT 9999"));
    }
}
BENCHMARK(BM_FirstSearchReadsTheFile)->Unit(benchmark::kMillisecond);

}  // namespace
