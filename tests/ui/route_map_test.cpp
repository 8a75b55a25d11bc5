// The route map as a pilot looks at it: the Frankfurt to New York route over
// the right land and water, redrawn for a new flight and saved as PNG.

#include <QtTest>
#include <QtWidgets>

#include "support/ui_test_support.h"
#include "ui/route_map_window.h"

using namespace skyloom;
using namespace skyloom::uitest;

class RouteMapTest : public QObject {
    Q_OBJECT
  private slots:
    void sampleRouteOverTheAtlantic() {
        TestProgramFolder folder;
        QDir().mkpath(folder.file("map"));
        QFile::copy(sourcePath("data/map/ne_110m_land.geojson"),
                    folder.file("map/ne_110m_land.geojson"));
        auto main = startMainWindow(folder);
        auto* route = child<QLineEdit>(main.get(), "Text1");
        click(main.get(), "Option2");  // the 747 carries the fuel for the crossing: no message
        route->setText("EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK");
        click(main.get(), "Command1");
        child<QAction>(main.get(), "mnu_Map")->trigger();
        auto* map = child<ui::RouteMapWindow>(main.get(), "RouteMap");
        const QImage picture = map->picture();
        const std::vector<MapPoint> points = RouteMapPoints(main->data());
        const MapView view = ui::routeMapView(points, picture.size());
        const auto colourAt = [&](GeoPoint point, QRgb colour) {
            const PicturePoint at = view.project(point);
            const QRgb c = picture.pixel(QPointF(at.x, at.y).toPoint());
            return std::abs(qRed(c) - qRed(colour)) + std::abs(qGreen(c) - qGreen(colour)) +
                       std::abs(qBlue(c) - qBlue(colour)) <=
                   48;
        };
        QVERIFY(colourAt(points.front().position, ui::kMapDepartureColour));
        QVERIFY(colourAt(points.back().position, ui::kMapDestinationColour));
        for (std::size_t i = 2; i + 2 < points.size(); ++i) {  // clear of the airports' marks
            QVERIFY2(colourAt(points[i].position, ui::kMapRouteColour), points[i].label.c_str());
        }
        // Land a little south of Frankfurt, clear of its mark and name; water far out at sea.
        QVERIFY(colourAt({48.6, 8.6}, ui::kMapLandColour));
        QVERIFY(colourAt({45.0, -35.0}, ui::kMapWaterColour));

        route->setText("EDDF KJFK");
        click(main.get(), "Command1");
        QVERIFY(map->picture() != picture);
        answerText(folder.file("crossing.png"));
        click(map, "SavePicture");
        QVERIFY(allModalsAnswered());
        QCOMPARE(QImage(folder.file("crossing.png")).convertToFormat(map->picture().format()),
                 map->picture());
    }
};

QTEST_MAIN(RouteMapTest)
#include "route_map_test.moc"
