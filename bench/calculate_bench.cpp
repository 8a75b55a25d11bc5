// How long one calculation takes on a navigation database of real-world size
// (about 200,000 airway lines), and how long the first read of the files takes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "commands/calculate.h"
#include "core/command_context.h"
#include "io/file_system.h"
#include "navdata/nav_database.h"

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

constexpr int kAirways = 10000;
constexpr int kPointsPerAirway = 20;

// A database of kAirways airways, each kPointsPerAirway points long; airway
// Wn runs through the points Pn_0 .. Pn_19.
std::string makeDatabase() {
    auto folder = std::filesystem::temp_directory_path() / "skyloom-bench-nav";
    std::filesystem::create_directories(folder);
    std::ofstream airports(folder / "airports.dat", std::ios::binary);
    airports << "EDDF 50.033333 8.570556\r\nKJFK 40.639751 -73.778925\r\n";
    std::ofstream runways(folder / "wpNavAPT.txt", std::ios::binary);
    runways << "KENNEDY INTL            KJFK04L12079 40.622020 -73.785585 109.50044   13\r\n";
    std::ofstream airwaysFile(folder / "wpNavRTE.txt", std::ios::binary);
    for (int a = 0; a < kAirways; ++a) {
        for (int p = 0; p < kPointsPerAirway; ++p) {
            airwaysFile << 'W' << a << ' ' << p + 1 << " P" << a << '_' << p << ' '
                        << 50.0 - (a % 100) * 0.1 << ' ' << 8.0 - p * 4.0 << "\r\n";
        }
    }
    return fromNativePath(folder) + kPathSeparator;
}

const std::string& database() {
    static const std::string folder = makeDatabase();
    return folder;
}

// Six airways of 18 inner points each and a few direct waypoints.
const char* const kRoute =
    "EDDF P10_0 W10 P10_19 P20_0 W20 P20_19 P30_19 W30 P30_0 P40_0 W40 P40_19 P50_0 W50 P50_19 "
    "P60_0 W60 P60_19 KJFK";

void BM_CalculateTransatlantic(benchmark::State& state) {
    Settings settings;
    settings.pathNavData = database();
    settings.performance = {300, 90, 60, 20, 5000, 200000};
    SilentPrompts prompts;
    NavDatabase nav(settings.pathNavData);
    for (auto _ : state) {
        MainWindowData data;
        data.route = kRoute;
        CommandContext context{settings, data, prompts};
        benchmark::DoNotOptimize(Calculate(context, nav));
    }
    state.counters["airway lines"] = kAirways * kPointsPerAirway;
}
BENCHMARK(BM_CalculateTransatlantic)->Unit(benchmark::kMillisecond);

void BM_FirstReadOfTheDatabase(benchmark::State& state) {
    for (auto _ : state) {
        NavDatabase nav(database());
        benchmark::DoNotOptimize(nav.IsAirway("W9999"));
    }
}
BENCHMARK(BM_FirstReadOfTheDatabase)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
