#pragma once
// Draws the route map picture: water, the land polygons, the route as
// great-circle legs and its points with their names. The geometry comes from
// map/map_geometry.h; this only paints.

#include <QImage>
#include <QRgb>
#include <QSize>
#include <vector>

#include "map/land.h"
#include "map/map_geometry.h"
#include "map/route_points.h"

namespace skyloom::ui {

inline constexpr QRgb kMapWaterColour = 0xffcfe3f2;
inline constexpr QRgb kMapLandColour = 0xffe8e2cc;
inline constexpr QRgb kMapCoastColour = 0xffa89f83;
inline constexpr QRgb kMapRouteColour = 0xffd0187a;
inline constexpr QRgb kMapDepartureColour = 0xff1f8a3a;
inline constexpr QRgb kMapDestinationColour = 0xff1a4fc4;

// The view in which renderRouteMap draws the route into a picture of `size`.
MapView routeMapView(const std::vector<MapPoint>& route, QSize size);

// The picture of the route over the land. Without points it shows the world.
QImage renderRouteMap(const std::vector<MapPoint>& route, const Land& land, QSize size);

}  // namespace skyloom::ui
