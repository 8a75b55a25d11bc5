#include "ui/waypoint_choice_window.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "route/waypoint_candidates.h"
#include "ui/text_convert.h"
#include "ui/window_layout.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

namespace {

const WindowLayout& waypointChoiceLayout() {
    using K = ControlKind;
    static const WindowLayout layout = {
        6000,
        3600,
        {
            {"List1", K::List, "", 120, 120, 5760, 2760},
            {"Command1", K::Button, "cancel", 4560, 3000, 1320, 420},
        }};
    return layout;
}

}  // namespace

WaypointChoiceWindow::WaypointChoiceWindow(const WaypointChoice& choice, QWidget* mainWindow)
    : ModalWindow(mainWindow, mainWindow) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Select Waypoint with double-click"));
    buildWindow(this, waypointChoiceLayout());
    list_ = controlNamed<QListWidget>(this, QStringLiteral("List1"));
    std::size_t longest = 0;
    for (const auto& candidate : choice.candidates) {
        longest = std::max(longest, candidate.size());
    }
    for (const auto& candidate : choice.candidates) {
        std::string line = candidate;
        std::string distance = candidateDistanceText(choice.previousPoint, candidate);
        if (!distance.empty()) {
            line += std::string(longest - candidate.size() + 3, ' ') + distance;
        }
        auto* item = new QListWidgetItem(toQt(line), list_);
        item->setData(Qt::UserRole, toQt(candidate));
    }
    if (!choice.candidates.empty()) {
        list_->setCurrentRow(static_cast<int>(nearestCandidate(choice)));
    }
    list_->installEventFilter(this);
    connect(list_, &QListWidget::itemDoubleClicked, this, &WaypointChoiceWindow::List1_DblClick);
    connect(controlNamed<QPushButton>(this, QStringLiteral("Command1")), &QPushButton::clicked,
            this, &WaypointChoiceWindow::Command1_Click);
}

void WaypointChoiceWindow::Form_Activate() {
    // The calculation shows the busy pointer; the pilot needs the arrow here.
    if (QApplication::overrideCursor() != nullptr) {
        QApplication::changeOverrideCursor(Qt::ArrowCursor);
    }
}

void WaypointChoiceWindow::done(int result) {
    // The calculation goes on after the choice.
    if (QApplication::overrideCursor() != nullptr) {
        QApplication::changeOverrideCursor(Qt::WaitCursor);
    }
    QDialog::done(result);
}

bool WaypointChoiceWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && list_->currentItem() != nullptr) {
            choose(list_->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WaypointChoiceWindow::List1_DblClick(QListWidgetItem* item) {
    choose(item);
}

void WaypointChoiceWindow::Command1_Click() {
    reject();
}

void WaypointChoiceWindow::choose(QListWidgetItem* item) {
    chosen_ = fromQt(item->data(Qt::UserRole).toString());
    accept();
}

}  // namespace skyloom::ui
