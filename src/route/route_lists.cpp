#include "route/route_lists.h"

#include "io/text_util.h"

namespace skyloom {

std::vector<std::string> RouteListingLines(const ResolvedRoute& route) {
    std::vector<std::string> lines;
    for (const ResolvedPoint* point : route.resolvedPoints()) {
        lines.push_back(point->identifier + "\t" + point->listingText);
    }
    return lines;
}

std::vector<std::string> RoutePointLines(const ResolvedRoute& route) {
    std::vector<std::string> lines{route.departure.latitudeText + " " +
                                   route.departure.longitudeText};
    for (const ResolvedPoint* point : route.resolvedPoints()) {
        lines.push_back(point->latitudeText + " " + point->longitudeText);
    }
    lines.push_back(replaceAll(route.destination.latitudeText, ",", ".") + " " +
                    replaceAll(route.destination.longitudeText, ",", "."));
    return lines;
}

}  // namespace skyloom
