#include "commands/session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "commands/calculate.h"
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

// A navigation update replaces the files while the program runs: as a new
// file written beside and renamed over the old one, and as a file the user
// may not read. Root reads every file, so the second test is left out of the
// suite and run by the end-to-end test real_failures_as_a_user as "nobody".
class NavigationFilesReplaced : public ::testing::Test {
  protected:
    testing::ScriptedPrompts prompts;
    testing::TempFolder nav;
    testing::TempFolder program;
    Session session{program.path(), prompts};

    void SetUp() override {
        for (const char* name : {kAirportsFile, kRunwaysFile, kAirwaysFile}) {
            testing::writeBytes(nav.file(name),
                                testing::readBytes(testing::testDataPath({"route", "nav", name})));
        }
        session.settings.pathNavData = nav.path() + kPathSeparator;
        session.data.route = "EDDF SPA UL610 KOBLI EGLL";
    }
    void TearDown() override {
        // Windows keeps a file without write permission from being removed.
        for (const char* name : {kAirportsFile, kRunwaysFile, kAirwaysFile}) {
            std::error_code ignored;
            std::filesystem::permissions(toNativePath(nav.file(name)),
                                         std::filesystem::perms::owner_all, ignored);
        }
    }
    void replace(const std::string& name, const std::string& bytes) {
        testing::writeBytes(nav.file(name + ".new"), bytes);
        std::filesystem::rename(toNativePath(nav.file(name + ".new")),
                                toNativePath(nav.file(name)));
    }
    // Takes every permission from the file; true when it can no longer be read
    // (root still reads it).
    bool unreadable(const std::string& name) {
        std::filesystem::permissions(toNativePath(nav.file(name)), std::filesystem::perms::none);
        return !std::ifstream(toNativePath(nav.file(name)));
    }
};

TEST_F(NavigationFilesReplaced, TheNextCalculationReadsTheNewFile) {
    ASSERT_TRUE(Calculate(session.context, session.nav()).completed);
    EXPECT_EQ(session.data.routeListing[1], "TAU\tN 50.191389\tE 7.918056");
    const std::vector<std::string> messages = prompts.messageTexts();
    prompts = {};
    std::string airways = testing::readBytes(nav.file(kAirwaysFile));
    airways.replace(airways.find("TAU 50.191389"), 13, "TAUNUS 50.2");
    replace(kAirwaysFile, airways);
    ASSERT_TRUE(Calculate(session.context, session.nav()).completed);
    EXPECT_EQ(session.data.routeListing[1], "TAUNUS\tN 50.200000\tE 7.918056");
    EXPECT_EQ(prompts.messageTexts(), messages);  // nothing more to tell than the first time
}

TEST_F(NavigationFilesReplaced, AFileThatCannotBeReadIsNamed) {
    ASSERT_TRUE(Calculate(session.context, session.nav()).completed);
    for (const char* name : {kAirwaysFile, kAirportsFile}) {
        replace(name, testing::readBytes(nav.file(name)) + "\r\n");
        ASSERT_TRUE(unreadable(name)) << name << " is still readable: run this test as a user";
        prompts = {};
        Calculate(session.context, session.nav());
        ASSERT_FALSE(prompts.messages.empty()) << name;
        EXPECT_EQ(prompts.messages[0].text,
                  "The navigation file '" + nav.file(name) + "' cannot be read.");
    }
}

}  // namespace
}  // namespace skyloom
