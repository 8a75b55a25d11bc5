#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace skyloom::cli {
namespace {

TEST(CliOptions, JoinsTheRouteAndReadsEveryOption) {
    ParseResult parsed = parseCommandLine({"--program-folder", "/p", "EDDF", "--aircraft", "767",
                                           "ABC", "--cruise", "35000", "--fs-plan", "--no-fs-plan",
                                           "--save", "eddf-kjfk", "--choose", "2, n,0", "KJFK"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const CliOptions& o = *parsed.options;
    EXPECT_EQ(o.route, "EDDF ABC KJFK");
    EXPECT_EQ(o.programFolder, "/p");
    EXPECT_EQ(o.aircraft, Aircraft::LevelD767);
    EXPECT_EQ(o.cruise, "35000");
    EXPECT_EQ(o.createFsPlan, false);
    EXPECT_EQ(o.saveName, "eddf-kjfk");
    EXPECT_EQ(o.choices, (std::vector<std::string>{"2", "n", "0"}));
    // Without options the settings files are in charge.
    parsed = parseCommandLine({"EDDF KJFK"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->cruise, "31000");
    EXPECT_FALSE(parsed.options->aircraft || parsed.options->createFsPlan ||
                 parsed.options->saveName);
}

TEST(CliOptions, WrongCommandLinesAreUsageErrors) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--aircraft", "737"},
        {"--aircraft", "320", "EDDF", "KJFK"},
        {"EDDF", "KJFK", "--aircraft"},
        {"--choose", "1,x", "EDDF", "KJFK"},
        {"--save", " ", "EDDF", "KJFK"},
        {"--frobnicate", "EDDF", "KJFK"},
        {"--load-flight", "a.fp", "EDDF", "KJFK"},
    };
    for (const auto& arguments : wrong) {
        ParseResult parsed = parseCommandLine(arguments);
        EXPECT_FALSE(parsed.options) << ::testing::PrintToString(arguments);
        EXPECT_FALSE(parsed.error.empty());
    }
    EXPECT_TRUE(parseCommandLine({"--help"}).options->help);
}

}  // namespace
}  // namespace skyloom::cli
