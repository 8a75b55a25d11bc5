// Whole calculations against the small navigation database in
// tests/data/route/nav, compared byte for byte with route files written by hand
// in tests/data/route/expected: the FMC file of every aircraft and the
// simulator plan, for a route of the two airports alone, a route of direct
// waypoints and a route along two airways flown in opposite file directions.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "formats/save_fmc.h"
#include "io/file_system.h"
#include "route/calculate.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace {

using skyloom::Aircraft;
using skyloom::kPathSeparator;
using skyloom::testing::readBytes;
using skyloom::testing::ScriptedPrompts;
using skyloom::testing::TempFolder;
using skyloom::testing::testDataDir;

std::string routeDataFolder() {
    return testDataDir() + kPathSeparator + "route";
}

std::string expectedFile(const std::string& name) {
    return routeDataFolder() + kPathSeparator + "expected" + kPathSeparator + name;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

std::vector<std::string> splitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Empty when equal, else the first differing line, so a failure names the spot.
std::string firstDifference(const std::string& expected, const std::string& actual) {
    if (expected == actual) {
        return {};
    }
    auto want = splitCrLf(expected);
    auto got = splitCrLf(actual);
    std::ostringstream out;
    for (std::size_t i = 0; i < want.size() || i < got.size(); ++i) {
        std::string w = i < want.size() ? want[i] : "<end of file>";
        std::string g = i < got.size() ? got[i] : "<end of file>";
        if (w != g) {
            out << "line " << (i + 1) << ": expected \"" << w << "\", got \"" << g << "\" ("
                << want.size() << " lines expected, " << got.size() << " written)";
            return out.str();
        }
    }
    return "same lines, different bytes";
}

struct RouteCase {
    const char* name;
    const char* route;
    const char* stem;  // expected files are stem + ".737.rte" and so on
    const char* normalised;
    const char* distance;
    std::vector<std::string> points;
    std::vector<std::string> listing;
};

const std::vector<RouteCase>& routeCases() {
    static const std::vector<RouteCase> cases = {
        {"TwoAirports",
         "EDDF EGLL",
         "a_two_airports",
         "EDDF EGLL ",
         "353",
         {"50.033333 8.570556", "51.4775 -0.461389"},
         {}},
        {"DirectWaypoints",
         "EDDF TAU DO LOGA MID EGLL",
         "b_direct",
         "EDDF TAU DO LOGA MID EGLL ",
         "361",
         {"50.033333 8.570556", "50.191389 7.918056", "50.25 6.75", "51.61 -0.305",
          "51.5512345 -0.4", "51.4775 -0.461389"},
         {"TAU\tN 50.191389\tE 7.918056", "DO\tN 50.250000\tE 6.750000",
          "LOGA\tN 51.610000\tW 0.305000", "MID\tN 51.5512345\tW 0.400000"}},
        {"AirwaysBothWays",
         "EDDF TAU UL610 KOBLI UM601 PEPAX LOGA MID EGLL",
         "c_airways",
         "EDDF TAU UL610 KOBLI UM601 PEPAX LOGA MID EGLL ",
         "388",
         {"50.033333 8.570556", "50.191389 7.918056", "50.25 6.75", "50.017222 5.638056",
          "50.501944 4.411111", "50.813889 2.0525", "51.049722 0.0", "51.403611 -0.2475",
          "51.61 -0.305", "51.5512345 -0.4", "51.4775 -0.461389"},
         {"TAU\tN 50.191389\tE 7.918056", "DO\tN 50.250000\tE 6.750000",
          "BITBURG\tN 50.017222\tE 5.638056", "KOBLI\tN 50.501944\tE 4.411111",
          "XY\tN 50.813889\tE 2.052500", "GREEN\tN 51.049722\tW 0.000000",
          "PEPAX\tN 51.403611\tW 0.247500", "LOGA\tN 51.610000\tW 0.305000",
          "MID\tN 51.5512345\tW 0.400000"}},
    };
    return cases;
}

struct AircraftCase {
    const char* name;
    Aircraft aircraft;
    const char* suffix;     // of the expected FMC file
    const char* savedName;  // the FMC file SaveFmcData writes for the name "golden"
};

const std::vector<AircraftCase>& aircraftCases() {
    static const std::vector<AircraftCase> cases = {
        {"Pmdg737", Aircraft::Pmdg737, ".737.rte", "737-GOLDEN.rte"},
        {"Pmdg747", Aircraft::Pmdg747, ".747.rte", "747-GOLDEN.rte"},
        {"LevelD767", Aircraft::LevelD767, ".leveld.rte", "GOLDEN.rte"},
        {"Pss777", Aircraft::Pss777, ".b2r", "GOLDEN.b2r"},
    };
    return cases;
}

class CalculateGolden : public ::testing::TestWithParam<std::tuple<std::size_t, std::size_t>> {
  protected:
    const RouteCase& route() const { return routeCases()[std::get<0>(GetParam())]; }
    const AircraftCase& aircraft() const { return aircraftCases()[std::get<1>(GetParam())]; }

    void SetUp() override {
        settings.pathNavData = routeDataFolder() + kPathSeparator + "nav" + kPathSeparator;
        settings.performance = {300, 90, 60, 20, 5000, 26000};
        data.aircraft = aircraft().aircraft;
        data.route = route().route;
        data.cruiseAltitude = "31000";
        skyloom::CommandContext context{settings, data, prompts};
        skyloom::NavDatabase nav(settings.pathNavData);
        skyloom::Calculate(context, nav);
    }

    skyloom::Settings settings;
    skyloom::MainWindowData data;
    ScriptedPrompts prompts;
};

TEST_P(CalculateGolden, FmcLinesAreTheExpectedFile) {
    auto expected = readBytes(expectedFile(std::string(route().stem) + aircraft().suffix));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(firstDifference(expected, joinCrLf(data.fmcLines)), "");
}

TEST_P(CalculateGolden, PlanLinesAreTheExpectedPlan) {
    auto expected = readBytes(expectedFile(std::string(route().stem) + ".pln"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(firstDifference(expected, joinCrLf(data.planLines)), "");
}

TEST_P(CalculateGolden, PointsListingAndDistanceDoNotDependOnTheAircraft) {
    EXPECT_EQ(data.routePoints, route().points);
    EXPECT_EQ(data.routeListing, route().listing);
    EXPECT_EQ(data.distance, route().distance);
}

TEST_P(CalculateGolden, RunCompletesQuietly) {
    EXPECT_EQ(data.route, route().normalised);
    EXPECT_TRUE(data.unresolved.empty());
    EXPECT_TRUE(prompts.messageTexts().empty()) << prompts.messageTexts().front();
    EXPECT_TRUE(prompts.choices.empty());
    EXPECT_TRUE(data.saveEnabled);
    // Westbound at an odd level.
    EXPECT_EQ(data.cruiseCheckColour, skyloom::kRed);
}

TEST_P(CalculateGolden, SavedFilesAreTheExpectedFiles) {
    TempFolder pmdg, levelD, pss, fs;
    settings.pathPmdgPlans = pmdg.path() + kPathSeparator;
    settings.pathLevelDPlans = levelD.path() + kPathSeparator;
    settings.pathPssPlans = pss.path() + kPathSeparator;
    settings.pathFsPlans = fs.path() + kPathSeparator;
    data.createFsPlan = true;
    data.onlyFsPlan = false;
    prompts.inputAnswers = {std::string("golden")};
    skyloom::CommandContext context{settings, data, prompts};

    auto result = skyloom::SaveFmcData(context);

    EXPECT_FALSE(result.failed);
    std::string fmcFolder = aircraft().aircraft == Aircraft::LevelD767 ? levelD.path()
                            : aircraft().aircraft == Aircraft::Pss777  ? pss.path()
                                                                       : pmdg.path();
    std::string fmcPath = fmcFolder + kPathSeparator + aircraft().savedName;
    std::string planPath = fs.file("GOLDEN.pln");
    EXPECT_EQ(result.written, (std::vector<std::string>{fmcPath, planPath}));
    EXPECT_EQ(
        firstDifference(readBytes(expectedFile(std::string(route().stem) + aircraft().suffix)),
                        readBytes(fmcPath)),
        "");
    EXPECT_EQ(firstDifference(readBytes(expectedFile(std::string(route().stem) + ".pln")),
                              readBytes(planPath)),
              "");
    EXPECT_EQ(prompts.messageTexts(), (std::vector<std::string>{"Flightplan(s) saved!"}));
}

INSTANTIATE_TEST_SUITE_P(AllRoutesAllAircraft, CalculateGolden,
                         ::testing::Combine(::testing::Range<std::size_t>(0, 3),
                                            ::testing::Range<std::size_t>(0, 4)),
                         [](const ::testing::TestParamInfo<CalculateGolden::ParamType>& info) {
                             return std::string(routeCases()[std::get<0>(info.param)].name) +
                                    aircraftCases()[std::get<1>(info.param)].name;
                         });

}  // namespace
