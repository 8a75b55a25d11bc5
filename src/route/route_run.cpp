#include "route/route_run.h"

#include "io/text_util.h"

namespace skyloom {

void RouteRun::markUnresolved(const std::string& element) {
    ResolvedPoint point;
    point.identifier = element;
    point.resolved = false;
    route.points.push_back(point);
}

std::string RouteRun::lastPointText() const {
    for (auto point = route.points.rbegin(); point != route.points.rend(); ++point) {
        if (point->resolved) {
            return point->latitudeText + " " + point->longitudeText;
        }
    }
    return route.departure.latitudeText + " " + route.departure.longitudeText;
}

ResolvedPoint PointAt(const std::string& identifier, const std::string& latitude,
                      const std::string& longitude, const WaypointPosition& position) {
    ResolvedPoint point;
    point.identifier = identifier;
    point.latitudeText = latitude;
    point.longitudeText = longitude;
    point.recordText = position.recordText();
    point.listingText = position.listingText();
    point.latitude = leadingNumber(latitude);
    point.longitude = leadingNumber(longitude);
    return point;
}

}  // namespace skyloom
