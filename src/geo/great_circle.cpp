#include "geo/great_circle.h"

#include <cmath>

#include "io/text_util.h"

namespace skyloom {

double DegreesToRadians(double degrees) {
    return degrees * kPi / 180.0;
}

double RadiansToDegrees(double radians) {
    return radians * 180.0 / kPi;
}

double ArcCosine(double x) {
    // Rounding can push x a hair past +-1 for equal or opposite points.
    if (x >= 1.0) {
        return 0.0;
    }
    if (x <= -1.0) {
        return kPi;
    }
    return kPi / 2.0 - std::atan(x / std::sqrt(1.0 - x * x));
}

double GreatCircleDistance(const std::string& lat1, const std::string& lon1,
                           const std::string& lat2, const std::string& lon2,
                           const std::string& unit) {
    return GreatCircleDistance(leadingNumber(lat1), leadingNumber(lon1), leadingNumber(lat2),
                               leadingNumber(lon2), unit);
}

double GreatCircleDistance(double la1, double lo1, double la2, double lo2,
                           const std::string& unit) {
    double theta = lo1 - lo2;
    double x = std::sin(DegreesToRadians(la1)) * std::sin(DegreesToRadians(la2)) +
               std::cos(DegreesToRadians(la2)) * std::cos(DegreesToRadians(la1)) *
                   std::cos(DegreesToRadians(theta));
    double d = RadiansToDegrees(ArcCosine(x)) * 60.0 * 1.1515;
    std::string upper = toUpper1252(unit);
    if (upper == "K") {
        d *= 1.609344;
    } else if (upper == "N") {
        d *= 0.8684;
    }
    return d;
}

}  // namespace skyloom
