// The X-Plane and MSFS plans: a golden route written by hand in both formats,
// the same files after the flight is saved and loaded again; the grammar every
// written file keeps; the rounding of positions. (The window test writes both
// plans under a locale with decimal commas and compares them with skyloom-cli's.)

#include <gtest/gtest.h>

#include <regex>

#include "commands/flights.h"
#include "commands/sim_plan_export.h"
#include "commands/trip.h"
#include "formats/flight_test_support.h"
#include "formats/msfs_pln.h"
#include "formats/xplane_fms.h"
#include "io/text_util.h"

namespace skyloom {
namespace {

using testing::readBytes;

std::vector<std::string> fileLines(const std::string& bytes) {
    std::vector<std::string> lines = splitAt(bytes, kCrLf);
    EXPECT_EQ(lines.back(), "") << "every line ends with CR LF";
    lines.pop_back();
    return lines;
}

// Line 3 names the cycle, NUMENR counts the waypoint lines, and each of those
// has six fields with numbers of six decimals.
void expectXPlaneGrammar(const std::string& bytes) {
    const std::vector<std::string> lines = fileLines(bytes);
    ASSERT_GE(lines.size(), 8u);
    EXPECT_TRUE(std::regex_match(lines[2], std::regex("CYCLE [0-9]{4}")));
    EXPECT_EQ(lines[5], "NUMENR " + std::to_string(lines.size() - 6));
    const std::regex point(
        "(1|2|3|11|28) \\S+ \\S+ -?[0-9]+\\.[0-9]{6} -?[0-9]+\\.[0-9]{6} -?[0-9]+\\.[0-9]{6}");
    for (std::size_t i = 6; i < lines.size(); ++i) {
        EXPECT_TRUE(std::regex_match(lines[i], point)) << lines[i];
    }
}

// Well-formed: every element closed in order; every position in its pattern.
void expectMsfsGrammar(const std::string& bytes) {
    ASSERT_EQ(bytes.rfind("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", 0), 0u);
    const std::regex tag("<(/?)([A-Za-z.]+)[^<>]*?(/?)>");
    std::vector<std::string> open;
    const std::string body = bytes.substr(bytes.find("?>") + 2);
    for (auto it = std::sregex_iterator(body.begin(), body.end(), tag);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[1] == "/") {
            ASSERT_FALSE(open.empty()) << m[0];
            EXPECT_EQ(open.back(), m[2].str());
            open.pop_back();
        } else if (m[3] != "/") {
            open.push_back(m[2]);
        }
    }
    EXPECT_TRUE(open.empty());
    const std::regex lla("<(WorldPosition|DepartureLLA|DestinationLLA)>([^<]*)<");
    const std::regex position(
        "[NS][0-9]{1,2}\xC2\xB0 [0-9]{1,2}' [0-9]{1,2}\\.[0-9]{2}\","
        "[EW][0-9]{1,3}\xC2\xB0 [0-9]{1,2}' [0-9]{1,2}\\.[0-9]{2}\",[+-][0-9]{6}\\.[0-9]{2}");
    int positions = 0;
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), lla);
         it != std::sregex_iterator(); ++it, ++positions) {
        EXPECT_TRUE(std::regex_match((*it)[2].str(), position)) << (*it)[2];
    }
    EXPECT_GE(positions, 4);
}

struct SimPlanFiles : ::testing::Test {
    void SetUp() override {
        trip.settings.pathNavData = testing::testDataPath({"simplan", "nav"}) + kPathSeparator;
        trip.settings.programFolder = folder.path();
        trip.data.cruiseAltitude = "35000";
        ASSERT_TRUE(trip.calculate().completed);
    }
    // Both formats, written by the export command; their bytes.
    std::pair<std::string, std::string> exportBoth(const std::string& name) {
        CommandContext context{trip.settings, trip.data, trip.prompts};
        std::pair<std::string, std::string> bytes;
        for (const SimPlanFormat& format : kSimPlanFormats) {
            const std::string path = folder.file(name + format.extension);
            EXPECT_EQ(ExportSimPlanTo(context, format, path).status, ExportStatus::Written);
            (format.extension == std::string(".fms") ? bytes.first : bytes.second) =
                readBytes(path);
        }
        return bytes;
    }
    testing::Trip trip{"EDDF TAU T161 ASKIK DO GIBSA EDDM"};
    testing::TempFolder folder;
};

TEST_F(SimPlanFiles, CalculatedAndLoadedFlightsGiveTheHandWrittenFiles) {
    const std::string expected = testing::testDataPath({"simplan", "expected"}) + kPathSeparator;
    const auto calculated = exportBoth("calculated");
    EXPECT_EQ(calculated.first, readBytes(expected + "EDDF-EDDM.fms"));
    EXPECT_EQ(calculated.second, readBytes(expected + "EDDF-EDDM.pln"));

    CommandContext context{trip.settings, trip.data, trip.prompts};
    ASSERT_EQ(SaveFlightTo(context, folder.file("flight.fp")).status, SaveFlightStatus::Written);
    trip.data = MainWindowData{};
    ASSERT_EQ(LoadFlightFrom(context, folder.file("flight.fp")), LoadFlightStatus::Loaded);
    EXPECT_TRUE(trip.data.resolvedRoute.empty());
    EXPECT_EQ(exportBoth("loaded"), calculated);
    expectXPlaneGrammar(calculated.first);
    expectMsfsGrammar(calculated.second);
}

TEST(SimPlanGrammar, EveryHemisphereAndKindKeepsTheGrammar) {
    SimPlan plan{{"SBGR", -23.435556, -46.473056, 2461.0},
                 {"YSSY", -33.946111, 151.177222, 21.0},
                 {{"5320N", "", -0.0000001, -179.9999999},
                  {"A&B<C", "UL 9", 59.9999999, 0.0},
                  {"X", "NATA", -89.5, 180.0},
                  {"LONGNAME", "", 12.345678, -12.345678}},
                 41000.0,
                 kFallbackCycle};
    std::string fms;
    for (const std::string& line : XPlaneFmsLines(plan)) {
        fms += line + kCrLf;
    }
    expectXPlaneGrammar(fms);
    std::string pln;
    for (const std::string& line : MsfsPlnLines(plan)) {
        pln += line + kCrLf;
    }
    expectMsfsGrammar(pln);
    EXPECT_NE(fms.find("\r\n28 5320N DRCT 41000.000000 0.000000 -180.000000\r\n"),
              std::string::npos);
    EXPECT_NE(fms.find("\r\n11 A&B<C UL_9 "), std::string::npos);
    EXPECT_NE(pln.find("<ATCWaypoint id=\"A&amp;B&lt;C\">"), std::string::npos);
}

TEST(SimPlanGrammar, PositionsRoundOnceAndChooseTheHemisphereAfterwards) {
    const double almost48 = 47.0 + 59.0 / 60.0 + 59.996 / 3600.0;
    const std::tuple<double, double, double, std::string> rows[] = {
        {almost48, -almost48, 364.0, "N48\xC2\xB0 0' 0.00\",W48\xC2\xB0 0' 0.00\",+000364.00"},
        {-0.0000001, -0.0000001, -12.3, "N0\xC2\xB0 0' 0.00\",E0\xC2\xB0 0' 0.00\",-000012.30"},
        {50.0233333, 8.5705556, 0.004, "N50\xC2\xB0 1' 24.00\",E8\xC2\xB0 34' 14.00\",+000000.00"},
        {-33.946111, 151.177222, 35000.0,
         "S33\xC2\xB0 56' 46.00\",E151\xC2\xB0 10' 38.00\",+035000.00"},
    };
    for (const auto& [latitude, longitude, altitude, text] : rows) {
        EXPECT_EQ(MsfsPosition(latitude, longitude, altitude), text) << text;
    }
}

TEST_F(SimPlanFiles, TheSaveDialogRemembersItsFolderAndNoFlightIsRefused) {
    CommandContext context{trip.settings, trip.data, trip.prompts};
    const SimPlanFormat& xplane = *SimPlanFormatFor(".fms");
    const std::string chosen = folder.file("EDDF-EDDM.fms");
    trip.prompts.saveAnswers = {chosen, std::nullopt};
    EXPECT_EQ(ExportSimPlan(context, xplane).status, ExportStatus::Written);
    EXPECT_EQ(trip.prompts.saveDialogs[0].proposedName, "EDDF-EDDM.fms");
    EXPECT_EQ(ExportSimPlan(context, xplane).status, ExportStatus::Cancelled);
    EXPECT_EQ(trip.prompts.saveDialogs[1].initialFolder, folder.path() + kPathSeparator);
    EXPECT_NE(trip.prompts.saveDialogs[0].initialFolder, trip.prompts.saveDialogs[1].initialFolder);

    trip.data.routeListing.clear();  // a new aircraft empties the listing
    EXPECT_EQ(ExportSimPlan(context, *SimPlanFormatFor(".pln")).status, ExportStatus::Refused);
    EXPECT_EQ(trip.prompts.messageTexts().back(), "You must calculate a flight first!");
    EXPECT_EQ(trip.prompts.saveDialogs.size(), 2u);
}

}  // namespace
}  // namespace skyloom
