#include "geo/coordinates.h"

#include <gtest/gtest.h>

namespace skyloom {
namespace {

TEST(PadToSixDecimals, PadsButNeverCutsOrRounds) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"47.5", "47.500000"},
        {"8", "8.000000"},
        {"50,0333", "50,033300"},
        {"12.1234567", "12.1234567"},
        {"0.123456", "0.123456"},
        {"", ".000000"},
        // The first comma, else the first point, is the separator.
        {"1,2.5", "1,2.5000"},
        {"1,2,5", "1,2,5000"},
        {"1.2.5", "1.2.5000"},
    };
    for (const Case& c : cases) {
        std::string a = c.in;
        std::string b = "1";
        PadToSixDecimals(a, b);
        EXPECT_EQ(a, c.out) << c.in;
        EXPECT_EQ(b, "1.000000");
    }
}

TEST(FormatFs9Coordinates, WritesDegreesMinutesAndWholeSeconds) {
    struct Case {
        const char* position;
        const char* altitude;
        const char* expected;
    };
    const Case cases[] = {
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
        {"", "0", " 0.0',  0.0', 0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFs9Coordinates(c.position, c.altitude), c.expected) << c.position;
    }
}

TEST(ToDegreesMinutesSeconds, LatitudeTakesTheFirstStarAndLongitudeTheLast) {
    // 0.00625 * 3600 = 22.5 -> 22 (even); 0.01375 * 3600 = 49.5 -> 50
    EXPECT_EQ(ToDegreesMinutesSeconds("N1*00625 E1*2*01375"), "N1* 0.22', E1*2* 0.50', ");
    // After the first star of the latitude: 0.5 read from "0.5*00625", 1800 s.
    EXPECT_EQ(ToDegreesMinutesSeconds("N1*5*00625 E1*00625"), "N1* 30.0', E1* 0.22', ");
}

TEST(WaypointPosition, HemispheresByTheSignAndZeroCountsAsSouthAndWest) {
    struct Case {
        const char* lat;
        const char* lon;
        const char* record;
        const char* listing;
    };
    const Case cases[] = {
        {"50.123456", "8.123456", "1 N 50.123456 E 8.123456 0", "N 50.123456\tE 8.123456"},
        {"-33.9", "-70.25", "1 S 33.900000 W 70.250000 0", "S 33.900000\tW 70.250000"},
        {"0", "0.000000", "1 S 0.000000 W 0.000000 0", "S 0.000000\tW 0.000000"},
        {"47.5", "-0.0000123", "1 N 47.500000 W 0.0000123 0", "N 47.500000\tW 0.0000123"},
    };
    for (const Case& c : cases) {
        WaypointPosition position;
        ASSERT_TRUE(MakeWaypointPosition(c.lat, c.lon, position)) << c.lat;
        EXPECT_EQ(position.recordText(), c.record);
        EXPECT_EQ(position.listingText(), c.listing);
    }
    WaypointPosition position;
    EXPECT_FALSE(MakeWaypointPosition("N50", "8", position));
    EXPECT_FALSE(MakeWaypointPosition("50", "", position));
}

}  // namespace
}  // namespace skyloom
