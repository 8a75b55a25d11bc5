#include "route/distance.h"

#include <cmath>
#include <utility>
#include <vector>

namespace skyloom {

int TotalRouteDistance(const ResolvedRoute& route) {
    std::vector<std::pair<double, double>> points{
        {route.departure.latitude, route.departure.longitude}};
    for (const ResolvedPoint* point : route.resolvedPoints()) {
        points.emplace_back(point->latitude, point->longitude);
    }
    points.emplace_back(route.destination.latitude, route.destination.longitude);
    double total = 0.0;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        total += GreatCircleDistance(points[i].first, points[i].second, points[i + 1].first,
                                     points[i + 1].second, "N");
    }
    double rounded = std::floor(total + 0.5);
    if (!(rounded < 2147483647.0)) {
        return 2147483647;
    }
    return static_cast<int>(rounded);
}

}  // namespace skyloom
