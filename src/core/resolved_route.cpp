#include "core/resolved_route.h"

namespace skyloom {

std::vector<const ResolvedPoint*> ResolvedRoute::resolvedPoints() const {
    std::vector<const ResolvedPoint*> found;
    for (const ResolvedPoint& point : points) {
        if (point.resolved) {
            found.push_back(&point);
        }
    }
    return found;
}

std::vector<std::string> ResolvedRoute::unresolvedNames() const {
    std::vector<std::string> names;
    for (const ResolvedPoint& point : points) {
        if (!point.resolved) {
            names.push_back(point.identifier);
        }
    }
    return names;
}

}  // namespace skyloom
