#include "geo/coordinates.h"

#include <gtest/gtest.h>

namespace skyloom {
namespace {

// The first comma, else the first point, is the separator.
TEST(PadToSixDecimals, PadsButNeverCutsOrRounds) {
    const std::pair<const char*, const char*> cases[] = {
        {"47.5", "47.500000"}, {"50,0333", "50,033300"}, {"12.1234567", "12.1234567"},
        {"", ".000000"},       {"1,2.5", "1,2.5000"},    {"1.2.5", "1.2.5000"}};
    for (const auto& [in, out] : cases) {
        std::string a = in;
        std::string b = "1";
        PadToSixDecimals(a, b);
        EXPECT_EQ(a, out) << in;
        EXPECT_EQ(b, "1.000000");
    }
}

TEST(FormatFs9Coordinates, WritesDegreesMinutesAndWholeSeconds) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // 0.033333 * 3600 = 119.9988 -> 120 s; 0.570556 * 3600 = 2054.0016 -> 2054 s
        {"1 N 50.033333 E 8.570556", "364", "N50* 2.0', E8* 34.14', 364"},
        // 125 s is written 2.5, not 2.05
        {"1 S 33.034722 W 0.034722", "0", "S33* 2.5', W0* 2.5', 0"},
        // 0.99999 * 3600 = 3599.964 -> 3600 s = 60 min, no carry into the degrees
        {"1 N 50.99999 E 1.000000", "0", "N50* 60.0', E1* 0.0', 0"},
        // a comma from a locale conversion counts as the decimal point
        {"1 N 47,500000 E 8,250000", "1416", "N47* 30.0', E8* 15.0', 1416"},
        // exactly half a second goes to the even neighbour: 0.00125 * 3600 = 4.5 -> 4,
        // 0.00375 * 3600 = 13.5 -> 14
        {"1 N 10.00125 E 10.00375", "0", "N10* 0.4', E10* 0.14', 0"},
    };
    for (const auto& [position, altitude, expected] : cases) {
        EXPECT_EQ(FormatFs9Coordinates(position, altitude), expected) << position;
    }
    // The latitude takes the text after the first star, the longitude after the last.
    EXPECT_EQ(ToDegreesMinutesSeconds("N1*5*00625 E1*2*01375"), "N1* 30.0', E1*2* 0.50', ");
}

TEST(WaypointPosition, HemispheresByTheSignAndZeroCountsAsSouthAndWest) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"-33.9", "-70.25", "1 S 33.900000 W 70.250000 0", "S 33.900000\tW 70.250000"},
        {"0", "0.000000", "1 S 0.000000 W 0.000000 0", "S 0.000000\tW 0.000000"},
        {"47.5", "-0.0000123", "1 N 47.500000 W 0.0000123 0", "N 47.500000\tW 0.0000123"},
    };
    for (const auto& [lat, lon, record, listing] : cases) {
        WaypointPosition position;
        ASSERT_TRUE(MakeWaypointPosition(lat, lon, position)) << lat;
        EXPECT_EQ(position.recordText(), record);
        EXPECT_EQ(position.listingText(), listing);
    }
    WaypointPosition position;
    EXPECT_FALSE(MakeWaypointPosition("N50", "8", position));
}

}  // namespace
}  // namespace skyloom
