// Rule rows, one route each, then the command's own steps (whole routes are
// compared with golden files in save_fmc_test.cpp).

#include <gtest/gtest.h>

#include "commands/trip.h"
#include "io/text_util.h"
#include "route/cruise_level.h"
#include "route/waypoint_candidates.h"

namespace skyloom {
namespace {

using testing::Lines;
using testing::Trip;

// "identifier kind via" of each PMDG 737 waypoint record (25 lines), and ""
// for the empty line that closes an airway point's.
Lines pmdgHeads(const Lines& file) {
    Lines heads;
    for (std::size_t i = 36; i + 25 < file.size() && file[i] != "EGLL"; i += 25) {
        heads.push_back(file[i] + " " + file[i + 1] + " " + file[i + 2]);
        if (file[i + 25].empty()) {
            heads.emplace_back();  // the record's closing empty line
            ++i;
        }
    }
    return heads;
}

const std::string kNotFound = "One or more Waypoints or Airways not found during calculation.\r\n";

TEST(CalculateRules, OneRoutePerRow) {
    const struct {
        const char* route;
        Lines levelD;  // "W," lines without their fixed tail
        Lines messages = {};
        Lines pmdg = {};  // when the row is about them
    } rows[] = {
        // "SID ", "STAR ", "DCT " go, also as the tail of a word; blank runs collapse.
        {"eddf sid tau dct egll", {"W,TAU,,0,50.191389,7.918056"}},
        {"  EDDF   TAU  XDCT DO STAR  EGLL   ",
         {"W,TAU,,0,50.191389,7.918056"},
         {kNotFound + "1. XDO\r\n"}},
        // FOXX on UA1 and A1: the first line whose first eight characters hold A1 wins.
        {"EDDF FOXX A1 GOLF EGLL",
         {"W,FOXX,,0,48.0,2.0", "W,GOLF,A1,30,47.5,1.5"},
         {},
         {"FOXX 2 A1", "GOLF 2 -"}},
        // The neighbour is looked for in eight characters: XYZUM6019's OWL is not on UM6019.
        {"EDDF ELK UM6019 OWL EGLL", {"W,ELK,,0,45.5,5.5", "W,OWL,UM6019,30,45.0,5.0"}},
        // RIVER and BRIDG twice on UL975: the last line wins, for entry and exit.
        {"EDDF RIVER UL975 HILLS EGLL", {"W,RIVER,,0,50.0,1.0", "W,HILLS,UL975,30,50.0,3.0"}},
        {"EDDF HILLS UL975 BRIDG EGLL", {"W,HILLS,,0,50.0,3.0", "W,BRIDG,UL975,30,50.0,2.0"}},
        // The entry is found as a substring: IVER in RIVER.
        {"EDDF IVER UL975 BRIDG EGLL",
         {"W,HILLS,UL975,30,50.0,3.0", "W,BRIDG,UL975,30,50.0,2.0"},
         {kNotFound + "1. IVER\r\n"},
         {"HILLS 5 UL975", "", "BRIDG 2 -"}},
        // Entry equal to exit: that one point, with kind 2.
        {"EDDF KOBLI UL610 KOBLI EGLL",
         {"W,KOBLI,,0,50.501944,4.411111", "W,KOBLI,UL610,30,50.501944,4.411111",
          "W,KOBLI,UL610,30,50.501944,4.411111"},
         {},
         {"KOBLI 2 UL610", "KOBLI 2 UL610", "", "KOBLI 2 -"}},
        {"EDDF NOWHERE TAU UZ999 EGLL",
         {"W,TAU,,0,50.191389,7.918056"},
         {kNotFound + "1. NOWHERE\r\n2. UZ999\r\n"},
         {"TAU 2 -"}},
        // An airway that misses its entry or exit writes nothing and is not listed again.
        {"EDDF UL610 KOBLI EGLL",
         {"W,KOBLI,UL610,30,50.501944,4.411111"},
         {"The waypoint 'EDDF' cannot be found on the airway 'UL610'"}},
        {"EDDF UL610 EGLL",
         {},
         {"The waypoints 'EDDF' and 'EGLL' cannot be found on the airway 'UL610'"}},
        {"EDDF TAU UL610 UM601 PEPAX EGLL",
         {"W,TAU,,0,50.191389,7.918056", "W,PEPAX,UM601,30,51.403611,-0.2475"},
         {"The waypoint 'UM601' cannot be found on the airway 'UL610'",
          "The waypoint 'UL610' cannot be found on the airway 'UM601'"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.route);
        Trip levelD(row.route, Aircraft::LevelD767);
        EXPECT_TRUE(levelD.calculate().completed);
        Lines expected{
            ";LevelD 767 Flightplan - Computed with Skyloom", "", "", "", "", "H,EDDF,EGLL, ,"};
        for (const std::string& line : row.levelD) {
            expected.push_back(line + ",0.000000,0.000000,0,0,0");
        }
        expected.insert(expected.end(), {"", "", "End of FlightPlan"});
        EXPECT_EQ(levelD.data.fmcLines, expected);
        EXPECT_EQ(levelD.prompts.messageTexts(), row.messages);
        for (const auto& box : levelD.prompts.messages) {
            EXPECT_EQ(box.icon,
                      box.text.starts_with(kNotFound) ? MessageIcon::Critical : MessageIcon::None);
        }
        // The counts in the headers count only what was written.
        Trip pss(row.route, Aircraft::Pss777);
        pss.calculate();
        EXPECT_EQ(pss.data.fmcLines.at(2), "waypoints_number=" + std::to_string(row.levelD.size()));
        Trip pmdg(row.route);
        pmdg.calculate();
        EXPECT_EQ(pmdg.data.fmcLines.at(2), std::to_string(row.levelD.size() + 2));
        if (!row.pmdg.empty()) {
            EXPECT_EQ(pmdgHeads(pmdg.data.fmcLines), row.pmdg);
        }
    }
}

TEST(CalculateCommand, RunsThatStopEarlyLeaveEveryOutput) {
    const std::pair<const char*, const char*> rows[] = {
        {"   ", nullptr},
        {"xxxx tau egll", "Departure Airport' XXXX' not found!"},
        // The codes are taken before any clean-up, so a trailing DCT is no airport.
        {"eddf tau egll dct", "Destination Airport'  DCT' not found!"},
        {"EDDF KJFK", "The airport 'KJFK' has no readable position in airports.dat."},
    };
    for (const auto& [route, message] : rows) {
        Trip trip(route);
        MainWindowData& d = trip.data;
        d.fmcLines = d.destinationRunways = {"kept"};
        d.saveEnabled = true;
        EXPECT_FALSE(trip.calculate().completed);
        EXPECT_EQ(trip.prompts.messageTexts(), message ? Lines{message} : Lines{}) << route;
        EXPECT_EQ(d.route, toUpper1252(route));                          // upper-cased, not cleaned
        EXPECT_EQ(d.fmcLines.size() + d.destinationRunways.size(), 2u);  // still "kept"
        EXPECT_TRUE(d.saveEnabled);
    }
}

TEST(CalculateCommand, CruiseSwatchFollowsDirectionAndLevel) {
    const std::tuple<const char*, const char*, Colour> rows[] = {
        {"EDDF EGLL", "34000", kGreen}, {"EDDF EGLL", "35000", kRed},    // westbound: even
        {"EGLL EDDF", "34000", kRed},   {"EGLL EDDF", "35000", kGreen},  // eastbound: odd
        {"EDDF EDEQ", "34000", kRed},                                    // equal: eastbound
    };
    for (const auto& [route, cruise, colour] : rows) {
        Trip trip(route);
        trip.data.cruiseAltitude = cruise;
        trip.calculate();
        EXPECT_EQ(trip.data.cruiseCheckColour, colour) << route << " at " << cruise;
    }
    const std::pair<const char*, bool> levels[] = {
        {"35000", true},  {"13000", true},  {"FL350", true},  {"", true},      {"52000", true},
        {"34000", false}, {"30000", false}, {"48000", false}, {"9000", false}, {"F340", false}};
    for (const auto& [level, odd] : levels) {
        EXPECT_EQ(IsOddCruiseLevel(level), odd) << '"' << level << '"';
    }
}

TEST(CalculateCommand, SameIdentifierAtTwoPlacesAsks) {
    const struct {
        const char* answer;
        const char* planLine;  // airway: that of the last file line holding KOBLI
    } rows[] = {
        {"KOBLI 50.501944:4.411111", "waypoint.2=KOBLI, I, N50* 30.7', E4* 24.40', 0,UM601"},
        {"KOBLI 46.2:12.35", "waypoint.2=KOBLI, I, N46* 12.0', E12* 21.0', 0,UM601"},
        // Cancelled: unresolved, even with an earlier choice at hand.
        {"", "waypoint.2=EGLL, A, N51* 28.39', W0* 27.41', 83,"},
    };
    for (const auto& row : rows) {
        Trip trip("EDDF TAU KOBLI EGLL");
        trip.settings.chosenWaypoint = "KOBLI 50.501944:4.411111";
        trip.prompts.choiceAnswers = {row.answer};
        trip.calculate();
        ASSERT_EQ(trip.prompts.choices.size(), 1u);
        const WaypointChoice& asked = trip.prompts.choices[0];
        EXPECT_EQ(asked.candidates, (Lines{"KOBLI 46.2:12.35", "KOBLI 50.501944:4.411111"}));
        EXPECT_EQ(asked.previousPoint, "50.191389 7.918056");
        EXPECT_EQ(nearestCandidate(asked), 1u);  // the KOBLI on UL610 lies nearer to TAU
        EXPECT_EQ(candidateDistanceText(asked.previousPoint, asked.candidates[0]), "298 nm");
        EXPECT_EQ(trip.data.planWaypointLines.at(2), row.planLine);
        EXPECT_EQ(trip.data.unresolved, *row.answer ? Lines{} : Lines{"KOBLI"});
    }
}

}  // namespace
}  // namespace skyloom
