#include "commands/flights.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <tuple>

#include "formats/flight_test_support.h"
#include "io/file_system.h"

namespace skyloom {
namespace {

using testing::expectOneMessage;
using testing::ProgramFixture;
using testing::readBytes;
using testing::testDataPath;
using testing::writeBytes;

const std::string kSep(1, kPathSeparator);

std::string golden(const std::string& name) {
    return testDataPath({"formats", name});
}

// The flight of flight_747_eddf_kjfk.fp.
MainWindowData sampleFlight() {
    MainWindowData data;
    data.route = "EDDF ABC UL610 DEF KJFK ";
    data.planLines = {"[flightplan]", "title=EDDF to KJFK",
                      "waypoint.0=EDDF, A, N50* 2.0', E8* 34.14', 364,",
                      "waypoint.1=ABC, V, N50* 7.24', E8* 7.24', 0, UL610"};
    data.fmcLines = {"2", "EDDF", "ABC,1", "1 N 50.120667 E 8.120667"};
    data.routeListing = {"ABC\t50,120667\t8,120667", "DEF\t50,033\t8,570"};
    data.aircraft = Aircraft::Pmdg747;
    data.cruiseAltitude = "33000";
    data.printText = "EDDF - KJFK\r\n----------\r\n ABC UL610 DEF\r\nFuel ok";
    data.distance = "3349";
    return data;
}

// What the main window shows before a load: every value different from the saved ones.
MainWindowData shownBeforeLoad() {
    MainWindowData data;
    data.route = "OLD ROUTE";
    data.cruiseAltitude = "OLDFL";
    data.distance = "4000";
    data.printText = "OLD TEXT";
    data.aircraft = Aircraft::Pmdg737;
    data.planLines = {"old plan"};
    data.fmcLines = {"old fmc"};
    data.routeListing = {"old,listing"};
    data.destinationRunways = {"old runway"};
    return data;
}

void expectRestored(const MainWindowData& expected, const MainWindowData& actual) {
    EXPECT_EQ(actual.route, expected.route);
    EXPECT_EQ(actual.planLines, expected.planLines);
    EXPECT_EQ(actual.fmcLines, expected.fmcLines);
    EXPECT_EQ(actual.routeListing, expected.routeListing);
    EXPECT_EQ(actual.aircraft, expected.aircraft);
    EXPECT_EQ(actual.cruiseAltitude, expected.cruiseAltitude);
    EXPECT_EQ(actual.printText, expected.printText);
    EXPECT_EQ(actual.distance, expected.distance);
    EXPECT_EQ(actual.destinationRunways, expected.destinationRunways);
}

class SavedFlightTest : public ::testing::Test, public ProgramFixture {
  protected:
    std::string flights() const { return folder.file("flights"); }
};

TEST_F(SavedFlightTest, SaveProposesTheNameInTheFlightsFolderAndAppendsTheExtension) {
    data = sampleFlight();
    prompts.saveAnswers.push_back(flights() + kSep + "747-EDDF-KJFK");

    SaveFlightResult result = SaveFlight(context);

    ASSERT_EQ(prompts.saveDialogs.size(), 1u);
    const FileDialog& dialog = prompts.saveDialogs[0];
    EXPECT_EQ(dialog.filter, "Flightplans (*.fp)|*.fp");
    EXPECT_EQ(dialog.initialFolder, flights() + kSep);
    EXPECT_EQ(dialog.proposedName, "747-EDDF-KJFK");
    EXPECT_TRUE(dialog.warnOnOverwrite);
    EXPECT_EQ(result.status, SaveFlightStatus::Written);
    EXPECT_EQ(result.path, flights() + kSep + "747-EDDF-KJFK.fp");
    EXPECT_EQ(readBytes(result.path), readBytes(golden("flight_747_eddf_kjfk.fp")));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(ProposedFlightName, PrefixFirstAndLastFourCharacters) {
    const std::tuple<Aircraft, const char*, const char*> cases[] = {
        {Aircraft::Pmdg747, "EDDF ABC UL610 DEF KJFK ", "747-EDDF-KJFK"},
        {Aircraft::Pmdg737, "  LOWW LOWI", "737-LOWW-LOWI"},
        {Aircraft::LevelD767, "ED", "767-ED-ED"},
        {Aircraft::Pss777, "EDD", "777-EDD-EDD"},
    };
    for (const auto& [aircraft, route, expected] : cases) {
        MainWindowData data;
        data.aircraft = aircraft;
        data.route = route;
        EXPECT_EQ(ProposedFlightName(data), expected) << route;
    }
}

TEST(WithFlightExtension, AppendsOnlyToNamesWithoutExtension) {
    const std::string cases[][2] = {
        {"flights/747-EDDF-KJFK", "flights/747-EDDF-KJFK.fp"},
        {"flights/747-EDDF-KJFK.fp", "flights/747-EDDF-KJFK.fp"},
        {"x/my.flights/tour", "x/my.flights/tour.fp"},  // a point in a folder name does not count
        {"x\\my.flights\\tour", "x\\my.flights\\tour.fp"},
        {"tour.bak", "tour.bak"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithFlightExtension(c[0]), c[1]);
    }
}

TEST_F(SavedFlightTest, SaveWithoutCalculationIsRefused) {
    data = sampleFlight();
    data.route = "   ";
    EXPECT_EQ(SaveFlight(context).status, SaveFlightStatus::Refused);
    data = sampleFlight();
    data.routeListing.clear();
    EXPECT_EQ(SaveFlight(context).status, SaveFlightStatus::Refused);
    EXPECT_EQ(prompts.messageTexts(),
              std::vector<std::string>(2, "You must calculate a flight first!"));
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(prompts.saveDialogs.empty());
}

TEST_F(SavedFlightTest, EmptyPrintTextIsSavedOnlyAfterYes) {
    data = sampleFlight();
    data.printText = "  ";
    prompts.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};

    EXPECT_EQ(SaveFlight(context).status, SaveFlightStatus::Refused);
    EXPECT_TRUE(prompts.saveDialogs.empty());
    expectOneMessage(prompts, MessageIcon::Question,
                     "You didn't copy the Flight-Data from the browser\r\nto the print-window!\r\n"
                     "Save anyway?");
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::YesNo);

    // Yes: the dialog, which is cancelled, so nothing is written.
    EXPECT_EQ(SaveFlight(context).status, SaveFlightStatus::Cancelled);
    EXPECT_EQ(prompts.saveDialogs.size(), 1u);
    EXPECT_EQ(readBytes(flights() + kSep + "747-EDDF-KJFK.fp"), "");
}

TEST_F(SavedFlightTest, FailedSaveNamesTheFile) {
    data = sampleFlight();
    const std::string path = folder.file("no such folder") + kSep + "x.fp";
    EXPECT_EQ(SaveFlightTo(context, path).status, SaveFlightStatus::Failed);
    expectOneMessage(prompts, MessageIcon::Critical, path, false);
}

TEST_F(SavedFlightTest, PrintTextAndRunwaysComeBackExactly) {
    MainWindowData saved = sampleFlight();
    saved.printText = "LINE 1\r\n\r\n  LINE 3, 4\r\n";
    saved.destinationRunways = {"04L 12079 ft", "22R, 12079 ft"};
    ASSERT_TRUE(writeSavedFlight(folder.file("round.fp"), saved).ok);
    ASSERT_EQ(LoadFlightFrom(context, folder.file("round.fp")), LoadFlightStatus::Loaded);
    EXPECT_EQ(data.printText, saved.printText);
    EXPECT_EQ(data.destinationRunways, saved.destinationRunways);
}

TEST_F(SavedFlightTest, LoadOffersTheFlightsFolderAndRestoresTheFile) {
    data = shownBeforeLoad();
    EXPECT_EQ(LoadFlight(context), LoadFlightStatus::Cancelled);  // no flights folder yet
    expectOneMessage(prompts, MessageIcon::Information, "No saved Flightplans found");
    EXPECT_TRUE(prompts.openDialogs.empty());

    ASSERT_TRUE(createFolder(flights()));
    EXPECT_EQ(LoadFlight(context), LoadFlightStatus::Cancelled);  // the dialog is cancelled
    expectRestored(shownBeforeLoad(), data);
    EXPECT_FALSE(data.saveEnabled);

    prompts = {};
    prompts.openAnswers.push_back(golden("flight_747_eddf_kjfk.fp"));
    EXPECT_EQ(LoadFlight(context), LoadFlightStatus::Loaded);

    ASSERT_EQ(prompts.openDialogs.size(), 1u);
    EXPECT_EQ(prompts.openDialogs[0].filter, "Flightplans (*.fp)|*.fp");
    EXPECT_EQ(prompts.openDialogs[0].initialFolder, flights() + kSep);
    EXPECT_TRUE(prompts.openDialogs[0].mustExist);
    MainWindowData expected = sampleFlight();
    expected.routeListing = {"ABC\t50.120667\t8.120667", "DEF\t50.033\t8.570"};
    expectRestored(expected, data);  // runways: an empty section gives an empty list
    EXPECT_TRUE(data.saveEnabled);
    EXPECT_FALSE(data.fuel[0].empty());  // emptied by the aircraft choice, then calculated
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SavedFlightTest, DamagedFilesLoadWhatTheyCan) {
    struct Case {
        const char* name;
        std::string bytes;
        std::function<void(MainWindowData&)> expect;  // changes to the state before load
    };
    const Case cases[] = {
        {"missing sections",
         "[ROUTE]\r\nEDDF KJFK \r\n[/ROUTE]\r\n\r\n[DISTANCE]\r\n3349\r\n[/DISTANCE]\r\n\r\n",
         [](MainWindowData& d) {
             d.route = "EDDF KJFK ";
             d.distance = "3349";
         }},
        {"no closing tags", "[FL]\r\n35000\r\n[RUNWAYS]\r\n04L\r\n22R\r\n",
         [](MainWindowData& d) {
             d.cruiseAltitude = "35000";
             d.destinationRunways = {"04L", "22R"};
         }},
        {"empty plan section", "[PLAN]\r\n[/PLAN]\r\n\r\n[ROUTE]\r\nLOWW LOWI\r\n",
         [](MainWindowData& d) { d.route = "LOWW LOWI"; }},
        {"plan without closing tag", "[PLAN]\r\nA\r\n\r\nB\r\n",
         [](MainWindowData& d) { d.printText = "A\r\n\r\nB\r\n"; }},
        {"single-line section at the end", "[WP]\r\n[/WP]\r\n[ROUTE]", [](MainWindowData&) {}},
        {"aircraft numbers with blanks", "[AC]\r\n 0 \r\n0\r\n 1\r\n0\r\n[/AC]\r\n",
         [](MainWindowData& d) { d.aircraft = Aircraft::LevelD767; }},
        {"aircraft section cut short", "[AC]\r\n0\r\n1\r\n[/AC]\r\n",
         [](MainWindowData& d) { d.aircraft = Aircraft::Pmdg747; }},
        // Each section is looked for from the start: the first opening tag wins.
        {"repeated sections",
         "[ROUTE]\r\nA\r\n[/ROUTE]\r\n[WP]\r\nC\r\n[/WP]\r\n[ROUTE]\r\nB\r\n[/ROUTE]\r\n"
         "[WP]\r\nD\r\n[/WP]\r\n",
         [](MainWindowData& d) {
             d.route = "A";
             d.routeListing = {"C"};
         }},
        {"bare line feeds", "[WP]\nA,1\n[/WP]\n[AC_WP]\nB,2\n",
         [](MainWindowData& d) {
             d.routeListing = {"A.1"};
             d.fmcLines = {"B,2"};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.file("damaged.fp");
        writeBytes(path, c.bytes);
        data = shownBeforeLoad();
        prompts.messages.clear();

        EXPECT_EQ(LoadFlightFrom(context, path), LoadFlightStatus::Loaded);

        // Lists and the plan text are emptied before their sections are looked for.
        MainWindowData expected = shownBeforeLoad();
        expected.planLines.clear();
        expected.fmcLines.clear();
        expected.routeListing.clear();
        expected.destinationRunways.clear();
        expected.printText.clear();
        c.expect(expected);
        expectRestored(expected, data);
        EXPECT_TRUE(data.saveEnabled);
        EXPECT_TRUE(prompts.messages.empty());
    }
}

TEST_F(SavedFlightTest, ForeignOrUnreadableFilesChangeNothing) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"binary garbage without line ends",
         std::string("PK\x03\x04\x00\xff\xfe[ROUTE\x00]\x01\x02", 16)},
        {"text without any section", "Hello\r\n[route]\r\n"},
        {"missing file", std::nullopt},
        {"far too large", std::string(17 * 1024 * 1024, 'x')},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const std::string path = folder.file(std::string(name) + ".fp");
        if (bytes) {
            writeBytes(path, *bytes);
        }
        data = shownBeforeLoad();
        prompts.messages.clear();

        EXPECT_EQ(LoadFlightFrom(context, path), LoadFlightStatus::Failed);

        expectRestored(shownBeforeLoad(), data);
        EXPECT_FALSE(data.saveEnabled);
        expectOneMessage(prompts, MessageIcon::Critical, path, false);
    }
}

}  // namespace
}  // namespace skyloom
