#pragma once
// The route map window ("Map"): the last calculated or loaded route drawn
// over the land, with a button that saves the picture as PNG. It stays open
// beside the main window and follows every new flight.

#include <QImage>
#include <QWidget>
#include <vector>

#include "core/main_data.h"
#include "core/settings.h"
#include "map/route_points.h"
#include "ui/route_map_painter.h"

class QLabel;
class QPushButton;

namespace skyloom::ui {

class RouteMapWindow : public QWidget {
    Q_OBJECT
  public:
    // Reads the land from ProgramFolder\map\ne_110m_land.geojson.
    explicit RouteMapWindow(const Settings& settings, QWidget* parent = nullptr);

    // The picture as the window shows it now; empty without a route.
    QImage picture() const;

  public slots:
    // Takes the route of the data store (after a calculation or a loaded flight).
    void showFlight(const skyloom::MainWindowData& data);

  private slots:
    void SavePicture_Click();

  private:
    void updateControls();

    class Canvas;
    Land land_;
    QString landProblem_;
    std::vector<MapPoint> route_;
    Canvas* canvas_ = nullptr;
    QLabel* message_ = nullptr;  // "Message": no route yet, or no land
    QPushButton* save_ = nullptr;
};

}  // namespace skyloom::ui
