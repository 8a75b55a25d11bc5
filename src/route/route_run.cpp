#include "route/route_run.h"

namespace skyloom {

void RouteRun::markUnresolved(const std::string& element) {
    routeIncomplete = true;
    data().unresolved.push_back(element);
}

}  // namespace skyloom
