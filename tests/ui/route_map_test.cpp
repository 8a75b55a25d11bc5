// The route map looked at as a pilot would: the Frankfurt to New York sample
// route drawn over the right land and water, a flight across the date line as
// one short line, and the window following the main window's flights.

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <cstdlib>

#include "map/route_points.h"
#include "support/ui_test_support.h"
#include "ui/route_map_painter.h"
#include "ui/route_map_window.h"
#include "ui/text_convert.h"

using namespace skyloom::uitest;
using skyloom::GeoPoint;
using skyloom::MapPoint;
using skyloom::MapPointKind;
using skyloom::ui::RouteMapWindow;

namespace {

const QString kSampleRoute =
    QStringLiteral("EDDF KRL UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK");

skyloom::Land sourceLand() {
    skyloom::LandReading reading = skyloom::ReadLand(
        sourcePath(QStringLiteral("data/map/ne_110m_land.geojson")).toStdString());
    if (!reading.problem.empty()) {
        qWarning("%s", reading.problem.c_str());
    }
    return reading.land;
}

bool nearColour(QRgb actual, QRgb expected) {
    return std::abs(qRed(actual) - qRed(expected)) <= 24 &&
           std::abs(qGreen(actual) - qGreen(expected)) <= 24 &&
           std::abs(qBlue(actual) - qBlue(expected)) <= 24;
}

QPoint pixelOf(const skyloom::MapView& view, const GeoPoint& point) {
    const skyloom::PicturePoint at = view.project(point);
    return {static_cast<int>(std::lround(at.x)), static_cast<int>(std::lround(at.y))};
}

// The map's colour at the point's projected pixel is near `colour`.
bool colourAt(const QImage& image, const skyloom::MapView& view, const GeoPoint& point,
              QRgb colour) {
    return nearColour(image.pixel(pixelOf(view, point)), colour);
}

// True when some pixel within `reach` of the spot has the colour.
bool colourAround(const QImage& image, QPoint spot, QRgb colour, int reach = 1) {
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p = spot + QPoint(dx, dy);
            if (image.rect().contains(p) && nearColour(image.pixel(p), colour)) {
                return true;
            }
        }
    }
    return false;
}

const MapPoint* pointNamed(const std::vector<MapPoint>& route, const std::string& label) {
    auto found = std::find_if(route.begin(), route.end(),
                              [&](const MapPoint& point) { return point.label == label; });
    return found == route.end() ? nullptr : &*found;
}

}  // namespace

class RouteMapTest : public QObject {
    Q_OBJECT
  private slots:
    void sampleRouteOverTheAtlantic();
    void dateLineRouteIsOneShortLine();
    void noRouteAndNoLand();
};

void RouteMapTest::sampleRouteOverTheAtlantic() {
    TestProgramFolder folder;
    QVERIFY(QDir().mkpath(folder.file(QStringLiteral("map"))));
    QVERIFY(QFile::copy(sourcePath(QStringLiteral("data/map/ne_110m_land.geojson")),
                        folder.file(QStringLiteral("map/ne_110m_land.geojson"))));
    auto main = startMainWindow(folder);
    QVERIFY(main);
    // The 747 carries the fuel for the crossing, so no tank message comes up.
    QTest::mouseClick(child<QWidget>(main.get(), "Option2"), Qt::LeftButton);
    child<QLineEdit>(main.get(), "Text1")->setText(kSampleRoute);
    QTest::mouseClick(child<QWidget>(main.get(), "Command1"), Qt::LeftButton);

    child<QAction>(main.get(), "mnu_Map")->trigger();
    auto* map = child<RouteMapWindow>(main.get(), "RouteMap");
    QVERIFY(map->isVisible());
    QCOMPARE(map->windowTitle(), QStringLiteral("Map"));
    QVERIFY(!child<QLabel>(map, "Message")->isVisible());
    QVERIFY(child<QPushButton>(map, "SavePicture")->isEnabled());

    const QImage picture = map->picture();
    QCOMPARE(picture.size(), child<QWidget>(map, "Picture")->size());
    const std::vector<MapPoint> route = skyloom::RouteMapPoints(main->data());
    QCOMPARE(route.size(), std::size_t{41});
    const skyloom::MapView view = skyloom::ui::routeMapView(route, picture.size());

    for (const char* name : {"TALYO", "ORLIK", "5330N", "5240N", "5050N", "LOMSI", "HLF"}) {
        const MapPoint* point = pointNamed(route, name);
        QVERIFY2(point && colourAt(picture, view, point->position, skyloom::ui::kMapRouteColour),
                 name);
    }
    QVERIFY(colourAt(picture, view, route.front().position, skyloom::ui::kMapDepartureColour));
    QVERIFY(colourAt(picture, view, route.back().position, skyloom::ui::kMapDestinationColour));
    // Land a little south of Frankfurt (clear of its mark and name), water far out at sea.
    QVERIFY(colourAt(picture, view, {48.6, 8.6}, skyloom::ui::kMapLandColour));
    QVERIFY(colourAt(picture, view, {45.0, -35.0}, skyloom::ui::kMapWaterColour));

    // A new calculation redraws the open window.
    child<QLineEdit>(main.get(), "Text1")->setText(QStringLiteral("EDDF KJFK"));
    QTest::mouseClick(child<QWidget>(main.get(), "Command1"), Qt::LeftButton);
    QCOMPARE(map->picture(), skyloom::ui::renderRouteMap(skyloom::RouteMapPoints(main->data()),
                                                         sourceLand(), picture.size()));
    QVERIFY(map->picture() != picture);
}

void RouteMapTest::dateLineRouteIsOneShortLine() {
    // Tokyo to Anchorage: 71 degrees of longitude eastwards across 180.
    const std::vector<MapPoint> route = {{"RJTT", {35.55, 139.78}, MapPointKind::Departure},
                                         {"PANC", {61.17, -149.99}, MapPointKind::Destination}};
    const QImage picture = skyloom::ui::renderRouteMap(route, sourceLand(), QSize(800, 500));
    const skyloom::MapView view = skyloom::ui::routeMapView(route, picture.size());
    const QPoint tokyo = pixelOf(view, route[0].position);
    const QPoint anchorage =
        pixelOf(view, {61.17, skyloom::UnwrapLongitude(-149.99, route[0].position.longitude)});
    QVERIFY(anchorage.x() > tokyo.x());

    GeoPoint middle = skyloom::GreatCirclePoints(route[0].position, route[1].position, 2)[1];
    middle.longitude = skyloom::UnwrapLongitude(middle.longitude, route[0].position.longitude);
    QVERIFY(colourAround(picture, pixelOf(view, middle), skyloom::ui::kMapRouteColour));

    // Not a pixel of the route outside the span between the two airports.
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (x < tokyo.x() - 8 || x > anchorage.x() + 8) {
                QVERIFY2(!nearColour(picture.pixel(x, y), skyloom::ui::kMapRouteColour),
                         qPrintable(QStringLiteral("route colour at %1,%2").arg(x).arg(y)));
            }
        }
    }
    // Land beyond the date line: Alaska.
    QVERIFY(colourAt(picture, view, {64.0, 210.0}, skyloom::ui::kMapLandColour));
}

void RouteMapTest::noRouteAndNoLand() {
    QTemporaryDir empty;
    skyloom::Settings settings;
    settings.programFolder = skyloom::ui::fromQt(QDir::toNativeSeparators(empty.path()));
    RouteMapWindow map(settings, nullptr);
    map.show();
    map.showFlight(skyloom::MainWindowData{});
    auto* message = child<QLabel>(&map, "Message");
    QVERIFY(message->isVisible() && message->text().startsWith(QStringLiteral("No route yet.")));
    QVERIFY(message->text().contains(QStringLiteral("ne_110m_land.geojson")));
    QVERIFY(!child<QPushButton>(&map, "SavePicture")->isEnabled());
    QVERIFY(map.picture().isNull());

    skyloom::MainWindowData data;
    data.planLines = {"departure_id=EDDF, N50* 2.0', E8* 34.14', 364",
                      "destination_id=KJFK, N40* 38.23', W73* 46.44', 13"};
    map.showFlight(data);
    QVERIFY(!message->text().contains(QStringLiteral("No route yet.")));
    QVERIFY(child<QPushButton>(&map, "SavePicture")->isEnabled());

    const QString saved = QDir(empty.path()).filePath(QStringLiteral("crossing.png"));
    answerNextModal([&](QWidget* dialog) { typeIntoFileDialog(dialog, saved); });
    QTest::mouseClick(child<QPushButton>(&map, "SavePicture"), Qt::LeftButton);
    QVERIFY(allModalsAnswered());
    const QImage written(saved);
    QCOMPARE(written.size(), map.picture().size());
    // Without land the whole map is water under the route.
    QVERIFY(nearColour(written.pixel(2, 2), skyloom::ui::kMapWaterColour));
}

QTEST_MAIN(RouteMapTest)
#include "route_map_test.moc"
