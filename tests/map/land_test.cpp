#include <gtest/gtest.h>

#include <string>

#include "map/land.h"

namespace skyloom {
namespace {

std::string feature(const std::string& type, const std::string& coordinates) {
    return R"({"type":"Feature","geometry":{"type":")" + type + R"(","coordinates":)" +
           coordinates + "}}";
}

std::string collection(const std::string& features) {
    return R"({"type":"FeatureCollection","features":[)" + features + "]}";
}

const std::string kSquare = "[[[10,50],[12,50],[12,52.5],[10,50]],[[10.5,50.5],[11,50.5],[11,51]]]";

TEST(Land, ReadsPolygonsAndMultiPolygons) {
    struct Row {
        std::string json;
        std::size_t shapes;
        std::size_t ringsOfFirst;
    };
    const Row rows[] = {
        {collection(feature("Polygon", kSquare)), 1, 2},
        {collection(feature("MultiPolygon", "[" + kSquare + "," + kSquare + "]")), 2, 2},
        // A ring of two positions and a position that is no pair of numbers are left out.
        {collection(feature("Polygon", R"([[[1,2],[3,4]],[[0,0],["x",1],[1,1],[0,1],[0,0]]])")), 1,
         1},
        // Off the globe: the first two rings keep two positions and one, the third all three.
        {collection(feature("Polygon",
                            "[[[9e122,10],[-170,10],[-170,20],[170,90.5]],"
                            "[[180.5,0],[0,-91],[0,0]],[[0,0],[1,0],[1,1]]]")),
         1, 1},
        {collection(feature("LineString", "[[1,2],[3,4],[5,6]]")), 0, 0},
        {collection(feature("Polygon", kSquare) + ",{\"geometry\":null}"), 1, 2},
        {"{\"features\":[" + feature("Polygon", kSquare), 0, 0},      // cut off
        {std::string(100000, '[') + std::string(100000, ']'), 0, 0},  // nested too deep
        {"", 0, 0},
    };
    for (const Row& row : rows) {
        const Land land = ParseLand(row.json);
        ASSERT_EQ(land.size(), row.shapes) << row.json.substr(0, 80);
        if (row.shapes > 0) {
            EXPECT_EQ(land[0].rings.size(), row.ringsOfFirst) << row.json.substr(0, 80);
        }
    }
    // Positions are longitude, latitude; the bounds come from the outer ring.
    const Land land = ParseLand(collection(feature("Polygon", kSquare)));
    EXPECT_DOUBLE_EQ(land[0].rings[0][2].latitude, 52.5);
    EXPECT_DOUBLE_EQ(land[0].rings[0][2].longitude, 12.0);
    EXPECT_DOUBLE_EQ(land[0].west, 10.0);
    EXPECT_DOUBLE_EQ(land[0].east, 12.0);
}

TEST(Land, CopiesReachIntoAViewAcrossTheDateLine) {
    LandShape alaska;
    alaska.west = -170.0;
    alaska.east = -140.0;
    struct Row {
        double west, east;
        std::vector<double> shifts;
    };
    const Row rows[] = {
        {-180.0, 180.0, {0.0}},
        {150.0, 230.0, {360.0}},  // east of the date line, Alaska one turn on
        {-200.0, -175.0, {}},     // ends just short of it
        {-140.0, -100.0, {0.0}},  // touching counts
        {-560.0, 220.0, {-360.0, 0.0, 360.0}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(LandShifts(alaska, row.west, row.east), row.shifts)
            << row.west << " " << row.east;
    }
}

TEST(Land, AFileThatCannotBeReadSaysWhichOne) {
    const LandReading reading = ReadLand("no/such/land.geojson");
    EXPECT_TRUE(reading.land.empty());
    EXPECT_EQ(reading.problem,
              "The land file no/such/land.geojson could not be read, so the map shows no land.");
}

}  // namespace
}  // namespace skyloom
