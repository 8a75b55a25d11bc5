#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "route/route_intake.h"
#include "route/waypoint_candidates.h"

namespace skyloom {
namespace {

// A route-finder result page as the browser pane gives its text (CR LF).
std::string page(const std::string& header, const std::string& skipped, const std::string& route) {
    return header + "Tracks are magnetic, distances are in nautical miles.\r\n" + skipped + "\r\n" +
           route + "\r\nID\tFREQ\tTRK\tDIST\r\nEDDF\t\t0\t0\r\n";
}
const std::string kHeader =
    "From FRANKFURT MAIN (EDDF)\r\nTo NEW YORK KENNEDY (KJFK)\r\nTotal 3350 nautical miles\r\n";

struct IntakeCase {
    const char* name;
    std::string pageText;
    std::optional<std::string> route;
};

TEST(RouteIntake, TakesTheRouteBelowTheMarker) {
    const IntakeCase cases[] = {
        {"plain", page(kHeader, "Route:", "EDDF KRL UL610 TALYO KJFK "),
         "EDDF KRL UL610 TALYO KJFK"},
        {"blank runs collapse", page(kHeader, "Route:", "  EDDF   KRL  UL610     TALYO KJFK"),
         "EDDF KRL UL610 TALYO KJFK"},
        // The line under the marker is skipped even when it names the destination.
        {"key in the skipped line", page(kHeader, "EDDF-KJFK:", "EDDF KRL KJFK"), "EDDF KRL KJFK"},
        // The character after the code is taken along; a line break there is not.
        {"character after the code", page(kHeader, "Route:", "EDDF KRL KJFK2 XYZ"),
         "EDDF KRL KJFK2"},
        // The code comes from the last parentheses before the first "nautical miles".
        {"later parentheses ignored",
         page("From (EDDF)\r\nTo (LFPG) 250 nautical miles (KJFK)\r\n", "x", "EDDF ABC LFPG KJFK"),
         "EDDF ABC LFPG"},
        // The first marker, the first "nautical miles", the first code below the marker.
        {"second marker and miles ignored",
         page(kHeader, "Route:", "EDDF KRL KJFK LFPG KJFK") +
             "(LFPG) nautical miles\r\nTracks are magnetic, distances are in nautical miles.\r\n",
         "EDDF KRL KJFK"},
        {"no marker", "EDDF KRL KJFK\r\n(KJFK) 3000 nautical miles\r\n", std::nullopt},
        {"no parentheses", page("Total 3350 nautical miles\r\n", "x", "EDDF KJFK"), std::nullopt},
        {"no second line break",
         kHeader + "Tracks are magnetic, distances are in nautical miles.\r\nx", std::nullopt},
        {"code not below the marker", page(kHeader, "KJFK", "EDDF KRL LFPG"), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RouteFromRouteFinderPage(c.pageText), c.route) << c.name;
    }
}

TEST(WaypointCandidates, NearestToThePreviousPointIsPicked) {
    // KOPAS in Luxembourg and in Nebraska, seen from Frankfurt and from Denver.
    WaypointChoice choice{{"KOPAS 49.6:6.1", "KOPAS 41.1:-97.2", "KOPAS x:y"}, "50.03 8.57"};
    EXPECT_EQ(nearestCandidate(choice), 0u);
    choice.previousPoint = "39.86 -104.67";
    EXPECT_EQ(nearestCandidate(choice), 1u);
    choice.candidates = {"KOPAS 41.1:-97.2", "KOPAS 41.1:-97.2"};  // equally near: the first
    EXPECT_EQ(nearestCandidate(choice), 0u);
    choice.previousPoint = "";
    EXPECT_EQ(nearestCandidate(choice), 0u);
    EXPECT_EQ(candidateDistanceText("50 8", "A 51:8"), "60 nm");
    EXPECT_EQ(candidateDistanceText("50 8", "A 51:x"), "");
}

}  // namespace
}  // namespace skyloom
