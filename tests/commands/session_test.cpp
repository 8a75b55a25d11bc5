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

// The route finder's network follows its wpNavRTE.txt as the lookups do once
// the database has looked at the files again.
TEST(Session, BuildsTheAirwayNetworkAgainWhenTheAirwayFileChanges) {
    testing::ScriptedPrompts prompts;
    testing::TempFolder nav;
    testing::TempFolder program;
    Session session(program.path(), prompts);
    session.settings.pathNavData = nav.path() + kPathSeparator;
    testing::writeBytes(nav.file("wpNavRTE.txt"), "A1 001 ABC 1.0 2.0\r\n");
    EXPECT_EQ(session.airwayNetwork().points().size(), 1u);
    testing::writeBytes(nav.file("wpNavRTE.txt"), "A1 001 ABC 1.0 2.0\r\nA1 002 DEF 1.0 3.0\r\n");
    session.nav().checkForChanges();  // as every search begins
    EXPECT_EQ(session.airwayNetwork().points().size(), 2u);
}

}  // namespace
}  // namespace skyloom
