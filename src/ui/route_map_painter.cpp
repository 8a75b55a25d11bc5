#include "ui/route_map_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "ui/text_convert.h"

namespace skyloom::ui {

namespace {

QPointF toPicture(const MapView& view, const GeoPoint& point, double shift = 0.0) {
    const PicturePoint at = view.project({point.latitude, point.longitude + shift});
    return {at.x, at.y};
}

void drawLand(QPainter& painter, const MapView& view, const Land& land) {
    const double west = view.westLongitude();
    const double east = view.eastLongitude();
    painter.setPen(QPen(QColor(kMapCoastColour), 1.0));
    painter.setBrush(QColor(kMapLandColour));
    for (const LandShape& shape : land) {
        for (const double shift : LandShifts(shape, west, east)) {
            QPainterPath path;
            path.setFillRule(Qt::OddEvenFill);
            for (const std::vector<GeoPoint>& ring : shape.rings) {
                QPolygonF polygon;
                polygon.reserve(static_cast<qsizetype>(ring.size()));
                for (const GeoPoint& point : ring) {
                    polygon << toPicture(view, point, shift);
                }
                path.addPolygon(polygon);
                path.closeSubpath();
            }
            painter.drawPath(path);
        }
    }
}

void drawMark(QPainter& painter, const MapPoint& point, QPointF at) {
    painter.setPen(QPen(Qt::white, 1.5));
    switch (point.kind) {
        case MapPointKind::Departure:
            painter.setBrush(QColor(kMapDepartureColour));
            painter.drawRect(QRectF(at.x() - 6.0, at.y() - 6.0, 12.0, 12.0));
            break;
        case MapPointKind::Destination:
            painter.setBrush(QColor(kMapDestinationColour));
            painter.drawRect(QRectF(at.x() - 6.0, at.y() - 6.0, 12.0, 12.0));
            break;
        case MapPointKind::Waypoint:
            painter.setBrush(QColor(kMapRouteColour));
            painter.drawEllipse(at, 3.5, 3.5);
            break;
    }
}

QRectF markBox(const MapPoint& point, QPointF at) {
    const double half = point.kind == MapPointKind::Waypoint ? 4.5 : 7.0;
    return {at.x() - half, at.y() - half, 2.0 * half, 2.0 * half};
}

// The box of a label beside its mark, on the side given by the signs.
// Measured on the picture itself, so that neither the screen nor its
// settings move a label.
QRectF labelBox(const QFont& font, QPaintDevice* picture, const QString& text, QPointF at,
                double east, double south) {
    QRectF box = QFontMetricsF(font, picture).boundingRect(text);
    box.adjust(-2.0, -1.0, 2.0, 1.0);
    const double x = east > 0.0 ? at.x() + 8.0 : at.x() - 8.0 - box.width();
    const double y = south > 0.0 ? at.y() + 8.0 : at.y() - 8.0 - box.height();
    box.moveTo(x, y);
    return box;
}

void drawLabel(QPainter& painter, const QFont& font, const QRectF& box, const QString& text) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawRoundedRect(box, 2.0, 2.0);
    painter.setFont(font);
    painter.setPen(QColor(40, 40, 40));
    painter.drawText(box, Qt::AlignCenter, text);
}

// The marks with their names. The airports' names sit on the side away from
// the route; a waypoint's name goes to the first corner where it covers no
// mark and no other name, or is left out, so dense stretches stay readable.
void drawPoints(QPainter& painter, const std::vector<MapPoint>& route,
                const std::vector<QPointF>& at) {
    // A named face, unhinted: the same labels in the same places on every
    // machine that has the face, whatever the desktop's default font.
    QFont plain(QStringLiteral("DejaVu Sans"));
    plain.setHintingPreference(QFont::PreferNoHinting);
    plain.setPixelSize(11);
    QFont bold = plain;
    bold.setBold(true);
    bold.setPixelSize(12);

    std::vector<QRectF> taken;
    for (std::size_t i = 0; i < route.size(); ++i) {
        taken.push_back(markBox(route[i], at[i]));
    }
    std::vector<std::pair<QRectF, QString>> airportLabels;
    for (std::size_t i = 0; i < route.size(); ++i) {
        if (route[i].kind == MapPointKind::Waypoint) {
            continue;
        }
        const std::size_t neighbour = route[i].kind == MapPointKind::Departure ? i + 1 : i - 1;
        QPointF away(1.0, -1.0);
        if (i != neighbour && neighbour < route.size() && at[neighbour] != at[i]) {
            away = at[i] - at[neighbour];
        }
        const QString text = toQt(route[i].label);
        airportLabels.emplace_back(
            labelBox(bold, painter.device(), text, at[i], away.x(), away.y()), text);
        taken.push_back(airportLabels.back().first);
    }
    for (std::size_t i = 0; i < route.size(); ++i) {
        if (route[i].kind != MapPointKind::Waypoint) {
            continue;
        }
        const QString text = toQt(route[i].label);
        // Above right, above left, below right, below left: the first that is free.
        for (const QPointF side :
             {QPointF(1, -1), QPointF(-1, -1), QPointF(1, 1), QPointF(-1, 1)}) {
            const QRectF box = labelBox(plain, painter.device(), text, at[i], side.x(), side.y());
            bool covers = false;
            for (const QRectF& other : taken) {
                covers = covers || other.intersects(box);
            }
            if (!covers) {
                taken.push_back(box);
                drawLabel(painter, plain, box, text);
                break;
            }
        }
    }
    // Waypoints first, so the airports stay on top where they meet.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < route.size(); ++i) {
            if ((route[i].kind != MapPointKind::Waypoint) == (pass == 1)) {
                drawMark(painter, route[i], at[i]);
            }
        }
    }
    for (const auto& [box, text] : airportLabels) {
        drawLabel(painter, bold, box, text);
    }
}

}  // namespace

MapView routeMapView(const std::vector<MapPoint>& route, QSize size) {
    return FitView(RouteTrack(PositionsOf(route)), size.width(), size.height());
}

QImage renderRouteMap(const std::vector<MapPoint>& route, const Land& land, QSize size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(kMapWaterColour);
    const std::vector<GeoPoint> points = UnwrapRoute(PositionsOf(route));
    const std::vector<GeoPoint> track = RouteTrack(points);
    const MapView view = routeMapView(route, image.size());

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawLand(painter, view, land);

    QPolygonF line;
    for (const GeoPoint& point : track) {
        line << toPicture(view, point);
    }
    painter.setPen(QPen(QColor(kMapRouteColour), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);

    std::vector<QPointF> at;
    for (const GeoPoint& point : points) {
        at.push_back(toPicture(view, point));
    }
    drawPoints(painter, route, at);
    return image;
}

}  // namespace skyloom::ui
