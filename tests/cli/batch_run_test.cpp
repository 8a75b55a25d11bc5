// Whole runs of the batch command on a small program folder and navigation
// database written by the test.

#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "io/file_system.h"
#include "support/test_paths.h"

namespace skyloom::cli {
namespace {

using skyloom::testing::readBytes;
using skyloom::testing::TempFolder;
using skyloom::testing::writeBytes;

class BatchRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"nav", "pmdg", "ivap", "fs", "leveld", "pss"}) {
            createFolder(root.file(name));
        }
        writeBytes(root.file("nav") + kPathSeparator + "airports.dat",
                   "EDDF 50.0 8.0\r\nEDDM 48.0 11.0\r\n");
        writeBytes(root.file("nav") + kPathSeparator + "wpNavAPT.txt",
                   "MUNICH" + std::string(18, ' ') + "EDDM08L13123" + std::string(24, ' ') +
                       "108.70082    1487\r\n");
        writeBytes(root.file("nav") + kPathSeparator + "wpNavRTE.txt",
                   "Y1 1 AAA 49.5 9.0\r\n"
                   "Y1 2 BBB 49.0 10.0\r\n"
                   "Y1 3 CCC 48.5 10.5\r\n"
                   "Z9 1 TWIN 49.2 9.2\r\n"
                   "Z8 1 TWIN 10.0 -60.0\r\n");
        std::string pathIni;
        for (const char* name : {"nav", "pmdg", "ivap", "fs", "leveld", "pss"}) {
            pathIni += root.file(name) + kPathSeparator + "\r\n";
        }
        writeBytes(root.file("path.ini"), pathIni);
        const std::string performance =
            "TAXI=300\r\nCLIMB=90\r\nCRUISE=60\r\nDESCEND=20\r\nRESERVE=5000\r\nGESAMT=26000\r\n";
        for (const char* name : {"B737NG.dat", "B747PMDG.dat", "LevelD767.dat", "PSS777.dat"}) {
            writeBytes(root.file(name), performance);
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

    std::string output(const std::string& folder, const std::string& name) {
        return readBytes(root.file(folder) + kPathSeparator + name);
    }

    TempFolder root;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(BatchRunTest, PrintsTheReportOfACompleteCalculation) {
    EXPECT_EQ(run({"--cruise", "12000", "eddf", "AAA", "Y1", "CCC", "EDDM"}), kExitDone);
    EXPECT_EQ(err.str(), "");
    // Listing: AAA, the airway's inner point BBB, then CCC. The four legs add up to
    // 170.32 nm; at 12000 ft climb and descent take 6 min and 25.9 nm each, the
    // cruise 118.2 nm or 15.8 min: 27 min, 1905 l trip fuel plus the reserve.
    const std::string expected =
        "AAA\tN 49.500000\tE 9.000000\n"
        "BBB\tN 49.000000\tE 10.000000\n"
        "CCC\tN 48.500000\tE 10.500000\n"
        "Distance: 170 nm\n"
        "Duration: 0:27\n"
        "Fuel: 6905 litres, 6.52 tonnes, 26.6 %\n"
        "Runways at MUNICH\n"
        "RWy 08L - Frq: 108.70 - Head: 082\xC2\xB0 - Len: 13123 ft. - Elev: 1487 ft.\n";
    EXPECT_EQ(out.str(), expected);
}

TEST_F(BatchRunTest, SavesTheFilesOfTheChosenAircraftAndNamesThem) {
    EXPECT_EQ(run({"--aircraft", "747", "--save", "eddf-eddm", "EDDF", "EDDM"}), kExitDone);
    const std::string pmdg = root.file("pmdg") + kPathSeparator + "747-EDDF-EDDM.rte";
    const std::string plan = root.file("fs") + kPathSeparator + "EDDF-EDDM.pln";
    EXPECT_NE(
        out.str().find("Wrote " + utf8From1252(pmdg) + "\nWrote " + utf8From1252(plan) + "\n"),
        std::string::npos);
    EXPECT_EQ(err.str(), "Flightplan(s) saved!\n");

    EXPECT_EQ(run({"--aircraft", "777", "--only-fs-plan", "--save", "x", "EDDF", "EDDM"}),
              kExitDone);
    EXPECT_FALSE(fileExists(root.file("pss") + kPathSeparator + "X.b2r"));
    EXPECT_TRUE(fileExists(root.file("fs") + kPathSeparator + "X.pln"));

    writeBytes(root.file("check.ini"), "0\r\n");
    EXPECT_EQ(run({"--aircraft", "767", "--save", "y", "EDDF", "EDDM"}), kExitDone);
    EXPECT_TRUE(fileExists(root.file("leveld") + kPathSeparator + "Y.rte"));
    EXPECT_FALSE(fileExists(root.file("fs") + kPathSeparator + "Y.pln"));
}

TEST_F(BatchRunTest, TheAircraftComesFromAcIniUnlessTheCommandLineNamesOne) {
    writeBytes(root.file("AC.ini"), "0\r\n0\r\n0\r\n1\r\n");
    EXPECT_EQ(run({"--save", "a", "EDDF", "EDDM"}), kExitDone);
    EXPECT_TRUE(fileExists(root.file("pss") + kPathSeparator + "A.b2r"));
    EXPECT_EQ(run({"--aircraft", "737", "--save", "b", "EDDF", "EDDM"}), kExitDone);
    EXPECT_TRUE(fileExists(root.file("pmdg") + kPathSeparator + "737-B.rte"));
    EXPECT_EQ(readBytes(root.file("AC.ini")), "0\r\n0\r\n0\r\n1\r\n");  // never written
}

TEST_F(BatchRunTest, StopsWithStatusOneAndAMessage) {
    EXPECT_EQ(run({"EDDF", "KJFK"}), kExitStopped);
    EXPECT_EQ(err.str(), "Destination Airport' KJFK' not found!\n");
    EXPECT_EQ(out.str(), "");

    EXPECT_EQ(run({" "}), kExitStopped);

    EXPECT_EQ(run({"--save", "../escape", "EDDF", "EDDM"}), kExitStopped);
    EXPECT_NE(err.str().find("'../ESCAPE' cannot be used as a file name"), std::string::npos);

    std::filesystem::remove(toNativePath(root.file("pmdg")));
    EXPECT_EQ(run({"--save", "n", "EDDF", "EDDM"}), kExitStopped);
    EXPECT_NE(err.str().find(root.file("pmdg")), std::string::npos);
    EXPECT_EQ(err.str().find("Flightplan(s) saved!"), std::string::npos);

    std::filesystem::remove(toNativePath(root.file("path.ini")));
    EXPECT_EQ(run({"EDDF", "EDDM"}), kExitStopped);
    EXPECT_NE(err.str().find("There is no path.ini in the program folder '" + root.path() + "'"),
              std::string::npos);
}

TEST_F(BatchRunTest, UnresolvedElementsAndAirwayMessagesGiveStatusThree) {
    EXPECT_EQ(run({"EDDF", "AAA", "NOWHERE", "EDDM"}), kExitIncomplete);
    EXPECT_EQ(err.str(),
              "One or more Waypoints or Airways not found during calculation.\n1. NOWHERE\n\n");

    EXPECT_EQ(run({"EDDF", "AAA", "Y1", "ZZZ", "EDDM"}), kExitIncomplete);
    EXPECT_NE(err.str().find("The waypoint 'ZZZ' cannot be found on the airway 'Y1'\n"),
              std::string::npos);
}

TEST_F(BatchRunTest, TheChoiceListAnswersTheWaypointChoiceInOrder) {
    // TWIN lies at two places; AAA precedes it, so the first TWIN is the near one.
    EXPECT_EQ(run({"--choose", "2", "EDDF", "AAA", "TWIN", "EDDM"}), kExitDone);
    EXPECT_NE(out.str().find("TWIN\tN 10.000000\tW 60.000000\n"), std::string::npos);
    EXPECT_EQ(run({"--choose", "n", "EDDF", "AAA", "TWIN", "EDDM"}), kExitDone);
    EXPECT_NE(out.str().find("TWIN\tN 49.200000\tE 9.200000\n"), std::string::npos);
    EXPECT_EQ(run({"--choose", "0", "EDDF", "AAA", "TWIN", "EDDM"}), kExitIncomplete);
    // Two windows take the answers in the order given.
    EXPECT_EQ(run({"--choose", "2,1", "EDDF", "TWIN", "AAA", "TWIN", "EDDM"}), kExitDone);
    EXPECT_EQ(out.str().substr(0, out.str().find("Distance")),
              "TWIN\tN 10.000000\tW 60.000000\nAAA\tN 49.500000\tE 9.000000\n"
              "TWIN\tN 49.200000\tE 9.200000\n");
    // No answers left and no terminal: the choice is cancelled.
    EXPECT_EQ(run({"EDDF", "AAA", "TWIN", "EDDM"}), kExitIncomplete);
    EXPECT_NE(err.str().find("1. TWIN"), std::string::npos);
}

TEST_F(BatchRunTest, PathCheckMessagesArePrintedAndTheRunGoesOn) {
    std::filesystem::remove(toNativePath(root.file("ivap")));
    EXPECT_EQ(run({"EDDF", "EDDM"}), kExitDone);
    EXPECT_EQ(err.str(),
              "Please check the 3rd line in the path.ini! - Wrong Path To IVAP-Flightplans!\n"
              "There have been one or more errors in the path.ini.\nPlease set the paths "
              "properly!\n");
}

TEST_F(BatchRunTest, ASavedFlightLoadsBackToTheSameReportAndFiles) {
    const std::string flight = root.file("trip.fp");
    ASSERT_EQ(run({"--aircraft", "747", "--cruise", "12000", "--save", "first", "--save-flight",
                   flight, "EDDF", "AAA", "Y1", "CCC", "EDDM"}),
              kExitDone);
    const std::string calculatedReport = out.str();
    EXPECT_NE(calculatedReport.find("Wrote " + utf8From1252(flight) + "\n"), std::string::npos);
    ASSERT_TRUE(fileExists(flight));

    // A different aircraft on the command line: the flight brings back its own.
    ASSERT_EQ(run({"--aircraft", "767", "--load-flight", flight, "--save", "second"}), kExitDone);
    auto reportOnly = [](const std::string& report) {
        return report.substr(0, report.find("Wrote"));
    };
    EXPECT_EQ(reportOnly(out.str()), reportOnly(calculatedReport));
    EXPECT_EQ(output("pmdg", "747-SECOND.rte"), output("pmdg", "747-FIRST.rte"));
    EXPECT_EQ(output("fs", "SECOND.pln"), output("fs", "FIRST.pln"));
    EXPECT_NE(output("fs", "SECOND.pln").find("cruising_altitude=12000\r\n"), std::string::npos);
}

TEST_F(BatchRunTest, AFlightThatCannotBeLoadedOrSavedStopsTheRun) {
    EXPECT_EQ(run({"--load-flight", root.file("missing.fp")}), kExitStopped);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("missing.fp"), std::string::npos);

    // Nothing to save without a waypoint in the listing.
    EXPECT_EQ(run({"--save-flight", root.file("empty.fp"), "EDDF", "EDDM"}), kExitStopped);
    EXPECT_NE(err.str().find("You must calculate a flight first!"), std::string::npos);
    EXPECT_FALSE(fileExists(root.file("empty.fp")));
}

}  // namespace
}  // namespace skyloom::cli
