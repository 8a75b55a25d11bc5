#include "commands/session.h"

#include <gtest/gtest.h>

#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

// The database stays open between calculations and is opened anew when the
// path settings name another folder.
TEST(Session, OpensTheNavigationDatabaseAgainWhenItsFolderChanges) {
    testing::ScriptedPrompts prompts;
    testing::TempFolder empty;
    testing::TempFolder program;
    Session session(program.path(), prompts);
    session.settings.pathNavData = empty.path() + kPathSeparator;
    NavDatabase* first = &session.nav();
    EXPECT_FALSE(first->IsAirway("UN872"));
    EXPECT_EQ(&session.nav(), first);

    session.settings.pathNavData = testing::testDataPath({"route", "nav"}) + kPathSeparator;
    EXPECT_TRUE(session.nav().IsAirway("UN872"));
}

}  // namespace
}  // namespace skyloom
