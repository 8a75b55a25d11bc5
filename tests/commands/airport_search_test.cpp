#include "commands/airport_search.h"

#include <gtest/gtest.h>

#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

// Without wpNavAPT.txt, typing tells the pilot once; "OK" tells every time.
TEST(AirportSearchCommand, AnUnreadableRunwayFileIsToldOnceWhileTyping) {
    testing::TempFolder folder;
    NavDatabase nav(folder.path() + kPathSeparator);
    testing::ScriptedPrompts prompts;
    AirportSearch search(nav, prompts);
    using Entries = std::optional<std::vector<std::string>>;
    const Entries kEmpty = std::vector<std::string>{};  // the list is emptied
    const struct {
        bool typed;
        const char* text;
        Entries entries;
        std::size_t messages;
    } steps[] = {
        {true, "EDDF", std::nullopt, 0},  // too short to search while typing
        {true, "EDDFX", kEmpty, 1},      {true, "EDDFXY", kEmpty, 1},
        {false, "EDDFXY", kEmpty, 2},    {false, "   ", std::nullopt, 2},
    };
    for (const auto& step : steps) {
        const Entries entries = step.typed ? search.typed(step.text) : search.asked(step.text);
        EXPECT_EQ(entries, step.entries) << step.text;
        EXPECT_EQ(prompts.messages.size(), step.messages) << step.text;
    }
}

}  // namespace
}  // namespace skyloom
