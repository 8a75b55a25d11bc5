#pragma once
// Great-circle distances, with the constants the route files have always used:
// pi as 3.14159265358979 and one degree of arc as 60 x 1.1515 statute miles.

#include <string>

namespace skyloom {

inline constexpr double kPi = 3.14159265358979;

double DegreesToRadians(double degrees);
double RadiansToDegrees(double radians);
double ArcCosine(double x);

// Distance between two points given as decimal-degree texts; unit "K"
// kilometres, "N" nautical miles, anything else statute miles.
double GreatCircleDistance(const std::string& lat1, const std::string& lon1,
                           const std::string& lat2, const std::string& lon2,
                           const std::string& unit);
double GreatCircleDistance(double lat1, double lon1, double lat2, double lon2,
                           const std::string& unit);

}  // namespace skyloom
