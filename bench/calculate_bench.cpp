// How long one calculation of a 40-element route through 18 airways takes on
// a navigation database of real-world size (175,000 airway lines): on a fresh
// NavDatabase that builds its indexes, on a fresh one that reads them from the
// cache, and on one that has already served a calculation; and how long the
// first lookup on a fresh NavDatabase takes (it builds the airway index).

#include <benchmark/benchmark.h>

#include <string>

#include "bench_database.h"
#include "commands/calculate.h"
#include "core/command_context.h"
#include "navdata/nav_database.h"
#include "navdata/nav_file.h"

namespace {

using namespace skyloom;

class SilentPrompts : public Prompts {
  public:
    MessageAnswer message(const MessageBox&) override { return MessageAnswer::Ok; }
    std::optional<std::string> input(const InputBox&) override { return std::nullopt; }
    std::string chooseWaypoint(const WaypointChoice& choice) override {
        return choice.candidates.front();
    }
    std::optional<std::string> saveFile(const FileDialog&) override { return std::nullopt; }
    std::optional<std::string> openFile(const FileDialog&) override { return std::nullopt; }
};

void CalculateLongRoute(NavDatabase& nav) {
    Settings settings;
    settings.pathNavData = bench::FullDatabase().folder;
    settings.performance = {300, 90, 60, 20, 5000, 200000};
    SilentPrompts prompts;
    MainWindowData data;
    data.route = bench::FullDatabase().generated.routes.front();
    CommandContext context{settings, data, prompts};
    benchmark::DoNotOptimize(Calculate(context, nav));
}

// The first airway of the route, so the lookup has to find it.
std::string FirstAirway() {
    const std::string& route = bench::FullDatabase().generated.routes.front();
    std::size_t start = route.find(' ', route.find(' ') + 1) + 1;
    return route.substr(start, route.find(' ', start) - start);
}

void BM_FirstLookupOnFreshDatabase(benchmark::State& state) {
    const std::string airway = FirstAirway();
    for (auto _ : state) {
        NavDatabase nav(bench::FullDatabase().folder);
        benchmark::DoNotOptimize(nav.IsAirway(airway));
    }
}
BENCHMARK(BM_FirstLookupOnFreshDatabase)->Unit(benchmark::kMillisecond);

void BM_CalculateOnFreshDatabase(benchmark::State& state) {
    for (auto _ : state) {
        NavDatabase nav(bench::FullDatabase().folder);
        CalculateLongRoute(nav);
    }
}
BENCHMARK(BM_CalculateOnFreshDatabase)->Unit(benchmark::kMillisecond);

// As the desktop program's first calculation: a fresh NavDatabase whose
// indexes come from the cache an earlier run left.
void BM_CalculateWithTheCache(benchmark::State& state) {
    const std::string cache = bench::FullDatabase().folder + "cache";
    {
        NavDatabase nav(bench::FullDatabase().folder, CachedNavFiles(cache));
        CalculateLongRoute(nav);
    }
    for (auto _ : state) {
        NavDatabase nav(bench::FullDatabase().folder, CachedNavFiles(cache));
        CalculateLongRoute(nav);
    }
}
BENCHMARK(BM_CalculateWithTheCache)->Unit(benchmark::kMillisecond);

void BM_SecondCalculation(benchmark::State& state) {
    NavDatabase nav(bench::FullDatabase().folder);
    CalculateLongRoute(nav);
    for (auto _ : state) {
        CalculateLongRoute(nav);
    }
}
BENCHMARK(BM_SecondCalculation)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
