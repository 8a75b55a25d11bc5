#include <gtest/gtest.h>

#include <optional>

#include "route/route_intake.h"

namespace skyloom {
namespace {

// A route-finder result page as the browser pane gives its text (CR LF).
std::string page(const std::string& skipped, const std::string& route,
                 const std::string& header = "From (EDDF)\r\nTo (KJFK) 3350 nautical miles\r\n") {
    return header + "Tracks are magnetic, distances are in nautical miles.\r\n" + skipped + "\r\n" +
           route + "\r\nID\tFREQ\tTRK\tDIST\r\n";
}

TEST(RouteIntake, TakesTheRouteBelowTheMarker) {
    const std::pair<std::string, std::optional<std::string>> rows[] = {
        {page("Route:", "  EDDF   KRL  UL610     TALYO KJFK "), "EDDF KRL UL610 TALYO KJFK"},
        // The line under the marker is skipped even when it names the destination.
        {page("EDDF-KJFK:", "EDDF KRL KJFK"), "EDDF KRL KJFK"},
        // The character after the code is taken along.
        {page("Route:", "EDDF KRL KJFK2 XYZ"), "EDDF KRL KJFK2"},
        // The code comes from the last parentheses before the first "nautical miles".
        {page("x", "EDDF ABC LFPG KJFK", "(EDDF) (LFPG) 250 nautical miles (KJFK)\r\n"),
         "EDDF ABC LFPG"},
        {"EDDF KRL KJFK\r\n(KJFK) 3000 nautical miles\r\n", std::nullopt},  // no marker
        {page("x", "EDDF KJFK", "3350 nautical miles\r\n"), std::nullopt},  // no parentheses
        {page("KJFK", "EDDF KRL LFPG"), std::nullopt},  // the code not below the marker
    };
    for (const auto& [text, route] : rows) {
        EXPECT_EQ(RouteFromRouteFinderPage(text), route) << text;
    }
}

}  // namespace
}  // namespace skyloom
