#include "ui/route_map_window.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "io/file_system.h"
#include "ui/qt_prompts.h"
#include "ui/text_convert.h"

namespace skyloom::ui {

namespace {

constexpr const char* kNoRouteText =
    "No route yet. Calculate a route or load a flight, and the map draws it here.";

}  // namespace

// The picture area: renders the route at its own size whenever it is painted.
class RouteMapWindow::Canvas : public QWidget {
  public:
    Canvas(const RouteMapWindow& window, QWidget* parent) : QWidget(parent), window_(window) {
        setObjectName(QStringLiteral("Picture"));
        setMinimumSize(240, 160);
    }

    QImage render() const { return renderRouteMap(window_.route_, window_.land_, size()); }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (window_.route_.empty()) {
            return;
        }
        QPainter painter(this);
        painter.drawImage(0, 0, render());
    }

  private:
    const RouteMapWindow& window_;
};

RouteMapWindow::RouteMapWindow(const Settings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("RouteMap"));
    setWindowTitle(QStringLiteral("Map"));
    resize(900, 600);

    LandReading reading =
        ReadLand(settings.besideProgram("map") + kPathSeparator + "ne_110m_land.geojson");
    land_ = std::move(reading.land);
    landProblem_ = toQt(reading.problem);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("Message"));
    message_->setWordWrap(true);
    canvas_ = new Canvas(*this, this);
    save_ = new QPushButton(QStringLiteral("Save as PNG"), this);
    save_->setObjectName(QStringLiteral("SavePicture"));
    save_->setAutoDefault(false);
    connect(save_, &QPushButton::clicked, this, &RouteMapWindow::SavePicture_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(canvas_, 1);
    layout->addLayout(buttons);
    updateControls();
}

QImage RouteMapWindow::picture() const {
    return route_.empty() ? QImage() : canvas_->render();
}

void RouteMapWindow::showFlight(const skyloom::MainWindowData& data) {
    route_ = RouteMapPoints(data);
    updateControls();
    canvas_->update();
}

void RouteMapWindow::updateControls() {
    QStringList lines;
    if (route_.empty()) {
        lines << QString::fromLatin1(kNoRouteText);
    }
    if (!landProblem_.isEmpty()) {
        lines << landProblem_;
    }
    message_->setText(lines.join(QChar(u'\n')));
    message_->setVisible(!lines.isEmpty());
    save_->setEnabled(!route_.empty());
}

void RouteMapWindow::SavePicture_Click() {
    if (route_.empty()) {
        return;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    FileDialog request;
    request.filter = "PNG picture (*.png)|*.png";
    request.initialFolder = fromQt(QDir::toNativeSeparators(folder)) + kPathSeparator;
    request.proposedName = route_.front().label + "-" + route_.back().label + ".png";
    request.warnOnOverwrite = true;
    QtPrompts prompts(this);
    const std::optional<std::string> chosen = prompts.saveFile(request);
    if (!chosen || chosen->empty()) {
        return;
    }
    // Written beside and renamed, so a failed save leaves an older picture whole.
    QSaveFile file(toQt(*chosen));
    const QImage image = picture();
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        prompts.message({"The map could not be saved as " + *chosen + ".", MessageButtons::Ok,
                         MessageIcon::Critical, ""});
    }
}

}  // namespace skyloom::ui
