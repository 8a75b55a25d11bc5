#pragma once
// Microsoft Flight Simulator flight plan (.pln) in the 2020 dialect, which
// MSFS 2020 and MSFS 2024 both load. UTF-8 with a byte-order mark:
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <SimBase.Document Type="AceXML" version="1,0">
//       <Descr>AceXML Document</Descr>
//       <FlightPlan.FlightPlan>
//           <Title>EDDF to KJFK</Title>
//           <FPType>IFR</FPType>
//           <RouteType>HighAlt</RouteType>
//           <CruisingAlt>35000.000</CruisingAlt>
//           <DepartureID>EDDF</DepartureID>
//           <DepartureLLA>N50° 2' 0.00",E8° 34' 14.00",+000364.00</DepartureLLA>
//           ... the destination, Descr, names, AppVersion ...
//           <ATCWaypoint id="EDDF">            one per point, the airports included
//               <ATCWaypointType>Airport</ATCWaypointType>
//               <WorldPosition>N50° 2' 0.00",E8° 34' 14.00",+000364.00</WorldPosition>
//               <ICAO>
//                   <ICAOIdent>EDDF</ICAOIdent>
//               </ICAO>
//           </ATCWaypoint>
//           ...
//
// Our navigation data holds no ICAO regions, and without one the simulator may
// take a namesake of a route point somewhere else. So every point between the
// airports is a "User" point at the exact position the calculation chose, with
// its identifier and, when it is reached by one, its airway.

#include <string>
#include <vector>

#include "formats/sim_plan.h"

namespace skyloom {

// "N50° 2' 1.20",E8° 34' 14.00",+000364.00": degrees, minutes and seconds
// rounded once to hundredths of a second, the hemisphere taken after rounding,
// and the altitude in feet. The degree sign is UTF-8.
std::string MsfsPosition(double latitude, double longitude, double altitude);

// The file's lines; the first begins with the UTF-8 byte-order mark.
std::vector<std::string> MsfsPlnLines(const SimPlan& plan);

}  // namespace skyloom
