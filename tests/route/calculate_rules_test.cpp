// The rules of one calculation, case by case, against the small navigation
// database in tests/data/route/nav: the via, kind and type fields of the three
// FMC layouts, the messages, the clean-up of the route text, the cruise-level
// swatch, the waypoint choice, the distance and the destination runways.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "io/file_system.h"
#include "route/calculate.h"
#include "support/scripted_prompts.h"
#include "support/test_paths.h"

namespace {

using skyloom::Aircraft;
using skyloom::kPathSeparator;
using skyloom::MessageButtons;
using skyloom::MessageIcon;
using skyloom::testing::ScriptedPrompts;
using skyloom::testing::TempFolder;

std::string navFolder() {
    return skyloom::testing::testDataPath({"route", "nav"}) + kPathSeparator;
}

struct RouteRun {
    explicit RouteRun(const std::string& route, Aircraft aircraft = Aircraft::Pmdg737) {
        settings.pathNavData = navFolder();
        settings.performance = {300, 90, 60, 20, 5000, 26000};
        data.aircraft = aircraft;
        data.route = route;
        data.cruiseAltitude = "31000";
    }
    void calculate() {
        skyloom::CommandContext context{settings, data, prompts};
        skyloom::NavDatabase nav(settings.pathNavData);
        skyloom::Calculate(context, nav);
    }

    skyloom::Settings settings;
    skyloom::MainWindowData data;
    ScriptedPrompts prompts;
};

// The waypoint records of a PMDG file between the departure and the
// destination record, as "IDENT kind via", with " +" when an empty line closes
// the record.
std::vector<std::string> pmdgRecords(const std::vector<std::string>& lines, bool is747) {
    const std::size_t zeros = is747 ? 22 : 21;
    std::size_t i = is747 ? 37 : 36;  // the header and departure record end with an empty line
    std::vector<std::string> records;
    while (i + 4 + zeros <= lines.size() && lines[i + 1] != "1") {
        std::string record = lines[i] + " " + lines[i + 1] + " " + lines[i + 2];
        i += 4 + zeros;
        if (i < lines.size() && lines[i].empty()) {
            record += " +";
            ++i;
        }
        records.push_back(record);
    }
    return records;
}

// "W,IDENT,via,code," of every LevelD waypoint line.
std::vector<std::string> levelDHeads(const std::vector<std::string>& lines) {
    std::vector<std::string> heads;
    for (const auto& line : lines) {
        if (line.rfind("W,", 0) == 0) {
            std::size_t end = 0;
            for (int comma = 0; comma < 4 && end != std::string::npos; ++comma) {
                end = line.find(',', end + 1);
            }
            heads.push_back(line.substr(0, end + 1));
        }
    }
    return heads;
}

// "Type VIA Name" of every PSS record, for example "2  TAU" or "3 UL610 DO".
std::vector<std::string> pssHeads(const std::vector<std::string>& lines) {
    std::vector<std::string> heads;
    for (std::size_t i = 3; i + 2 < lines.size(); i += 22) {
        auto value = [&](std::size_t k) { return lines[k].substr(lines[k].find('=') + 1); };
        heads.push_back(value(i) + " " + value(i + 1) + " " + value(i + 2));
    }
    return heads;
}

struct ViaCase {
    const char* name;
    const char* route;
    std::vector<std::string> pmdg;
    std::vector<std::string> levelD;
    std::vector<std::string> pss;
};

void PrintTo(const ViaCase& c, std::ostream* os) {
    *os << c.route;
}

class ViaRules : public ::testing::TestWithParam<ViaCase> {};

TEST_P(ViaRules, PmdgRecordsIn737Form) {
    RouteRun run(GetParam().route, Aircraft::Pmdg737);
    run.calculate();
    EXPECT_EQ(pmdgRecords(run.data.fmcLines, false), GetParam().pmdg);
    ASSERT_GE(run.data.fmcLines.size(), 3u);
    EXPECT_EQ(run.data.fmcLines[2], std::to_string(GetParam().pmdg.size() + 2));
}

TEST_P(ViaRules, PmdgRecordsIn747Form) {
    RouteRun run(GetParam().route, Aircraft::Pmdg747);
    run.calculate();
    EXPECT_EQ(pmdgRecords(run.data.fmcLines, true), GetParam().pmdg);
}

TEST_P(ViaRules, LevelDWaypointLines) {
    RouteRun run(GetParam().route, Aircraft::LevelD767);
    run.calculate();
    EXPECT_EQ(levelDHeads(run.data.fmcLines), GetParam().levelD);
}

TEST_P(ViaRules, PssRecords) {
    RouteRun run(GetParam().route, Aircraft::Pss777);
    run.calculate();
    EXPECT_EQ(pssHeads(run.data.fmcLines), GetParam().pss);
    ASSERT_GE(run.data.fmcLines.size(), 3u);
    EXPECT_EQ(run.data.fmcLines[2], "waypoints_number=" + std::to_string(GetParam().pss.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Routes, ViaRules,
    ::testing::Values(
        ViaCase{"OneWaypoint", "EDDF TAU EGLL", {"TAU 2 -"}, {"W,TAU,,0,"}, {"2  TAU"}},
        ViaCase{"ThreeDirect",
                "EDDF TAU DO LOGA EGLL",
                {"TAU 2 DIRECT", "DO 2 -", "LOGA 2 -"},
                {"W,TAU,,0,", "W,DO,,0,", "W,LOGA,,0,"},
                {"2  TAU", "1  DO", "1  LOGA"}},
        ViaCase{"FiveDirect",
                "EDDF TAU DO LOGA MID PEPAX EGLL",
                {"TAU 2 DIRECT", "DO 2 DIRECT", "LOGA 2 DIRECT", "MID 2 -", "PEPAX 2 -"},
                {"W,TAU,,0,", "W,DO,,0,", "W,LOGA,,0,", "W,MID,,0,", "W,PEPAX,,0,"},
                {"2  TAU", "1  DO", "1  LOGA", "1  MID", "1  PEPAX"}},
        ViaCase{"AirwayAtTheStart",
                "EDDF TAU UL610 KOBLI EGLL",
                {"TAU 2 UL610", "DO 5 UL610 +", "BITBURG 5 UL610 +", "KOBLI 2 -"},
                {"W,TAU,,0,", "W,DO,UL610,30,", "W,BITBURG,UL610,30,", "W,KOBLI,UL610,30,"},
                {"2  TAU", "3 UL610 DO", "3 UL610 BITBURG", "3 UL610 KOBLI"}},
        ViaCase{"AirwayFlownAgainstFileOrder",
                "EDDF KOBLI UM601 PEPAX LOGA DO EGLL",
                {"KOBLI 2 UM601", "XY 5 UM601 +", "GREEN 5 UM601 +", "PEPAX 2 UM601", "LOGA 2 -",
                 "DO 2 -"},
                {"W,KOBLI,,0,", "W,XY,UM601,30,", "W,GREEN,UM601,30,", "W,PEPAX,UM601,30,",
                 "W,LOGA,,0,", "W,DO,,0,"},
                {"2  KOBLI", "3 UM601 XY", "3 UM601 GREEN", "3 UM601 PEPAX", "1  LOGA", "1  DO"}},
        ViaCase{"EntryAfterDirectWaypoint",
                "EDDF DO TAU UL610 KOBLI LOGA MID EGLL",
                {"DO 2 DIRECT", "TAU 2 DIRECT", "DO 5 UL610 +", "BITBURG 5 UL610 +",
                 "KOBLI 2 UL610", "LOGA 2 -", "MID 2 -"},
                {"W,DO,,0,", "W,TAU,,0,", "W,DO,UL610,30,", "W,BITBURG,UL610,30,",
                 "W,KOBLI,UL610,30,", "W,LOGA,,0,", "W,MID,,0,"},
                {"2  DO", "1  TAU", "3 UL610 DO", "3 UL610 BITBURG", "3 UL610 KOBLI", "1  LOGA",
                 "1  MID"}},
        ViaCase{"EntryEqualsExit",
                "EDDF KOBLI UL610 KOBLI EGLL",
                {"KOBLI 2 UL610", "KOBLI 2 UL610 +", "KOBLI 2 -"},
                {"W,KOBLI,,0,", "W,KOBLI,UL610,30,", "W,KOBLI,UL610,30,"},
                {"2  KOBLI", "3 UL610 KOBLI", "3 UL610 KOBLI"}},
        ViaCase{"NeighbouringEntryAndExit",
                "EDDF DO UL610 BITBURG EGLL",
                {"DO 2 UL610", "BITBURG 2 -"},
                {"W,DO,,0,", "W,BITBURG,UL610,30,"},
                {"2  DO", "3 UL610 BITBURG"}}),
    [](const ::testing::TestParamInfo<ViaCase>& info) { return std::string(info.param.name); });

TEST(CalculateRules, PlanTypeLetterFollowsIdentifierLength) {
    RouteRun run("EDDF DO TAU LOGA GREEN BITBURG EGLL");
    run.calculate();
    const auto& lines = run.data.planWaypointLines;
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1].rfind("waypoint.1=DO, N, N50* ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("waypoint.2=TAU, V, N50* ", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3].rfind("waypoint.3=LOGA, I, N51* ", 0), 0u) << lines[3];
    EXPECT_EQ(lines[4].rfind("waypoint.4=GREEN, I, N51* ", 0), 0u) << lines[4];
    EXPECT_EQ(lines[5].rfind("waypoint.5=BITBURG, N50* ", 0), 0u) << lines[5];
    // The plan ends with a copy of the waypoint lines.
    ASSERT_GE(run.data.planLines.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(run.data.planLines.end() - 7, run.data.planLines.end()),
              lines);
}

// ---- unresolved elements -------------------------------------------------

TEST(CalculateRules, UnknownWaypointAndAirwayAreListedInOneCriticalMessage) {
    RouteRun run("EDDF NOWHERE TAU UZ999 EGLL");
    run.calculate();

    EXPECT_EQ(run.data.unresolved, (std::vector<std::string>{"NOWHERE", "UZ999"}));
    ASSERT_EQ(run.prompts.messages.size(), 1u);
    const auto& box = run.prompts.messages.front();
    EXPECT_EQ(box.text,
              "One or more Waypoints or Airways not found during calculation.\r\n"
              "1. NOWHERE\r\n"
              "2. UZ999\r\n");
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(box.title, "");
    // The run still completes with what could be resolved.
    EXPECT_TRUE(run.data.saveEnabled);
    EXPECT_EQ(run.data.routePoints,
              (std::vector<std::string>{"50.033333 8.570556", "50.191389 7.918056",
                                        "51.4775 -0.461389"}));
    EXPECT_EQ(run.data.routeListing, (std::vector<std::string>{"TAU\tN 50.191389\tE 7.918056"}));
    EXPECT_EQ(pmdgRecords(run.data.fmcLines, false), (std::vector<std::string>{"TAU 2 -"}));
    ASSERT_GE(run.data.fmcLines.size(), 3u);
    EXPECT_EQ(run.data.fmcLines[2], "3");
    ASSERT_EQ(run.data.planWaypointLines.size(), 3u);
    EXPECT_EQ(run.data.planWaypointLines[2], "waypoint.2=EGLL, A, N51* 28.39', W0* 27.41', 83,");
}

TEST(CalculateRules, UnresolvedElementsAreNotCountedByPss) {
    RouteRun run("EDDF NOWHERE TAU EGLL", Aircraft::Pss777);
    run.calculate();
    ASSERT_GE(run.data.fmcLines.size(), 3u);
    EXPECT_EQ(run.data.fmcLines[2], "waypoints_number=1");
    EXPECT_EQ(pssHeads(run.data.fmcLines), (std::vector<std::string>{"1  TAU"}));
    EXPECT_EQ(run.data.unresolved, (std::vector<std::string>{"NOWHERE"}));
}

// ---- airway messages -----------------------------------------------------

struct AirwayMessageCase {
    const char* name;
    const char* route;
    std::vector<std::string> messages;
    std::vector<std::string> points;
};

void PrintTo(const AirwayMessageCase& c, std::ostream* os) {
    *os << c.route;
}

class AirwayMessages : public ::testing::TestWithParam<AirwayMessageCase> {};

TEST_P(AirwayMessages, ShowTheMessageAndWriteNothingForTheAirway) {
    RouteRun run(GetParam().route);
    run.calculate();
    EXPECT_EQ(run.prompts.messageTexts(), GetParam().messages);
    for (const auto& box : run.prompts.messages) {
        EXPECT_EQ(box.icon, MessageIcon::None);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_EQ(box.title, "");
    }
    EXPECT_EQ(run.data.routePoints, GetParam().points);
    // Not reported again at the end.
    EXPECT_TRUE(run.data.unresolved.empty());
    EXPECT_TRUE(run.prompts.choices.empty());
    EXPECT_TRUE(run.data.saveEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, AirwayMessages,
    ::testing::Values(
        AirwayMessageCase{"AirwayRightAfterDeparture",
                          "EDDF UL610 KOBLI EGLL",
                          {"The waypoint 'EDDF' cannot be found on the airway 'UL610'"},
                          {"50.033333 8.570556", "50.501944 4.411111", "51.4775 -0.461389"}},
        AirwayMessageCase{
            "EntryNotOnAirway",
            "EDDF LOGA UL610 KOBLI EGLL",
            {"The waypoint 'LOGA' cannot be found on the airway 'UL610'"},
            {"50.033333 8.570556", "51.61 -0.305", "50.501944 4.411111", "51.4775 -0.461389"}},
        AirwayMessageCase{"AirwayRightBeforeDestination",
                          "EDDF TAU UL610 EGLL",
                          {"The waypoint 'EGLL' cannot be found on the airway 'UL610'"},
                          {"50.033333 8.570556", "50.191389 7.918056", "51.4775 -0.461389"}},
        AirwayMessageCase{"OnlyAnAirway",
                          "EDDF UL610 EGLL",
                          {"The waypoints 'EDDF' and 'EGLL' cannot be found on the airway 'UL610'"},
                          {"50.033333 8.570556", "51.4775 -0.461389"}},
        AirwayMessageCase{"TwoAirwaysInARow",
                          "EDDF TAU UL610 UM601 PEPAX EGLL",
                          {"The waypoint 'UM601' cannot be found on the airway 'UL610'",
                           "The waypoint 'UL610' cannot be found on the airway 'UM601'"},
                          {"50.033333 8.570556", "50.191389 7.918056", "51.403611 -0.2475",
                           "51.4775 -0.461389"}}),
    [](const ::testing::TestParamInfo<AirwayMessageCase>& info) {
        return std::string(info.param.name);
    });

// ---- airport checks and the route text -----------------------------------

// Fills every output so that a run that stops early can be seen to leave it.
void fillOutputs(skyloom::MainWindowData& data) {
    data.fmcLines = {"keep1"};
    data.routeListing = {"keep3"};
    data.planLines = {"keep4"};
    data.planWaypointLines = {"keep5"};
    data.unresolved = {"keep6"};
    data.destinationRunways = {"keep7"};
    data.routePoints = {"keep8"};
    data.distance = "123";
    data.cruiseCheckColour = skyloom::kBlue;
    data.saveEnabled = true;
}

void expectOutputsKept(const skyloom::MainWindowData& data) {
    EXPECT_EQ(data.fmcLines, (std::vector<std::string>{"keep1"}));
    EXPECT_EQ(data.routeListing, (std::vector<std::string>{"keep3"}));
    EXPECT_EQ(data.planLines, (std::vector<std::string>{"keep4"}));
    EXPECT_EQ(data.planWaypointLines, (std::vector<std::string>{"keep5"}));
    EXPECT_EQ(data.unresolved, (std::vector<std::string>{"keep6"}));
    EXPECT_EQ(data.destinationRunways, (std::vector<std::string>{"keep7"}));
    EXPECT_EQ(data.routePoints, (std::vector<std::string>{"keep8"}));
    EXPECT_EQ(data.distance, "123");
    EXPECT_EQ(data.cruiseCheckColour, skyloom::kBlue);
    EXPECT_TRUE(data.saveEnabled);
}

struct AirportCase {
    const char* name;
    const char* route;
    const char* message;
    const char* routeAfter;  // upper-cased, not cleaned
};

void PrintTo(const AirportCase& c, std::ostream* os) {
    *os << c.route;
}

class AirportNotFound : public ::testing::TestWithParam<AirportCase> {};

TEST_P(AirportNotFound, ShowsTheMessageAndLeavesTheListsAlone) {
    RouteRun run(GetParam().route);
    fillOutputs(run.data);
    run.calculate();
    ASSERT_EQ(run.prompts.messages.size(), 1u);
    EXPECT_EQ(run.prompts.messages[0].text, GetParam().message);
    EXPECT_EQ(run.prompts.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(run.prompts.messages[0].title, "");
    EXPECT_EQ(run.data.route, GetParam().routeAfter);
    expectOutputsKept(run.data);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, AirportNotFound,
    ::testing::Values(AirportCase{"Departure", "XXXX TAU EGLL",
                                  "Departure Airport' XXXX' not found!", "XXXX TAU EGLL"},
                      AirportCase{"DepartureCheckedFirst", "xxxx tau zzzz",
                                  "Departure Airport' XXXX' not found!", "XXXX TAU ZZZZ"},
                      AirportCase{"Destination", "  eddf tau zzzz ",
                                  "Destination Airport' ZZZZ' not found!", "  EDDF TAU ZZZZ "},
                      AirportCase{"ShortDestinationCode", "EDDF TAU egl",
                                  "Destination Airport'  EGL' not found!", "EDDF TAU EGL"},
                      // The codes are taken before any clean-up, so a trailing DCT is no airport.
                      AirportCase{"TrailingDctAfterDestination", "EDDF TAU EGLL DCT",
                                  "Destination Airport'  DCT' not found!", "EDDF TAU EGLL DCT"}),
    [](const ::testing::TestParamInfo<AirportCase>& info) { return std::string(info.param.name); });

TEST(CalculateRules, MissingAirportsFileNamesThePathThenTheDeparture) {
    TempFolder empty;
    RouteRun run("EDDF TAU EGLL");
    run.settings.pathNavData = empty.path() + kPathSeparator;
    fillOutputs(run.data);
    run.calculate();
    EXPECT_EQ(run.prompts.messageTexts(),
              (std::vector<std::string>{"Please check the path to PMDG-NAVDATA !",
                                        "Departure Airport' EDDF' not found!"}));
    ASSERT_EQ(run.prompts.messages.size(), 2u);
    EXPECT_EQ(run.prompts.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(run.prompts.messages[1].icon, MessageIcon::Information);
    expectOutputsKept(run.data);
}

TEST(CalculateRules, BlankRouteDoesNothing) {
    for (const char* route : {"", "   "}) {
        RouteRun run(route);
        fillOutputs(run.data);
        run.calculate();
        EXPECT_TRUE(run.prompts.messages.empty()) << '"' << route << '"';
        EXPECT_TRUE(run.prompts.choices.empty());
        EXPECT_EQ(run.data.route, route);
        expectOutputsKept(run.data);
    }
}

struct CleanUpCase {
    const char* name;
    const char* route;
    const char* cleaned;
    std::vector<std::string> listed;  // identifiers in the route listing
    std::vector<std::string> unresolved;
};

void PrintTo(const CleanUpCase& c, std::ostream* os) {
    *os << c.route;
}

class RouteCleanUp : public ::testing::TestWithParam<CleanUpCase> {};

TEST_P(RouteCleanUp, TextIsUpperCasedCleanedAndResolved) {
    RouteRun run(GetParam().route);
    run.calculate();
    EXPECT_EQ(run.data.route, GetParam().cleaned);
    std::vector<std::string> listed;
    for (const auto& line : run.data.routeListing) {
        listed.push_back(line.substr(0, line.find('\t')));
    }
    EXPECT_EQ(listed, GetParam().listed);
    EXPECT_EQ(run.data.unresolved, GetParam().unresolved);
    ASSERT_GE(run.data.planLines.size(), 2u);
    EXPECT_EQ(run.data.planLines[1], "title=EDDF to EGLL");
}

INSTANTIATE_TEST_SUITE_P(
    Routes, RouteCleanUp,
    ::testing::Values(
        CleanUpCase{"LowerCase", "eddf tau egll", "EDDF TAU EGLL ", {"TAU"}, {}},
        CleanUpCase{"SidStarAndDct",
                    "EDDF SID TAU DCT DO STAR EGLL",
                    "EDDF TAU DO EGLL ",
                    {"TAU", "DO"},
                    {}},
        CleanUpCase{"DctBeforeDestination", "EDDF DCT TAU DCT EGLL", "EDDF TAU EGLL ", {"TAU"}, {}},
        CleanUpCase{"LowerCaseKeywords", "eddf sid tau dct egll", "EDDF TAU EGLL ", {"TAU"}, {}},
        CleanUpCase{
            "BlankRuns", "  EDDF   TAU     DO  EGLL   ", "EDDF TAU DO EGLL ", {"TAU", "DO"}, {}},
        CleanUpCase{"KeywordAsTailOfAWord",
                    "EDDF TAU XDCT DO EGLL",
                    "EDDF TAU XDO EGLL ",
                    {"TAU"},
                    {"XDO"}}),
    [](const ::testing::TestParamInfo<CleanUpCase>& info) { return std::string(info.param.name); });

// ---- cruise-level swatch -------------------------------------------------

struct SwatchCase {
    const char* route;
    const char* cruise;
    skyloom::Colour colour;
};

void PrintTo(const SwatchCase& c, std::ostream* os) {
    *os << c.route << " at " << c.cruise;
}

class CruiseSwatch : public ::testing::TestWithParam<SwatchCase> {};

TEST_P(CruiseSwatch, ColourFollowsDirectionAndLevel) {
    RouteRun run(GetParam().route);
    run.data.cruiseAltitude = GetParam().cruise;
    run.calculate();
    EXPECT_EQ(run.data.cruiseCheckColour, GetParam().colour)
        << GetParam().route << " at " << GetParam().cruise;
}

INSTANTIATE_TEST_SUITE_P(Levels, CruiseSwatch,
                         ::testing::Values(  // westbound: even levels are green
                             SwatchCase{"EDDF EGLL", "34000", skyloom::kGreen},
                             SwatchCase{"EDDF EGLL", "35000", skyloom::kRed},
                             SwatchCase{"EDDF EGLL", "48000", skyloom::kGreen},
                             SwatchCase{"EDDF EGLL", "30000", skyloom::kGreen},
                             SwatchCase{"EDDF EGLL", "13000", skyloom::kRed},
                             // eastbound: odd levels are green
                             SwatchCase{"EGLL EDDF", "34000", skyloom::kRed},
                             SwatchCase{"EGLL EDDF", "35000", skyloom::kGreen},
                             SwatchCase{"EGLL EDDF", "48000", skyloom::kRed},
                             SwatchCase{"EGLL EDDF", "30000", skyloom::kRed},
                             SwatchCase{"EGLL EDDF", "13000", skyloom::kGreen},
                             // equal longitudes count as eastbound
                             SwatchCase{"EDDF EDEQ", "34000", skyloom::kRed},
                             SwatchCase{"EDDF EDEQ", "35000", skyloom::kGreen}));

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
        EXPECT_EQ(skyloom::IsOddCruiseLevel(c.cruise), c.odd) << '"' << c.cruise << '"';
    }
}

// ---- waypoint choice -----------------------------------------------------

const std::vector<std::string> kKobliCandidates = {"KOBLI 46.2:12.35", "KOBLI 50.501944:4.411111"};

TEST(WaypointChoice, SameIdentifierAtTwoPlacesAsksAndUsesTheChosenLine) {
    RouteRun run("EDDF TAU KOBLI EGLL");
    run.prompts.choiceAnswers = {"KOBLI 50.501944:4.411111"};
    run.calculate();

    ASSERT_EQ(run.prompts.choices.size(), 1u);
    EXPECT_EQ(run.prompts.choices[0].candidates, kKobliCandidates);
    EXPECT_EQ(run.prompts.choices[0].previousPoint, "50.191389 7.918056");
    EXPECT_EQ(run.data.routePoints,
              (std::vector<std::string>{"50.033333 8.570556", "50.191389 7.918056",
                                        "50.501944 4.411111", "51.4775 -0.461389"}));
    ASSERT_EQ(run.data.routeListing.size(), 2u);
    EXPECT_EQ(run.data.routeListing[1], "KOBLI\tN 50.501944\tE 4.411111");
    ASSERT_EQ(run.data.planWaypointLines.size(), 4u);
    // The airway is that of the last file line holding the name.
    EXPECT_EQ(run.data.planWaypointLines[2],
              "waypoint.2=KOBLI, I, N50* 30.7', E4* 24.40', 0,UM601");
    EXPECT_EQ(run.data.distance, "355");
    EXPECT_TRUE(run.data.unresolved.empty());
    EXPECT_TRUE(run.prompts.messages.empty());
    EXPECT_EQ(run.settings.chosenWaypoint, "KOBLI 50.501944:4.411111");
}

TEST(WaypointChoice, TheOtherCandidateGivesItsOwnCoordinates) {
    RouteRun run("EDDF TAU KOBLI EGLL", Aircraft::LevelD767);
    run.prompts.choiceAnswers = {"KOBLI 46.2:12.35"};
    run.calculate();

    ASSERT_EQ(run.prompts.choices.size(), 1u);
    ASSERT_EQ(run.data.routePoints.size(), 4u);
    EXPECT_EQ(run.data.routePoints[2], "46.2 12.35");
    ASSERT_EQ(run.data.routeListing.size(), 2u);
    EXPECT_EQ(run.data.routeListing[1], "KOBLI\tN 46.200000\tE 12.350000");
    ASSERT_EQ(run.data.planWaypointLines.size(), 4u);
    EXPECT_EQ(run.data.planWaypointLines[2],
              "waypoint.2=KOBLI, I, N46* 12.0', E12* 21.0', 0,UM601");
    EXPECT_EQ(levelDHeads(run.data.fmcLines),
              (std::vector<std::string>{"W,TAU,,0,", "W,KOBLI,,0,"}));
    ASSERT_GE(run.data.fmcLines.size(), 8u);
    EXPECT_EQ(run.data.fmcLines[7], "W,KOBLI,,0,46.2,12.35,0.000000,0.000000,0,0,0");
    EXPECT_EQ(run.data.distance, "920");
}

TEST(WaypointChoice, CancelListsTheWaypointAsUnresolved) {
    RouteRun run("EDDF TAU KOBLI EGLL");
    // An earlier choice must not be reused when this one is cancelled.
    run.settings.chosenWaypoint = "KOBLI 50.501944:4.411111";
    run.prompts.choiceAnswers = {""};
    run.calculate();

    ASSERT_EQ(run.prompts.choices.size(), 1u);
    EXPECT_EQ(run.data.unresolved, (std::vector<std::string>{"KOBLI"}));
    EXPECT_EQ(run.prompts.messageTexts(),
              (std::vector<std::string>{
                  "One or more Waypoints or Airways not found during calculation.\r\n"
                  "1. KOBLI\r\n"}));
    EXPECT_EQ(run.data.routePoints,
              (std::vector<std::string>{"50.033333 8.570556", "50.191389 7.918056",
                                        "51.4775 -0.461389"}));
    EXPECT_EQ(pmdgRecords(run.data.fmcLines, false), (std::vector<std::string>{"TAU 2 -"}));
    EXPECT_EQ(run.data.planWaypointLines.size(), 3u);
    EXPECT_TRUE(run.data.saveEnabled);
}

TEST(WaypointChoice, IdenticalLinesGiveOneCandidateAndNoWindow) {
    // LOGA stands on two airways at the same coordinates.
    RouteRun run("EDDF TAU LOGA EGLL");
    run.calculate();
    EXPECT_TRUE(run.prompts.choices.empty());
    EXPECT_EQ(run.settings.chosenWaypoint, "LOGA 51.61:-0.305");
    ASSERT_EQ(run.data.routeListing.size(), 2u);
    EXPECT_EQ(run.data.routeListing[1], "LOGA\tN 51.610000\tW 0.305000");
    ASSERT_EQ(run.data.planWaypointLines.size(), 4u);
    EXPECT_EQ(run.data.planWaypointLines[2], "waypoint.2=LOGA, I, N51* 36.36', W0* 18.18', 0,UN14");
}

TEST(WaypointChoice, ExitPointIsFoundOnTheAirwayWithoutAsking) {
    // KOBLI after UL610 is taken from UL610 although UN872 holds another KOBLI.
    RouteRun run("EDDF TAU UL610 KOBLI EGLL", Aircraft::Pss777);
    run.calculate();
    EXPECT_TRUE(run.prompts.choices.empty());
    EXPECT_EQ(run.data.routePoints.back(), "51.4775 -0.461389");
    ASSERT_EQ(run.data.routePoints.size(), 6u);
    EXPECT_EQ(run.data.routePoints[4], "50.501944 4.411111");
    ASSERT_EQ(run.data.planWaypointLines.size(), 6u);
    EXPECT_EQ(run.data.planWaypointLines[4],
              "waypoint.4=KOBLI, I, N50* 30.7', E4* 24.40', 0,UL610");
}

// ---- destination runways -------------------------------------------------

TEST(DestinationRunways, ListedWithDegreeSignAndUntrimmedLength) {
    RouteRun run("EDDF TAU EGLL");
    run.calculate();
    EXPECT_EQ(run.data.destinationRunways,
              (std::vector<std::string>{
                  "Runways at LONDON HEATHROW",
                  "RWy 09L - Frq: 110.30 - Head: 090\xB0 - Len: 12799 ft. - Elev: 83 ft.",
                  "RWy 27R - Frq: 109.50 - Head: 270\xB0 - Len: 12000 ft. - Elev: 83 ft.",
                  "RWy 27L - Frq: ---.-- - Head: 271\xB0 - Len:  9000 ft. - Elev: 83 ft."}));
}

TEST(DestinationRunways, OtherDestination) {
    RouteRun run("EGLL TAU EDDF");
    run.calculate();
    EXPECT_EQ(run.data.destinationRunways,
              (std::vector<std::string>{
                  "Runways at FRANKFURT MAIN",
                  "RWy 07L - Frq: 110.10 - Head: 070\xB0 - Len: 13123 ft. - Elev: 364 ft.",
                  "RWy 25R - Frq: 111.35 - Head: 250\xB0 - Len: 13123 ft. - Elev: 364 ft."}));
}

TEST(DestinationRunways, AirportWithoutRunwaysClearsTheList) {
    RouteRun run("EDDF EDEQ");
    run.data.destinationRunways = {"Runways at SOMEWHERE", "RWy 01 ..."};
    run.calculate();
    EXPECT_TRUE(run.data.destinationRunways.empty());
    EXPECT_EQ(run.data.distance, "180");
}

}  // namespace
