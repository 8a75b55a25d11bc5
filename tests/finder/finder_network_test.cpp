// Small airway networks drawn by hand, each with the route text derived from
// the rules: airway legs cost their length, direct legs one and a half times
// theirs (up to 500 nm), a change of airway 10 nm; airports join the points
// within 60 nm, widened in steps of 60 nm up to 480 nm. On the equator one
// degree is 60 nm.

#include <gtest/gtest.h>

#include "commands/route_finder.h"
#include "support/test_paths.h"

namespace skyloom {
namespace {

struct Drawn {
    const char* what;
    const char* airports;
    const char* airways;
    const char* departure;
    const char* destination;
    const char* text;     // or the problem
    const char* figures;  // empty when there is no route
    std::vector<std::string> choices;
};

const char* const kGap =
    "W1 001 ALF 0.0 0.5\r\nW1 002 BRV 0.0 3.0\r\nE1 001 CHR 0.0 9.5\r\nE1 002 DLT 0.0 12.0\r\n";

const Drawn kDrawn[] = {
    // A1 bends 1 degree north (2 x 276.6 nm), B2 3 degrees (2 x 324.4 nm);
    // PAX to PEX direct is 540 nm, beyond the limit.
    {"the shorter of two airways",
     "AAAA 0.0 0.0\r\nBBBB 0.0 10.0\r\n",
     "B2 001 PAX 0.0 0.5\r\nB2 002 RUM 3.0 5.0\r\nB2 003 PEX 0.0 9.5\r\n"
     "A1 001 PAX 0.0 0.5\r\nA1 002 QUO 1.0 5.0\r\nA1 003 PEX 0.0 9.5\r\n",
     "AAAA",
     "BBBB",
     "AAAA PAX A1 PEX BBBB",
     "613 nm, 2 airway legs, 2 direct legs",
     {}},
    // HUB joins K1, K2 and K3: 210 + 210 nm and two changes against 630 for
    // WES EAS direct. The damaged line of K0 is no point.
    {"a point on three airways",
     "CCCC 0.0 0.0\r\nDDDD 0.0 8.0\r\n",
     "K0 001 HUB 0.0 north\r\nK3 001 NOR 3.0 4.0\r\nK3 002 HUB 0.0 4.0\r\nK3 003 SUD -3.0 4.0\r\n"
     "K1 001 WES 0.0 0.5\r\nK1 002 HUB 0.0 4.0\r\nK2 001 HUB 0.0 4.0\r\nK2 002 EAS 0.0 7.5\r\n",
     "CCCC",
     "DDDD",
     "CCCC WES K1 HUB K2 EAS DDDD",
     "480 nm, 2 airway legs, 2 direct legs",
     {}},
    // Beside L1 the word DUP is read as the DUP of L12 (its first eight
    // characters hold "L1"), so DUP stands as a plain word and the pilot picks
    // it; the way round it without the choice (over EKO) is far longer.
    {"one identifier at two places",
     "EEEE 0.0 0.0\r\nFFFF 0.5 4.3\r\n",
     "L12 001 DUP 10.0 4.0\r\nL12 002 ZED 12.0 4.0\r\n"
     "L1 001 WIT 0.0 0.5\r\nL1 002 DUP 0.0 4.0\r\nL1 003 EKO 0.0 7.5\r\n",
     "EEEE",
     "FFFF",
     "EEEE WIT DUP FFFF",
     "275 nm, 1 airway leg, 2 direct legs",
     {"DUP 0.0:4.0"}},
    // BRV to CHR is 390 nm of open sea.
    {"an ocean gap",
     "GGGG 0.0 0.0\r\nHHHH 0.0 12.5\r\n",
     kGap,
     "GGGG",
     "HHHH",
     "GGGG ALF W1 BRV CHR E1 DLT HHHH",
     "750 nm, 2 airway legs, 3 direct legs",
     {}},
    // FAR lies off the globe: no point, so the gap is crossed as before.
    {"a point off the globe",
     "GGGG 0.0 0.0\r\nHHHH 0.0 12.5\r\n",
     "W1 001 ALF 0.0 0.5\r\nW1 002 BRV 0.0 3.0\r\nW1 003 FAR 0.0 22085700000\r\n"
     "E1 001 CHR 0.0 9.5\r\nE1 002 DLT 0.0 12.0\r\n",
     "GGGG",
     "HHHH",
     "GGGG ALF W1 BRV CHR E1 DLT HHHH",
     "750 nm, 2 airway legs, 3 direct legs",
     {}},
    {"an airport off the globe",
     "GGGG 0.0 0.0\r\nJJJJ 0.0 50000000000\r\n",
     kGap,
     "GGGG",
     "JJJJ",
     "The airport 'JJJJ' has no readable position in airports.dat.",
     "",
     {}},
    {"no airway point in reach",
     "GGGG 0.0 0.0\r\nIIII 0.0 40.0\r\n",
     kGap,
     "GGGG",
     "IIII",
     "No airway point lies within 480 nm of the airport IIII.",
     "",
     {}},
    {"departure equal to destination",
     "GGGG 0.0 0.0\r\n",
     kGap,
     "GGGG",
     "GGGG",
     "GGGG GGGG",
     "0 nm, 0 airway legs, 0 direct legs",
     {}},
};

TEST(FinderNetwork, HandDrawnNetworksGiveTheirRouteTexts) {
    for (const Drawn& drawn : kDrawn) {
        testing::TempFolder folder;
        testing::writeBytes(folder.file("airports.dat"), drawn.airports);
        testing::writeBytes(folder.file("wpNavRTE.txt"), drawn.airways);
        NavDatabase nav(folder.path() + kPathSeparator);
        const AirwayNetwork network(nav);
        const FoundRoute found = FindRoute(network, nav, drawn.departure, drawn.destination);
        EXPECT_EQ(found.found ? found.text : found.problem, drawn.text) << drawn.what;
        EXPECT_EQ(found.found ? FoundRouteFigures(found) : "", drawn.figures) << drawn.what;
        EXPECT_EQ(found.choices, drawn.choices) << drawn.what;
    }
}

}  // namespace
}  // namespace skyloom
