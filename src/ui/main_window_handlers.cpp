// The main window's commands: each hands the work to the core and then shows
// the data store again.

#include <QCheckBox>
#include <QDir>

#include "commands/calculate.h"
#include "commands/flights.h"
#include "commands/fs_plan_choice.h"
#include "commands/ivao_plan.h"
#include "commands/kneeboard_page.h"
#include "commands/route_finder.h"
#include "commands/save_fmc.h"
#include "commands/sim_plan_export.h"
#include "fuel/aircraft_choice.h"
#include "fuel/fuel_time.h"
#include "route/route_intake.h"
#include "ui/airport_search_window.h"
#include "ui/browser_pane.h"
#include "ui/ivao_plan_window.h"
#include "ui/main_window.h"
#include "ui/path_settings_window.h"
#include "ui/plan_printer.h"
#include "ui/route_finder_window.h"
#include "ui/route_map_window.h"
#include "ui/text_convert.h"

namespace skyloom::ui {

// "Calculate"
void MainWindow::Command1_Click() {
    CalculateResult result = Calculate(context_, nav());
    refreshFromData();
    if (result.completed) {
        emit flightChanged();
    }
}

// "Save FMC-Data"
void MainWindow::Command2_Click() {
    SaveFmcData(context_);
    refreshFromData();
}

// "Print Plan"
void MainWindow::Command3_Click() {
    PrintPlan(context_, this);
    refreshFromData();  // a printed plan text has been rewrapped
}

// "IVAO FLight Data"
void MainWindow::Command4_Click() {
    IvaoPlanWindow window(context_, this);
    window.exec();
}

// "Make IVAO-Plan"
void MainWindow::Command5_Click() {
    MakeIvaoPlan(context_);
}

// "refresh Website"
void MainWindow::Command6_Click() {
    browser_->navigate(toQt(settings_.routeFinderUrl), true);
}

// "->": the route from the route-finder page's text.
void MainWindow::Command7_Click() {
    browser_->pageText([this](const QString& text) {
        if (auto route = RouteFromRouteFinderPage(fromQtLines(text))) {
            data_.route = *route;
            refreshFromData();
        } else if (browser_->readsClipboard()) {
            // Nothing to take: the route finder is not open yet, so open it
            // in the system's browser.
            browser_->navigate(toQt(settings_.routeFinderUrl), true);
        }
    });
}

// "Airport-ICAO"
void MainWindow::Command8_Click() {
    AirportSearchWindow window(nav(), prompts_, this);
    window.exec();
}

// "C": the fuel and time estimate again.
void MainWindow::Command11_Click() {
    CalculateFuelAndTime(context_);
    refreshFromData();
}

// The small button beside "plan to kneeboard".
void MainWindow::Command13_Click() {
    WriteKneeboardPage(context_);
    refreshFromData();
}

void MainWindow::Option_Click(Aircraft aircraft) {
    ChooseAircraft(context_, aircraft);
    refreshFromData();
}

void MainWindow::Check1_Click() {
    data_.createFsPlan = createFsPlan_->isChecked();
}

void MainWindow::Check2_Click() {
    SetOnlyFsPlan(data_, onlyFsPlan_->isChecked());
    refreshFromData();
}

void MainWindow::load_Click() {
    LoadFlightStatus status = LoadFlight(context_);
    refreshFromData();
    if (status == LoadFlightStatus::Loaded) {
        emit flightChanged();
    }
}

void MainWindow::save_Click() {
    SaveFlight(context_);
    refreshFromData();
}

// "export X-Plane plan", "export MSFS plan"
void MainWindow::export_Click(const SimPlanFormat& format) {
    ExportSimPlan(context_, format);
}

void MainWindow::Paths_Click() {
    PathSettingsWindow window(context_, this);
    window.exec();
}

void MainWindow::mnu_Help_Click() {
    browser_->navigate(toQt(settings_.besideProgram("documentation")) + QDir::separator() +
                       QStringLiteral("Skyloom.htm"));
}

// "Map": the route map window, opened once and then kept up to date.
void MainWindow::mnu_Map_Click() {
    if (routeMap_ == nullptr) {
        auto* map = new RouteMapWindow(settings_, this);
        connect(this, &MainWindow::flightChanged, map, [this, map] { map->showFlight(data_); });
        map->showFlight(data_);
        routeMap_ = map;
    }
    routeMap_->show();
    routeMap_->raise();
    routeMap_->activateWindow();
}

// "Route" -> "Find route…": the search is the command's, the pilot decides
// whether the found route goes into the route field.
void MainWindow::mnu_FindRoute_Click() {
    std::optional<AirportPair> airports = AirportsToFind(context_);
    if (!airports) {
        return;
    }
    const FoundRoute found = FindAirwayRoute(session_, *airports);
    if (!found.found) {
        return;
    }
    RouteFinderWindow window(found, this);
    if (window.exec() == QDialog::Accepted) {
        UseFoundRoute(data_, found);
        refreshFromData();
    }
}

}  // namespace skyloom::ui
