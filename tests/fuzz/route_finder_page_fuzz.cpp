// The text of the page in the browser pane that the "->" button takes the
// route from, and the route it gives as the calculation normalises it.

#include "fuzz_support.h"
#include "route/resolve_route.h"
#include "route/route_intake.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 1);
    if (const auto route = RouteFromRouteFinderPage(parts[0])) {
        NormaliseRoute(*route);
    }
    return 0;
}
