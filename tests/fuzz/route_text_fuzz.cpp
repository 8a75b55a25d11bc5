// The route text as typed into the window: normalised, then run element by
// element against the small navigation database of the route tests, with the
// waypoint choices answered from the input's second part.

#include "fuzz_support.h"
#include "route/resolve_route.h"
#include "route/route_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skyloom;
    const auto parts = fuzz::splitParts(data, size, 2);
    fuzz::FuzzPrompts prompts(parts[1]);
    Settings settings;
    settings.pathNavData = SKYLOOM_FUZZ_NAV_DIR "/";
    MainWindowData store;
    CommandContext context{settings, store, prompts};
    static NavDatabase nav(settings.pathNavData);
    const RouteResolution resolution = ResolveRoute(context, nav, NormaliseRoute(parts[0]));
    RouteListingLines(resolution.route);
    RoutePointLines(resolution.route);
    return 0;
}
