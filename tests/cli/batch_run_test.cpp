// The command line, and whole batch runs on a small program folder and database.

#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "io/file_system.h"
#include "io/text_util.h"
#include "support/test_paths.h"

namespace skyloom::cli {
namespace {

using skyloom::testing::readBytes;
using skyloom::testing::writeBytes;

// The batch runs below use the other options.
TEST(CliOptions, RouteWordsAreJoinedAndWrongCommandLinesAreUsageErrors) {
    ParseResult parsed = parseCommandLine(
        {"EDDF", "--fs-plan", "ABC", "--no-fs-plan", "--choose", "2, n,0", "KJFK"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->route, "EDDF ABC KJFK");
    EXPECT_EQ(parsed.options->createFsPlan, false);
    EXPECT_EQ(parsed.options->choices, (std::vector<std::string>{"2", "n", "0"}));
    EXPECT_EQ(parsed.options->cruise, "31000");
    for (const char* wrong : {"--aircraft 320", "--choose 1,x", "--frobnicate",
                              "--load-flight a.fp", "--find-route X"}) {
        std::vector<std::string> arguments = splitAt(wrong, ' ');
        arguments.insert(arguments.end(), {"EDDF", "KJFK"});
        parsed = parseCommandLine(arguments);
        EXPECT_FALSE(parsed.options) << wrong;
        EXPECT_FALSE(parsed.error.empty());
    }
    EXPECT_FALSE(parseCommandLine({}).options);
}

class BatchRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pathIni;
        for (const char* name : {"nav", "pmdg", "ivap", "fs", "leveld", "pss"}) {
            createFolder(root.file(name));
            pathIni += root.file(name) + kPathSeparator + "\r\n";
        }
        writeBytes(root.file("path.ini"), pathIni);
        writeBytes(file("nav", "airports.dat"), "EDDF 50.0 8.0\r\nEDDM 48.0 11.0\r\n");
        writeBytes(file("nav", "wpNavAPT.txt"), "MUNICH" + std::string(18, ' ') + "EDDM08L13123" +
                                                    std::string(24, ' ') + "108.70082    1487\r\n");
        writeBytes(file("nav", "wpNavRTE.txt"),
                   "Y1 1 AAA 49.5 9.0\r\nY1 2 BBB 49.0 10.0\r\nY1 3 CCC 48.5 10.5\r\n"
                   "Z9 1 TWIN 49.2 9.2\r\nZ8 1 TWIN 10.0 -60.0\r\n");
        for (const char* name : {"B737NG.dat", "B747PMDG.dat", "LevelD767.dat", "PSS777.dat"}) {
            writeBytes(root.file(name),
                       "TAXI=300\r\nCLIMB=90\r\nCRUISE=60\r\nDESCEND=20\r\nRESERVE=5000\r\n"
                       "GESAMT=26000\r\n");
        }
    }

    int run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--program-folder", root.path()});
        ParseResult parsed = parseCommandLine(arguments);
        EXPECT_TRUE(parsed.options) << parsed.error;
        std::istringstream in;
        out.str("");
        err.str("");
        return runBatch(*parsed.options, in, out, err, false);
    }
    std::string file(const std::string& folder, const std::string& name) const {
        return root.file(folder) + kPathSeparator + name;
    }
    bool written(const std::string& folder, const std::string& name) const {
        return fileExists(file(folder, name));
    }
    bool saysOnErr(const std::string& text) const {
        return err.str().find(text) != std::string::npos;
    }

    skyloom::testing::TempFolder root;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(BatchRunTest, PrintsTheReportOfACompleteCalculation) {
    EXPECT_EQ(run({"--cruise", "12000", "eddf", "AAA", "Y1", "CCC", "EDDM"}), kExitDone);
    EXPECT_EQ(err.str(), "");
    // AAA, the airway's inner point BBB, CCC: 170.32 nm; at 12000 ft climb and descent
    // take 6 min and 25.9 nm each, the cruise 15.8 min: 27 min, 1905 l plus the reserve.
    EXPECT_EQ(out.str(),
              "AAA\tN 49.500000\tE 9.000000\nBBB\tN 49.000000\tE 10.000000\n"
              "CCC\tN 48.500000\tE 10.500000\nDistance: 170 nm\nDuration: 0:27\n"
              "Fuel: 6905 litres, 6.52 tonnes, 26.6 %\nRunways at MUNICH\n"
              "RWy 08L - Frq: 108.70 - Head: 082\xC2\xB0 - Len: 13123 ft. - Elev: 1487 ft.\n");
}

// EDDF joins AAA (49 nm) only, EDDM CCC (36 nm) only; Y1 over BBB (85 nm)
// beats the direct leg AAA CCC (84 nm at one and a half times the cost).
TEST_F(BatchRunTest, FindsTheRouteAndCalculatesItWithACalculationOption) {
    EXPECT_EQ(run({"--find-route", "eddf", "EDDM"}), kExitDone);
    EXPECT_EQ(out.str(), "EDDF AAA Y1 CCC EDDM\n170 nm, 2 airway legs, 2 direct legs\n");
    EXPECT_EQ(run({"--find-route", "EDDF", "EDDM", "--cruise", "12000"}), kExitDone);
    EXPECT_EQ(out.str().substr(0, 80),
              "EDDF AAA Y1 CCC EDDM\n170 nm, 2 airway legs, 2 direct legs\n\nAAA\tN 49.500000\tE "
              "9.0");
    EXPECT_NE(out.str().find("Duration: 0:27\n"), std::string::npos);
    EXPECT_EQ(run({"--find-route", "EDDF", "EDXX"}), kExitStopped);
    EXPECT_EQ(err.str(), "Airport 'EDXX' not found.\n");
}

// The aircraft comes from AC.ini (never written) unless the command line names
// one; check.ini decides on the FS9 plan unless the command line does.
TEST_F(BatchRunTest, SavesTheFilesOfTheChosenAircraftAndNamesThem) {
    EXPECT_EQ(run({"--aircraft", "747", "--save", "eddf-eddm", "EDDF", "EDDM"}), kExitDone);
    EXPECT_NE(out.str().find("Wrote " + utf8From1252(file("pmdg", "747-EDDF-EDDM.rte")) +
                             "\nWrote " + utf8From1252(file("fs", "EDDF-EDDM.pln")) + "\n"),
              std::string::npos);
    EXPECT_EQ(err.str(), "Flightplan(s) saved!\n");
    writeBytes(root.file("check.ini"), "0\r\n");
    writeBytes(root.file("AC.ini"), "0\r\n0\r\n1\r\n0\r\n");
    EXPECT_EQ(run({"--save", "y", "EDDF", "EDDM"}), kExitDone);
    EXPECT_TRUE(written("leveld", "Y.rte"));
    EXPECT_FALSE(written("fs", "Y.pln"));
    // "only FS-Plan" makes the plan even where check.ini turned it off.
    EXPECT_EQ(run({"--aircraft", "777", "--only-fs-plan", "--save", "x", "EDDF", "EDDM"}),
              kExitDone);
    EXPECT_FALSE(written("pss", "X.b2r"));
    EXPECT_TRUE(written("fs", "X.pln"));
    EXPECT_EQ(run({"--aircraft", "737", "--save", "b", "EDDF", "EDDM"}), kExitDone);
    EXPECT_TRUE(written("pmdg", "737-B.rte"));
    EXPECT_EQ(readBytes(root.file("AC.ini")), "0\r\n0\r\n1\r\n0\r\n");
}

TEST_F(BatchRunTest, StopsWithStatusOneOrGoesOnAfterAMessage) {
    EXPECT_EQ(run({"EDDF", "KJFK"}), kExitStopped);
    EXPECT_EQ(err.str(), "Destination Airport' KJFK' not found!\n");
    EXPECT_EQ(out.str(), "");

    std::filesystem::remove(toNativePath(root.file("ivap")));
    EXPECT_EQ(run({"EDDF", "EDDM"}), kExitDone);
    EXPECT_EQ(err.str(),
              "Please check the 3rd line in the path.ini! - Wrong Path To IVAP-Flightplans!\n"
              "There have been one or more errors in the path.ini.\nPlease set the paths "
              "properly!\n");
    std::filesystem::remove(toNativePath(root.file("pmdg")));
    EXPECT_EQ(run({"--save", "n", "EDDF", "EDDM"}), kExitStopped);
    EXPECT_TRUE(saysOnErr(root.file("pmdg")));
    EXPECT_FALSE(saysOnErr("Flightplan(s) saved!"));
    std::filesystem::remove(toNativePath(root.file("path.ini")));
    EXPECT_EQ(run({"EDDF", "EDDM"}), kExitStopped);
    EXPECT_TRUE(saysOnErr("There is no path.ini in the program folder '" + root.path() + "'"));
}

TEST_F(BatchRunTest, UnresolvedElementsGiveStatusThreeAndChoicesAreAnsweredInOrder) {
    EXPECT_EQ(run({"EDDF", "AAA", "NOWHERE", "EDDM"}), kExitIncomplete);
    EXPECT_EQ(err.str(),
              "One or more Waypoints or Airways not found during calculation.\n1. NOWHERE\n\n");
    EXPECT_EQ(run({"EDDF", "AAA", "Y1", "ZZZ", "EDDM"}), kExitIncomplete);
    EXPECT_TRUE(saysOnErr("The waypoint 'ZZZ' cannot be found on the airway 'Y1'\n"));
    // TWIN lies at two places: "2" takes the second line, "n" the one nearest AAA.
    EXPECT_EQ(run({"--choose", "2,n", "EDDF", "TWIN", "AAA", "TWIN", "EDDM"}), kExitDone);
    EXPECT_EQ(out.str().substr(0, out.str().find("Distance")),
              "TWIN\tN 10.000000\tW 60.000000\nAAA\tN 49.500000\tE 9.000000\n"
              "TWIN\tN 49.200000\tE 9.200000\n");
    // "0", or no answers left and no terminal: the choice is cancelled.
    EXPECT_EQ(run({"--choose", "0", "EDDF", "AAA", "TWIN", "EDDM"}), kExitIncomplete);
    EXPECT_EQ(run({"EDDF", "AAA", "TWIN", "EDDM"}), kExitIncomplete);
    EXPECT_TRUE(saysOnErr("1. TWIN"));
}

TEST_F(BatchRunTest, ASavedFlightLoadsBackToTheSameReportAndFiles) {
    const std::string flight = root.file("trip.fp");
    ASSERT_EQ(run({"--aircraft", "747", "--cruise", "12000", "--save", "first", "--save-flight",
                   flight, "EDDF", "AAA", "Y1", "CCC", "EDDM"}),
              kExitDone);
    const std::string report = out.str();
    EXPECT_NE(report.find("Wrote " + utf8From1252(flight) + "\n"), std::string::npos);
    // A different aircraft on the command line: the flight brings back its own.
    ASSERT_EQ(run({"--aircraft", "767", "--load-flight", flight, "--save", "second", "--msfs-pln",
                   root.file("trip.pln"), "--xplane-fms", root.file("trip.fms")}),
              kExitDone);
    EXPECT_EQ(readBytes(root.file("trip.fms")).substr(0, 19), "I\r\n1100 Version\r\nCY");
    EXPECT_EQ(readBytes(root.file("trip.pln")).substr(0, 8), "\xEF\xBB\xBF<?xml");
    EXPECT_EQ(out.str().substr(0, out.str().find("Wrote")), report.substr(0, report.find("Wrote")));
    EXPECT_NE(out.str().find("\nWrote " + utf8From1252(root.file("trip.fms")) + "\nWrote " +
                             utf8From1252(root.file("trip.pln")) + "\n"),
              std::string::npos);
    EXPECT_EQ(readBytes(file("pmdg", "747-SECOND.rte")), readBytes(file("pmdg", "747-FIRST.rte")));
    EXPECT_EQ(readBytes(file("fs", "SECOND.pln")), readBytes(file("fs", "FIRST.pln")));

    EXPECT_EQ(run({"--load-flight", root.file("missing.fp")}), kExitStopped);
    EXPECT_TRUE(out.str().empty() && saysOnErr("missing.fp"));
    // Nothing to save without a waypoint in the listing.
    EXPECT_EQ(run({"--save-flight", root.file("empty.fp"), "EDDF", "EDDM"}), kExitStopped);
}

}  // namespace
}  // namespace skyloom::cli
