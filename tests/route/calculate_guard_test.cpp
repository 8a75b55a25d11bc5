// A route whose airport words cannot give a position stops before any list
// is touched, instead of writing files with empty coordinates.

#include <gtest/gtest.h>

#include "navdata/nav_test_folder.h"
#include "route/calculate.h"
#include "support/scripted_prompts.h"

namespace skyloom {
namespace {

TEST(CalculateGuard, AirportWordsWithoutAReadablePositionStopTheRun) {
    testing::NavTestFolder folder;
    folder.write("airports.dat", "EDDF 50.0 8.0\r\nKJFK\r\nEGLL 51.4775 -0.461389\r\n");
    folder.write("wpNavAPT.txt", "");
    folder.write("wpNavRTE.txt", "");
    struct Case {
        const char* route;
        const char* message;
    };
    const Case cases[] = {
        // KJFK is in the file, but its line holds no coordinates.
        {"EDDF KJFK", "The airport 'KJFK' has no readable position in airports.dat."},
        // The first word is longer than the code that passed the check.
        {"EDDFX EGLL", "The airport 'EDDFX' has no readable position in airports.dat."},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.pathNavData = folder.path();
        MainWindowData data;
        data.route = c.route;
        data.fmcLines = {"kept"};
        testing::ScriptedPrompts prompts;
        CommandContext context{settings, data, prompts};
        NavDatabase nav(settings.pathNavData);
        CalculateResult result = Calculate(context, nav);
        EXPECT_FALSE(result.completed) << c.route;
        EXPECT_EQ(prompts.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(data.fmcLines, std::vector<std::string>{"kept"});
        EXPECT_FALSE(data.saveEnabled);
    }
}

}  // namespace
}  // namespace skyloom
