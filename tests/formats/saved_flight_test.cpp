#include "commands/flights.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <tuple>

#include "formats/flight_test_support.h"
#include "io/file_system.h"

namespace skyloom {
namespace {

using testing::expectOneMessage;
using testing::golden;
using testing::kSep;
using testing::readBytes;
using testing::writeBytes;

const std::string kGolden = golden("flight_747_eddf_kjfk.fp");

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
    data.route = data.cruiseAltitude = data.printText = "old";
    data.distance = "4000";
    data.planLines = data.fmcLines = data.routeListing = data.destinationRunways = {"old"};
    return data;
}

auto restored(const MainWindowData& d) {
    return std::tie(d.route, d.planLines, d.fmcLines, d.routeListing, d.aircraft, d.cruiseAltitude,
                    d.printText, d.distance, d.destinationRunways);
}

class SavedFlightTest : public ::testing::Test, public testing::ProgramFixture {
  protected:
    std::string flights() const { return folder.file("flights") + kSep; }
};

TEST_F(SavedFlightTest, SaveProposesANameInTheFlightsFolderAndWritesTheSections) {
    data = sampleFlight();
    prompts.saveAnswers.push_back(flights() + "747-EDDF-KJFK");
    SaveFlightResult result = SaveFlight(context);
    ASSERT_EQ(prompts.saveDialogs.size(), 1u);
    const FileDialog& dialog = prompts.saveDialogs[0];
    EXPECT_EQ(std::tie(dialog.filter, dialog.initialFolder, dialog.proposedName),
              std::make_tuple("Flightplans (*.fp)|*.fp", flights(), "747-EDDF-KJFK"));
    EXPECT_TRUE(dialog.warnOnOverwrite);
    EXPECT_EQ(result.status, SaveFlightStatus::Written);
    EXPECT_EQ(result.path, flights() + "747-EDDF-KJFK.fp");
    EXPECT_EQ(readBytes(result.path), readBytes(kGolden));
    EXPECT_TRUE(prompts.messages.empty());

    // A point in a folder's name does not count.
    EXPECT_EQ(WithFlightExtension("x/my.flights/tour"), "x/my.flights/tour.fp");
    EXPECT_EQ(WithFlightExtension("tour.bak"), "tour.bak");
}

TEST_F(SavedFlightTest, SaveIsRefusedWithoutACalculationAndAnEmptyPlanNeedsAYes) {
    data = sampleFlight();
    data.routeListing.clear();
    EXPECT_EQ(SaveFlight(context).status, SaveFlightStatus::Refused);
    expectOneMessage(prompts, MessageIcon::Information, "You must calculate a flight first!");

    data = sampleFlight();
    data.printText = "  ";
    prompts = {};
    prompts.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(SaveFlight(context).status, SaveFlightStatus::Refused);
    EXPECT_TRUE(prompts.saveDialogs.empty());
    expectOneMessage(prompts, MessageIcon::Question,
                     "You didn't copy the Flight-Data from the browser\r\nto the print-window!\r\n"
                     "Save anyway?");
    EXPECT_EQ(SaveFlight(context).status, SaveFlightStatus::Cancelled);  // Yes, then no name
    EXPECT_EQ(prompts.saveDialogs.size(), 1u);

    data = sampleFlight();
    prompts = {};
    const std::string path = folder.file("no such folder") + kSep + "x.fp";
    EXPECT_EQ(SaveFlightTo(context, path).status, SaveFlightStatus::Failed);
    expectOneMessage(prompts, MessageIcon::Critical, path, false);
}

// The flights folder removed by someone else while the save dialog was open.
TEST_F(SavedFlightTest, AFolderRemovedAfterTheDialogIsNamedAndNothingIsLeft) {
    struct RemovingPrompts : testing::ScriptedPrompts {
        std::string folder;
        Answer saveFile(const FileDialog& dialog) override {
            std::filesystem::remove_all(toNativePath(folder));
            return ScriptedPrompts::saveFile(dialog);
        }
    } removing;
    removing.folder = folder.file("flights");
    removing.saveAnswers.push_back(flights() + "747-EDDF-KJFK");
    data = sampleFlight();
    CommandContext removingContext{settings, data, removing};
    const SaveFlightResult result = SaveFlight(removingContext);
    EXPECT_EQ(result.status, SaveFlightStatus::Failed);
    expectOneMessage(removing, MessageIcon::Critical,
                     "The flight could not be saved to " + result.path + ".\r\nThe file '" +
                         result.path + "' could not be created.");
    EXPECT_FALSE(folderExists(removing.folder));
}

TEST_F(SavedFlightTest, RoundTripKeepsPrintTextAndRunwaysExactly) {
    MainWindowData saved = sampleFlight();
    saved.printText = "LINE 1\r\n\r\n  LINE 3, 4\r\n";
    saved.destinationRunways = {"04L 12079 ft", "22R, 12079 ft"};
    ASSERT_TRUE(writeSavedFlight(folder.file("round.fp"), saved).ok);
    ASSERT_EQ(LoadFlightFrom(context, folder.file("round.fp")), LoadFlightStatus::Loaded);
    saved.routeListing = {"ABC\t50.120667\t8.120667", "DEF\t50.033\t8.570"};  // commas: points
    EXPECT_EQ(restored(data), restored(saved));
}

TEST_F(SavedFlightTest, LoadOffersTheFlightsFolderAndRestoresTheFile) {
    data = shownBeforeLoad();
    EXPECT_EQ(LoadFlight(context), LoadFlightStatus::Cancelled);  // no flights folder yet
    expectOneMessage(prompts, MessageIcon::Information, "No saved Flightplans found");
    EXPECT_TRUE(prompts.openDialogs.empty());

    ASSERT_TRUE(createFolder(flights()));
    prompts = {};
    prompts.openAnswers = {std::nullopt, kGolden};
    EXPECT_EQ(LoadFlight(context), LoadFlightStatus::Cancelled);
    EXPECT_EQ(restored(data), restored(shownBeforeLoad()));
    EXPECT_FALSE(data.saveEnabled);
    EXPECT_EQ(LoadFlight(context), LoadFlightStatus::Loaded);
    const FileDialog& dialog = prompts.openDialogs.at(1);
    EXPECT_EQ(std::tie(dialog.filter, dialog.initialFolder),
              std::make_tuple("Flightplans (*.fp)|*.fp", flights()));
    EXPECT_TRUE(dialog.mustExist);
    MainWindowData expected = sampleFlight();
    expected.routeListing = {"ABC\t50.120667\t8.120667", "DEF\t50.033\t8.570"};
    EXPECT_EQ(restored(data), restored(expected));  // an empty runway section: an empty list
    EXPECT_TRUE(data.saveEnabled);
    EXPECT_FALSE(data.fuel[0].empty());  // emptied by the aircraft choice, then calculated
    EXPECT_TRUE(prompts.messages.empty());
}

// Lists and the plan text are emptied before their sections are looked for;
// each section is looked for from the start, so the first opening tag wins; a
// section without its closing tag runs to the end of the file.
TEST_F(SavedFlightTest, DamagedFilesLoadWhatTheyCan) {
    MainWindowData expected = shownBeforeLoad();
    expected.planLines = expected.fmcLines = {};
    expected.printText.clear();
    expected.route = "A";
    expected.routeListing = {"A.1"};
    expected.aircraft = Aircraft::LevelD767;
    expected.cruiseAltitude = "35000";
    expected.destinationRunways = {"04L", "22R"};
    const std::string path = folder.file("damaged.fp");
    writeBytes(
        path,
        "[ROUTE]\r\nA\r\n[/ROUTE]\r\n[WP]\nA,1\n[/WP]\n[ROUTE]\r\nB\r\n[/ROUTE]\r\n"
        "[AC]\r\n 0 \r\n0\r\n 1\r\n0\r\n[/AC]\r\n[FL]\r\n35000\r\n[RUNWAYS]\r\n04L\r\n22R\r\n");
    data = shownBeforeLoad();
    EXPECT_EQ(LoadFlightFrom(context, path), LoadFlightStatus::Loaded);
    EXPECT_EQ(restored(data), restored(expected));

    writeBytes(path, "[AC_WP]\nB,2\n[/AC_WP]\n[PLAN]\r\nA\r\n\r\nB\r\n");
    EXPECT_EQ(LoadFlightFrom(context, path), LoadFlightStatus::Loaded);
    expected.routeListing = expected.destinationRunways = {};
    expected.fmcLines = {"B,2"};
    expected.printText = "A\r\n\r\nB\r\n";
    EXPECT_EQ(restored(data), restored(expected));
    EXPECT_TRUE(data.saveEnabled);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SavedFlightTest, ForeignOrUnreadableFilesChangeNothing) {
    const std::optional<std::string> cases[] = {
        std::string("PK\x03\x04\x00\xff\xfe[ROUTE\x00]\x01\x02", 16),
        "Hello\r\n[route]\r\n",  // no section
        std::nullopt,            // no file
        std::string(17 * 1024 * 1024, 'x'),
    };
    for (const auto& bytes : cases) {
        const std::string path = folder.file("foreign.fp");
        std::filesystem::remove(toNativePath(path));
        if (bytes) {
            writeBytes(path, *bytes);
        }
        data = shownBeforeLoad();
        prompts = {};
        EXPECT_EQ(LoadFlightFrom(context, path), LoadFlightStatus::Failed);
        EXPECT_EQ(restored(data), restored(shownBeforeLoad()));
        EXPECT_FALSE(data.saveEnabled);
        expectOneMessage(prompts, MessageIcon::Critical, path, false);
    }
}

}  // namespace
}  // namespace skyloom
