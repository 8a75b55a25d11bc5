// Whole calculations against the small navigation database in
// tests/data/route/nav: the FMC file of every aircraft and the simulator plan
// compared with files written by hand in tests/data/route/expected, then the
// rules one table at a time (via, kind and type fields, which file line wins,
// messages, the clean-up of the route text, the cruise-level swatch, the
// waypoint choice and the destination runways).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/calculate.h"
#include "io/file_system.h"
#include "route/cruise_level.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

using testing::readBytes;
using testing::ScriptedPrompts;
using testing::TempFolder;
using testing::testDataPath;
using Lines = std::vector<std::string>;

struct Trip {
    explicit Trip(const std::string& route, Aircraft aircraft = Aircraft::Pmdg737) {
        settings.pathNavData = testDataPath({"route", "nav"}) + kPathSeparator;
        settings.performance = {300, 90, 60, 20, 5000, 26000};
        data.aircraft = aircraft;
        data.route = route;
        data.cruiseAltitude = "31000";
    }
    CalculateResult calculate() {
        CommandContext context{settings, data, prompts};
        NavDatabase nav(settings.pathNavData);
        return Calculate(context, nav);
    }
    Lines listed() const {  // the identifiers of the route listing
        Lines names;
        for (const auto& line : data.routeListing) {
            names.push_back(line.substr(0, line.find('\t')));
        }
        return names;
    }

    Settings settings;
    MainWindowData data;
    ScriptedPrompts prompts;
};

std::string joinCrLf(const Lines& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// ---- whole files ---------------------------------------------------------

struct GoldenCase {
    const char* route;
    const char* stem;  // expected files are stem + ".737.rte" and so on
    const char* distance;
    Lines points;
    Lines listing;
};

const GoldenCase kGolden[] = {
    {"EDDF EGLL", "a_two_airports", "353", {"50.033333 8.570556", "51.4775 -0.461389"}, {}},
    {"EDDF TAU DO LOGA MID EGLL",
     "b_direct",
     "361",
     {"50.033333 8.570556", "50.191389 7.918056", "50.25 6.75", "51.61 -0.305", "51.5512345 -0.4",
      "51.4775 -0.461389"},
     {"TAU\tN 50.191389\tE 7.918056", "DO\tN 50.250000\tE 6.750000",
      "LOGA\tN 51.610000\tW 0.305000", "MID\tN 51.5512345\tW 0.400000"}},
    {"EDDF TAU UL610 KOBLI UM601 PEPAX LOGA MID EGLL",
     "c_airways",
     "388",
     {"50.033333 8.570556", "50.191389 7.918056", "50.25 6.75", "50.017222 5.638056",
      "50.501944 4.411111", "50.813889 2.0525", "51.049722 0.0", "51.403611 -0.2475",
      "51.61 -0.305", "51.5512345 -0.4", "51.4775 -0.461389"},
     {"TAU\tN 50.191389\tE 7.918056", "DO\tN 50.250000\tE 6.750000",
      "BITBURG\tN 50.017222\tE 5.638056", "KOBLI\tN 50.501944\tE 4.411111",
      "XY\tN 50.813889\tE 2.052500", "GREEN\tN 51.049722\tW 0.000000",
      "PEPAX\tN 51.403611\tW 0.247500", "LOGA\tN 51.610000\tW 0.305000",
      "MID\tN 51.5512345\tW 0.400000"}},
};

TEST(CalculateGolden, FilesPointsAndDistanceOfEveryRouteAndAircraft) {
    const std::pair<Aircraft, const char*> aircraft[] = {{Aircraft::Pmdg737, ".737.rte"},
                                                         {Aircraft::Pmdg747, ".747.rte"},
                                                         {Aircraft::LevelD767, ".leveld.rte"},
                                                         {Aircraft::Pss777, ".b2r"}};
    for (const GoldenCase& c : kGolden) {
        const std::string expected = testDataPath({"route", "expected", c.stem});
        for (const auto& [type, suffix] : aircraft) {
            SCOPED_TRACE(std::string(c.stem) + suffix);
            Trip run(c.route, type);
            EXPECT_TRUE(run.calculate().completed);
            EXPECT_EQ(joinCrLf(run.data.fmcLines), readBytes(expected + suffix));
            EXPECT_EQ(joinCrLf(run.data.planLines), readBytes(expected + ".pln"));
            // Points and distance do not depend on the aircraft.
            EXPECT_EQ(run.data.routePoints, c.points);
            EXPECT_EQ(run.data.routeListing, c.listing);
            EXPECT_EQ(run.data.distance, c.distance);
            EXPECT_TRUE(run.prompts.messages.empty());
            EXPECT_TRUE(run.prompts.choices.empty());  // LOGA twice at one place: no window
            EXPECT_TRUE(run.data.saveEnabled);
        }
    }
}

// ---- entry equal to exit --------------------------------------------------

TEST(CalculateRules, EntryEqualToExitRecordsThatPointOnceWithKindTwo) {
    Trip run("EDDF KOBLI UL610 KOBLI EGLL");
    run.calculate();
    // "IDENT kind via" of each PMDG waypoint record after the departure's.
    Lines records;
    for (std::size_t i = 36; i + 2 < run.data.fmcLines.size(); ++i) {
        if (run.data.fmcLines[i] == "KOBLI") {
            records.push_back("KOBLI " + run.data.fmcLines[i + 1] + " " + run.data.fmcLines[i + 2]);
        }
    }
    EXPECT_EQ(records, (Lines{"KOBLI 2 UL610", "KOBLI 2 UL610", "KOBLI 2 -"}));
    EXPECT_EQ(run.data.fmcLines.at(2), "5");
}

// ---- which file line wins --------------------------------------------------

TEST(CalculateRules, WhichNavigationLineWins) {
    struct Case {
        const char* route;
        Lines listing;
        Lines unresolved;
    };
    const Case cases[] = {
        // FOXX stands on UA1 and on A1; the first line whose first eight characters
        // hold the neighbour A1 is the UA1 line.
        {"EDDF FOXX A1 GOLF EGLL",
         {"FOXX\tN 48.000000\tE 2.000000", "GOLF\tN 47.500000\tE 1.500000"},
         {}},
        // RIVER twice on UL975: the later line is the entry, so nothing lies between
        // it and HILLS.
        {"EDDF RIVER UL975 HILLS EGLL",
         {"RIVER\tN 50.000000\tE 1.000000", "HILLS\tN 50.000000\tE 3.000000"},
         {}},
        // BRIDG twice: the later line is the exit, right after HILLS.
        {"EDDF HILLS UL975 BRIDG EGLL",
         {"HILLS\tN 50.000000\tE 3.000000", "BRIDG\tN 50.000000\tE 2.000000"},
         {}},
        // The entry is a substring test: IVER is the tail of RIVER (its last line).
        {"EDDF IVER UL975 BRIDG EGLL",
         {"HILLS\tN 50.000000\tE 3.000000", "BRIDG\tN 50.000000\tE 2.000000"},
         {"IVER"}},
    };
    for (const Case& c : cases) {
        Trip run(c.route);
        run.calculate();
        EXPECT_EQ(run.data.routeListing, c.listing) << c.route;
        EXPECT_EQ(run.data.unresolved, c.unresolved) << c.route;
        EXPECT_TRUE(run.prompts.choices.empty()) << c.route;
    }
}

// ---- messages and runs that stop early -----------------------------------

TEST(CalculateRules, UnresolvedElementsAreListedInOneCriticalMessage) {
    for (Aircraft type : {Aircraft::Pmdg737, Aircraft::Pss777}) {
        Trip run("EDDF NOWHERE TAU UZ999 EGLL", type);
        run.calculate();
        ASSERT_EQ(run.prompts.messages.size(), 1u);
        EXPECT_EQ(run.prompts.messages[0].text,
                  "One or more Waypoints or Airways not found during calculation.\r\n"
                  "1. NOWHERE\r\n2. UZ999\r\n");
        EXPECT_EQ(run.prompts.messages[0].icon, MessageIcon::Critical);
        // The run completes with what could be resolved, and counts only that.
        EXPECT_TRUE(run.data.saveEnabled);
        EXPECT_EQ(run.listed(), Lines{"TAU"});
        EXPECT_EQ(run.data.routePoints.size(), 3u);
        EXPECT_EQ(run.data.planWaypointLines.size(), 3u);
        EXPECT_EQ(run.data.fmcLines.at(2), type == Aircraft::Pss777 ? "waypoints_number=1" : "3");
    }
}

TEST(CalculateRules, AirwayMessagesWriteNothingForTheAirway) {
    struct Case {
        const char* route;
        Lines messages;
        Lines listed;
    };
    const Case cases[] = {
        {"EDDF UL610 KOBLI EGLL",
         {"The waypoint 'EDDF' cannot be found on the airway 'UL610'"},
         {"KOBLI"}},
        {"EDDF LOGA UL610 KOBLI EGLL",
         {"The waypoint 'LOGA' cannot be found on the airway 'UL610'"},
         {"LOGA", "KOBLI"}},
        {"EDDF TAU UL610 EGLL",
         {"The waypoint 'EGLL' cannot be found on the airway 'UL610'"},
         {"TAU"}},
        {"EDDF UL610 EGLL",
         {"The waypoints 'EDDF' and 'EGLL' cannot be found on the airway 'UL610'"},
         {}},
        {"EDDF TAU UL610 UM601 PEPAX EGLL",
         {"The waypoint 'UM601' cannot be found on the airway 'UL610'",
          "The waypoint 'UL610' cannot be found on the airway 'UM601'"},
         {"TAU", "PEPAX"}},
    };
    for (const Case& c : cases) {
        Trip run(c.route);
        CalculateResult result = run.calculate();
        EXPECT_EQ(run.prompts.messageTexts(), c.messages) << c.route;
        for (const auto& box : run.prompts.messages) {
            EXPECT_EQ(box.icon, MessageIcon::None);
        }
        EXPECT_EQ(run.listed(), c.listed) << c.route;
        EXPECT_EQ(run.data.routePoints.size(), c.listed.size() + 2) << c.route;
        EXPECT_TRUE(run.data.unresolved.empty()) << c.route;  // not reported again
        EXPECT_TRUE(result.completed);
    }
}

TEST(CalculateRules, RunsThatStopEarlyLeaveEveryOutput) {
    struct Case {
        const char* route;
        Lines messages;
        const char* routeAfter;  // upper-cased, not cleaned
        const char* airports;    // airports.dat of a folder of its own; nullptr: the test data
    };
    const Case cases[] = {
        {"   ", {}, "   ", nullptr},
        {"xxxx tau zzzz", {"Departure Airport' XXXX' not found!"}, "XXXX TAU ZZZZ", nullptr},
        {"  eddf tau zzzz ",
         {"Destination Airport' ZZZZ' not found!"},
         "  EDDF TAU ZZZZ ",
         nullptr},
        // The codes are taken before any clean-up, so a trailing DCT is no airport.
        {"EDDF TAU EGLL DCT",
         {"Destination Airport'  DCT' not found!"},
         "EDDF TAU EGLL DCT",
         nullptr},
        {"EDDF TAU EGLL",
         {"Please check the path to PMDG-NAVDATA !", "Departure Airport' EDDF' not found!"},
         "EDDF TAU EGLL",
         ""},
        // An airport line without coordinates, or a first word longer than its code.
        {"EDDF KJFK",
         {"The airport 'KJFK' has no readable position in airports.dat."},
         "EDDF KJFK",
         "EDDF 50.0 8.0\r\nKJFK\r\n"},
        {"EDDFX EDDF",
         {"The airport 'EDDFX' has no readable position in airports.dat."},
         "EDDFX EDDF",
         "EDDF 50.0 8.0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.route);
        Trip run(c.route);
        TempFolder nav;
        if (c.airports != nullptr) {
            run.settings.pathNavData = nav.path() + kPathSeparator;
            if (*c.airports != '\0') {
                testing::writeBytes(nav.file("airports.dat"), c.airports);
            }
        }
        MainWindowData& d = run.data;
        d.fmcLines = d.planLines = d.destinationRunways = d.routePoints = {"kept"};
        d.distance = "123";
        d.cruiseCheckColour = kBlue;
        d.saveEnabled = true;
        EXPECT_FALSE(run.calculate().completed);
        EXPECT_EQ(run.prompts.messageTexts(), c.messages);
        if (c.messages.size() == 2) {
            EXPECT_EQ(run.prompts.messages[0].icon, MessageIcon::None);
        }
        if (!c.messages.empty()) {
            EXPECT_EQ(run.prompts.messages.back().icon, MessageIcon::Information);
        }
        EXPECT_EQ(d.route, c.routeAfter);
        for (const Lines* list :
             {&d.fmcLines, &d.planLines, &d.destinationRunways, &d.routePoints}) {
            EXPECT_EQ(*list, Lines{"kept"});
        }
        EXPECT_EQ(d.distance, "123");
        EXPECT_EQ(d.cruiseCheckColour, kBlue);
        EXPECT_TRUE(d.saveEnabled);
    }
}

// ---- the route text and the cruise level ------------------------------------

TEST(CalculateRules, RouteTextIsUpperCasedAndCleaned) {
    struct Case {
        const char* route;
        const char* cleaned;
        Lines listed;
        Lines unresolved;
    };
    const Case cases[] = {
        {"eddf sid tau dct egll", "EDDF TAU EGLL ", {"TAU"}, {}},
        {"EDDF SID TAU DCT DO STAR EGLL", "EDDF TAU DO EGLL ", {"TAU", "DO"}, {}},
        {"EDDF DCT TAU DCT EGLL", "EDDF TAU EGLL ", {"TAU"}, {}},
        {"  EDDF   TAU     DO  EGLL   ", "EDDF TAU DO EGLL ", {"TAU", "DO"}, {}},
        // Also the tail of a longer word.
        {"EDDF TAU XDCT DO EGLL", "EDDF TAU XDO EGLL ", {"TAU"}, {"XDO"}},
    };
    for (const Case& c : cases) {
        Trip run(c.route);
        run.calculate();
        EXPECT_EQ(run.data.route, c.cleaned);
        EXPECT_EQ(run.listed(), c.listed) << c.route;
        EXPECT_EQ(run.data.unresolved, c.unresolved) << c.route;
        EXPECT_EQ(run.data.planLines.at(1), "title=EDDF to EGLL");
    }
}

TEST(CalculateRules, CruiseSwatchFollowsDirectionAndLevel) {
    struct Case {
        const char* route;
        const char* cruise;
        Colour colour;
    };
    const Case cases[] = {
        {"EDDF EGLL", "34000", kGreen},  // westbound: even levels are green
        {"EDDF EGLL", "35000", kRed},   {"EGLL EDDF", "34000", kRed},  // eastbound: odd
        {"EGLL EDDF", "35000", kGreen}, {"EDDF EDEQ", "34000", kRed},  // equal: eastbound
        {"EDDF EDEQ", "35000", kGreen},
    };
    for (const Case& c : cases) {
        Trip run(c.route);
        run.data.cruiseAltitude = c.cruise;
        run.calculate();
        EXPECT_EQ(run.data.cruiseCheckColour, c.colour) << c.route << " at " << c.cruise;
    }
}

TEST(CalculateRules, IsOddCruiseLevel) {
    struct {
        const char* cruise;
        bool odd;
    } const cases[] = {
        {"35000", true}, {"34000", false}, {"30000", false}, {"48000", false}, {"13000", true},
        {"31000", true}, {"12000", false}, {"9000", false},  {"50000", false}, {"52000", true},
        {"FL350", true}, {"F340", false},  {"", true},       {"11000", true},  {"41000", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsOddCruiseLevel(c.cruise), c.odd) << '"' << c.cruise << '"';
    }
}

// ---- waypoint choice -------------------------------------------------------

TEST(CalculateRules, SameIdentifierAtTwoPlacesAsks) {
    struct Case {
        const char* answer;
        Lines listing;
        const char* planLine;  // airway: that of the last file line holding KOBLI
        const char* distance;
    };
    const Case cases[] = {
        {"KOBLI 50.501944:4.411111",
         {"TAU\tN 50.191389\tE 7.918056", "KOBLI\tN 50.501944\tE 4.411111"},
         "waypoint.2=KOBLI, I, N50* 30.7', E4* 24.40', 0,UM601",
         "355"},
        {"KOBLI 46.2:12.35",
         {"TAU\tN 50.191389\tE 7.918056", "KOBLI\tN 46.200000\tE 12.350000"},
         "waypoint.2=KOBLI, I, N46* 12.0', E12* 21.0', 0,UM601",
         "920"},
        // Cancelled: unresolved, even with an earlier choice at hand.
        {"",
         {"TAU\tN 50.191389\tE 7.918056"},
         "waypoint.2=EGLL, A, N51* 28.39', W0* 27.41', 83,",
         "353"},
    };
    for (const Case& c : cases) {
        Trip run("EDDF TAU KOBLI EGLL");
        run.settings.chosenWaypoint = "KOBLI 50.501944:4.411111";
        run.prompts.choiceAnswers = {c.answer};
        run.calculate();
        ASSERT_EQ(run.prompts.choices.size(), 1u);
        EXPECT_EQ(run.prompts.choices[0].candidates,
                  (Lines{"KOBLI 46.2:12.35", "KOBLI 50.501944:4.411111"}));
        EXPECT_EQ(run.prompts.choices[0].previousPoint, "50.191389 7.918056");
        EXPECT_EQ(run.data.routeListing, c.listing);
        EXPECT_EQ(run.data.planWaypointLines.at(2), c.planLine);
        EXPECT_EQ(run.data.distance, c.distance);
        EXPECT_EQ(run.data.unresolved, *c.answer ? Lines{} : Lines{"KOBLI"});
    }
}

// ---- destination runways -------------------------------------------------

TEST(CalculateRules, DestinationRunwaysReplaceTheList) {
    Trip run("EDDF TAU EGLL");
    run.data.destinationRunways = {"old"};
    run.calculate();
    // The heliport line holds EGLL only in its name.
    EXPECT_EQ(run.data.destinationRunways,
              (Lines{"Runways at LONDON HEATHROW",
                     "RWy 09L - Frq: 110.30 - Head: 090\xB0 - Len: 12799 ft. - Elev: 83 ft.",
                     "RWy 27R - Frq: 109.50 - Head: 270\xB0 - Len: 12000 ft. - Elev: 83 ft.",
                     "RWy 27L - Frq: ---.-- - Head: 271\xB0 - Len:  9000 ft. - Elev: 83 ft."}));
    Trip none("EDDF EDEQ");
    none.data.destinationRunways = {"old"};
    none.calculate();
    EXPECT_TRUE(none.data.destinationRunways.empty());
}

}  // namespace
}  // namespace skyloom
