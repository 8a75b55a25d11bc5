// What the finder writes, calculated as any route, gives back the points it
// chose, on many airport pairs of a generated database: the identifiers that
// repeat, the short identifiers inside longer ones and the airway names used
// twice all stand in it.

#include <gtest/gtest.h>

#include "commands/calculate.h"
#include "finder/find_route.h"
#include "finder/read_back.h"
#include "nav_generator.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

std::vector<std::string> airportCodes(const std::string& airportsFile) {
    std::vector<std::string> codes;
    for (std::size_t start = 0; start < airportsFile.size();
         start = airportsFile.find('\n', start) + 1) {
        codes.push_back(airportsFile.substr(start, 4));
    }
    return codes;
}

// The points of a calculation, as the choice window would name them.
std::vector<std::string> calculatedPoints(const std::string& folder, NavDatabase& nav,
                                          const FoundRoute& found, std::size_t& choicesAsked) {
    Settings settings;
    settings.pathNavData = folder;
    settings.performance = {300, 90, 60, 20, 5000, 99999999};
    MainWindowData data;
    data.route = found.text;
    testing::ScriptedPrompts prompts;
    prompts.choiceAnswers.assign(found.choices.begin(), found.choices.end());
    CommandContext context{settings, data, prompts};
    const CalculateResult result = Calculate(context, nav);
    EXPECT_TRUE(result.completed && !result.routeIncomplete) << found.text;
    EXPECT_EQ(prompts.messageTexts(), std::vector<std::string>{}) << found.text;
    EXPECT_EQ(data.distance, std::to_string(found.lengthNm)) << found.text;
    choicesAsked = prompts.choices.size();
    std::vector<std::string> points;
    for (const ResolvedPoint* point : data.resolvedRoute.resolvedPoints()) {
        points.push_back(point->identifier + " " + point->latitudeText + ":" +
                         point->longitudeText);
    }
    return points;
}

TEST(FinderRoundTrip, CalculatingTheTextGivesThePointsFound) {
    const navgen::GeneratedNavDatabase generated =
        navgen::GenerateNavDatabase(11, navgen::NavScale::Small, 0);
    testing::TempFolder temp;
    ASSERT_TRUE(navgen::WriteNavDatabase(generated, temp.path()));
    const std::string folder = temp.path() + kPathSeparator;
    NavDatabase nav(folder);
    const AirwayNetwork network(nav);
    const std::vector<std::string> codes = airportCodes(generated.airports);

    int checked = 0, unjoined = 0, withChoices = 0;
    std::uint64_t state = 12345;
    for (int pair = 0; pair < 700; ++pair) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const std::string& departure = codes[(state >> 33) % codes.size()];
        const std::string& destination = codes[(state >> 13) % codes.size()];
        if (departure == destination) {
            continue;  // the fuel estimate complains of a flight of no length
        }
        const FoundRoute found = FindRoute(network, nav, departure, destination);
        if (!found.found) {
            EXPECT_NE(found.problem.find("No airway point lies within 480 nm"), std::string::npos)
                << departure << " " << destination << ": " << found.problem;
            ++unjoined;
            continue;
        }
        std::vector<std::string> expected;
        for (int point : found.points) {
            expected.push_back(CandidateLine(network.points()[static_cast<std::size_t>(point)]));
        }
        std::size_t asked = 0;
        EXPECT_EQ(calculatedPoints(folder, nav, found, asked), expected) << found.text;
        EXPECT_EQ(asked, found.choices.size()) << found.text;
        withChoices += found.choices.empty() ? 0 : 1;
        ++checked;
    }
    EXPECT_GE(checked, 500);
    EXPECT_LT(unjoined, 100);
    std::cout << checked << " pairs calculated, " << withChoices << " with a choice, " << unjoined
              << " not joined\n";
}

}  // namespace
}  // namespace skyloom
