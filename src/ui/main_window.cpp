#include "ui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTimer>

#include "commands/sim_plan_export.h"
#include "fuel/aircraft_choice.h"
#include "settings/activation.h"
#include "settings/shutdown.h"
#include "settings/startup.h"
#include "ui/browser_pane.h"
#include "ui/ivao_plan_icon.h"
#include "ui/main_window_layout.h"
#include "ui/text_convert.h"
#include "ui/typed_capitals.h"

namespace skyloom::ui {

namespace {

QColor qtColour(const Colour& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

void setTextColour(QWidget* widget, const Colour& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, qtColour(colour));
    palette.setColor(QPalette::ButtonText, qtColour(colour));
    widget->setPalette(palette);
}

template <class T>
T* control(QWidget* root, const char* name) {
    return root->findChild<T*>(QLatin1String(name));
}

}  // namespace

MainWindow::MainWindow(const std::string& programFolder, QWidget* parent)
    : QMainWindow(parent), prompts_(this), session_(programFolder, prompts_) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Skyloom"));
    // A fixed window that can be minimised but neither maximised nor resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    // The small sans-serif type the layout was drawn for; Arial's metric twin
    // stands in where MS Sans Serif is missing.
    QFont font = client->font();
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSizeF(7.5);
    client->setFont(font);
    createMainWindowControls(client);
    setCentralWidget(client);
    buildMenus();
    findControls();
    connectControls();
    fixedSize_ = QSize(client->width(), client->height() + menuBar()->sizeHint().height());
    setFixedSize(fixedSize_);
    refreshFromData();
    // Once the window shows, the navigation indexes are read (or built, the
    // first time), so that the first calculation does not wait for them.
    QTimer::singleShot(0, this, [this] { session_.nav().prepare(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    QMenu* flights = menuBar()->addMenu(QStringLiteral("Flights"));
    flights->setObjectName(QStringLiteral("Flights"));
    QAction* load = flights->addAction(QStringLiteral("load"));
    load->setObjectName(QStringLiteral("load"));
    connect(load, &QAction::triggered, this, &MainWindow::load_Click);
    QAction* save = flights->addAction(QStringLiteral("save"));
    save->setObjectName(QStringLiteral("save"));
    connect(save, &QAction::triggered, this, &MainWindow::save_Click);
    for (const SimPlanFormat& format : kSimPlanFormats) {
        QAction* export_ = flights->addAction(QString::fromLatin1(format.menuEntry));
        export_->setObjectName(QStringLiteral("export_") +
                               QString::fromLatin1(format.extension + 1));  // export_fms
        connect(export_, &QAction::triggered, this, [this, &format] { export_Click(format); });
    }

    QMenu* route = menuBar()->addMenu(QStringLiteral("Route"));
    route->setObjectName(QStringLiteral("mnu_Route"));
    QAction* findRoute = route->addAction(QStringLiteral("Find route\u2026"));
    findRoute->setObjectName(QStringLiteral("mnu_FindRoute"));
    connect(findRoute, &QAction::triggered, this, &MainWindow::mnu_FindRoute_Click);

    QAction* paths = menuBar()->addAction(QStringLiteral("Set Paths"));
    paths->setObjectName(QStringLiteral("Paths"));
    connect(paths, &QAction::triggered, this, &MainWindow::Paths_Click);
    QAction* help = menuBar()->addAction(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnu_Help"));
    connect(help, &QAction::triggered, this, &MainWindow::mnu_Help_Click);
    QAction* map = menuBar()->addAction(QStringLiteral("Map"));
    map->setObjectName(QStringLiteral("mnu_Map"));
    connect(map, &QAction::triggered, this, &MainWindow::mnu_Map_Click);
}

void MainWindow::findControls() {
    QWidget* client = centralWidget();
    browser_ = control<BrowserPane>(client, "WebBrowser1");
    route_ = control<QLineEdit>(client, "Text1");
    cruise_ = control<QComboBox>(client, "Text3");
    distance_ = control<QLineEdit>(client, "Text5");
    planText_ = control<QPlainTextEdit>(client, "Text2");
    fuel_[0] = control<QLineEdit>(client, "Text4(0)");
    fuel_[1] = control<QLineEdit>(client, "Text4(1)");
    duration_ = control<QLabel>(client, "Label4");
    tankShare_ = control<QLabel>(client, "Label6");
    tankShare_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    swatch_ = control<QFrame>(client, "Picture1");
    const char* optionNames[] = {"Option1", "Option2", "Option3", "Option4"};
    for (int i = 0; i < 4; ++i) {
        options_[i] = control<QRadioButton>(client, optionNames[i]);
    }
    createFsPlan_ = control<QCheckBox>(client, "Check1");
    onlyFsPlan_ = control<QCheckBox>(client, "Check2");
    saveFmc_ = control<QPushButton>(client, "Command2");
    listing_ = control<QListWidget>(client, "List3");

    auto* makeIvaoPlan = control<QAbstractButton>(client, "Command5");
    makeIvaoPlan->setIcon(ivaoPlanIcon());
    makeIvaoPlan->setIconSize(QSize(32, 32));
    QFont small = makeIvaoPlan->font();
    small.setPointSizeF(6.5);
    makeIvaoPlan->setFont(small);
}

void MainWindow::connectControls() {
    QWidget* client = centralWidget();
    const std::pair<const char*, void (MainWindow::*)()> buttons[] = {
        {"Command1", &MainWindow::Command1_Click},   {"Command2", &MainWindow::Command2_Click},
        {"Command3", &MainWindow::Command3_Click},   {"Command4", &MainWindow::Command4_Click},
        {"Command5", &MainWindow::Command5_Click},   {"Command6", &MainWindow::Command6_Click},
        {"Command7", &MainWindow::Command7_Click},   {"Command8", &MainWindow::Command8_Click},
        {"Command11", &MainWindow::Command11_Click}, {"Command13", &MainWindow::Command13_Click},
    };
    for (const auto& [name, handler] : buttons) {
        connect(control<QAbstractButton>(client, name), &QAbstractButton::clicked, this, handler);
    }
    for (int i = 0; i < 4; ++i) {
        connect(options_[i], &QRadioButton::clicked, this,
                [this, i] { Option_Click(kAllAircraft[i]); });
    }
    connect(createFsPlan_, &QCheckBox::clicked, this, &MainWindow::Check1_Click);
    connect(onlyFsPlan_, &QCheckBox::clicked, this, &MainWindow::Check2_Click);

    // What the pilot types goes straight into the data store.
    connect(route_, &QLineEdit::textChanged, this,
            [this](const QString& text) { data_.route = fromQt(text); });
    connect(cruise_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { data_.cruiseAltitude = fromQt(text); });
    connect(distance_, &QLineEdit::textChanged, this,
            [this](const QString& text) { data_.distance = fromQt(text); });
    connect(planText_, &QPlainTextEdit::textChanged, this,
            [this] { data_.printText = fromQtLines(planText_->toPlainText()); });
    for (std::size_t i = 0; i < 2; ++i) {
        connect(fuel_[i], &QLineEdit::textChanged, this,
                [this, i](const QString& text) { data_.fuel[i] = fromQt(text); });
    }

    route_->installEventFilter(this);
    distance_->installEventFilter(this);
    cruise_->installEventFilter(this);
    planText_->viewport()->installEventFilter(this);
}

bool MainWindow::startUp() {
    StartupOutcome outcome = ReadStartupSettings(settings_, data_, prompts_);
    if (outcome.endProgram) {
        return false;
    }
    browser_->navigate(toQt(settings_.routeFinderUrl));
    setWindowTitle(toQt(outcome.windowTitle));
    refreshFromData();
    return true;
}

void MainWindow::refreshFromData() {
    const QSignalBlocker blockRoute(route_);
    const QSignalBlocker blockCruise(cruise_);
    const QSignalBlocker blockDistance(distance_);
    const QSignalBlocker blockPlan(planText_);
    const QSignalBlocker blockFuel0(fuel_[0]);
    const QSignalBlocker blockFuel1(fuel_[1]);

    if (fromQt(route_->text()) != data_.route) {
        route_->setText(toQt(data_.route));
    }
    if (fromQt(cruise_->currentText()) != data_.cruiseAltitude) {
        cruise_->setEditText(toQt(data_.cruiseAltitude));
    }
    if (fromQt(distance_->text()) != data_.distance) {
        distance_->setText(toQt(data_.distance));
    }
    if (fromQtLines(planText_->toPlainText()) != data_.printText) {
        planText_->setPlainText(toQtLines(data_.printText));
    }
    for (std::size_t i = 0; i < 2; ++i) {
        if (fromQt(fuel_[i]->text()) != data_.fuel[i]) {
            fuel_[i]->setText(toQt(data_.fuel[i]));
        }
    }
    duration_->setText(toQt(data_.duration));
    tankShare_->setText(toQt(data_.tankShare));
    setTextColour(tankShare_, data_.tankShareColour);

    QPalette swatch = swatch_->palette();
    swatch.setColor(QPalette::Window, qtColour(data_.cruiseCheckColour));
    swatch_->setPalette(swatch);

    for (int i = 0; i < 4; ++i) {
        const bool chosen = data_.aircraft == kAllAircraft[i];
        options_[i]->setChecked(chosen);
        setTextColour(options_[i], chosen ? kRed : kBlack);
    }
    createFsPlan_->setChecked(data_.createFsPlan);
    createFsPlan_->setEnabled(!data_.onlyFsPlan);
    onlyFsPlan_->setChecked(data_.onlyFsPlan);
    saveFmc_->setEnabled(data_.saveEnabled);

    listing_->clear();
    for (const auto& line : data_.routeListing) {
        listing_->addItem(expandTabs(toQt(line)));
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activating_) {
        // After the activation itself has been handled, so that a window
        // opened from here is modal over a main window that is already up.
        QTimer::singleShot(0, this, &MainWindow::Form_Activate);
    }
}

void MainWindow::Form_Activate() {
    if (activating_ || !isActiveWindow()) {
        return;
    }
    activating_ = true;
    const bool showPaths =
        ActivateMainWindow(activatedBefore_, settings_,
                           [this](Aircraft aircraft) { ChooseAircraft(context_, aircraft); });
    refreshFromData();
    if (showPaths) {
        Paths_Click();
    }
    activating_ = false;
}

// The window keeps its size even where the window manager ignores the fixed
// size, or where there is none; minimised, it is left alone.
void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (event->size() != fixedSize_) {
        QTimer::singleShot(0, this, [this] {
            if (!isMinimized() && size() != fixedSize_) {
                resize(fixedSize_);
            }
        });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    WriteShutdownSettings(settings_, data_, prompts_);
    if (routeMap_ != nullptr) {
        routeMap_->close();
    }
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == route_ && typeAsCapital(route_, event)) {
        return true;  // Text1: typed letters become capitals
    }
    if (watched == distance_ && event->type() == QEvent::KeyPress) {
        return Text5_KeyPress(event);
    }
    // Text3 and Text5 select their whole text whenever they get the focus,
    // by click, Tab, Shift+Tab or the window's activation. The combo box
    // holds the focus for its line edit and hands the event on without
    // passing any filter, so Text3 is watched on the combo box itself.
    if ((watched == distance_ || watched == cruise_) && event->type() == QEvent::FocusIn) {
        QLineEdit* field = watched == cruise_ ? cruise_->lineEdit() : distance_;
        // After the mouse press that gave the focus has placed the cursor.
        QTimer::singleShot(0, field, [field] { field->selectAll(); });
    }
    if (watched == planText_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && mouse->modifiers() == Qt::ControlModifier) {
            planText_->clear();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Only digits and Backspace; every other typed character, Enter included, is dropped.
bool MainWindow::Text5_KeyPress(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Tab and Shift+Tab move the focus, as they do from every field; they
    // are no typed characters.
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
        key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        return false;
    }
    const QString text = key->text();
    if (text.isEmpty()) {
        return false;  // cursor keys and the like type nothing
    }
    const bool digit =
        text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
    return !digit;
}

}  // namespace skyloom::ui
