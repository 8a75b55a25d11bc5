#pragma once

#include <string>
#include <vector>

#include "navdata/nav_database.h"

namespace skyloom {

// Replaces `runways` (List7) with the airport's runways from wpNavAPT.txt: a
// heading line "Runways at NAME", then one line per runway in file order, e.g.
// "RWy 07L - Frq: 110.10 - Head: 070° - Len: 13123 ft. - Elev: 364 ft.".
// The list stays empty when the airport has no runway or a line is damaged.
void ListDestinationRunways(NavDatabase& nav, const std::string& code,
                            std::vector<std::string>& runways);

}  // namespace skyloom
