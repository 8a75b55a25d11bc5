#pragma once
// X-Plane 11 and 12 flight plan (.fms, version 1100), for <X-Plane>/Output/FMS plans:
//
//   I
//   1100 Version
//   CYCLE 2612
//   ADEP EDDF
//   ADES KJFK
//   NUMENR 4
//   1 EDDF ADEP 364.000000 50.033333 8.570556
//   3 KRL DRCT 35000.000000 50.040667 8.406667
//   11 NOSAK UL610 35000.000000 50.240000 7.717500
//   1 KJFK ADES 13.000000 40.639722 -73.778889
//
// A waypoint line holds the point's kind (1 airport, 2 NDB, 3 VOR, 11 named
// fix, 28 a position only), its identifier, ADEP, ADES, DRCT or the airway by
// which it is reached, its altitude in feet (the airport's elevation, the
// cruise altitude en route) and its position in decimal degrees. NUMENR counts
// the waypoint lines, the airports included.

#include <string>
#include <vector>

#include "formats/sim_plan.h"

namespace skyloom {

std::vector<std::string> XPlaneFmsLines(const SimPlan& plan);

}  // namespace skyloom
