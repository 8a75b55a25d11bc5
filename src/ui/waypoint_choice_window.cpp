#include "ui/waypoint_choice_window.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "route/waypoint_candidates.h"
#include "ui/fixed_pitch.h"
#include "ui/text_convert.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

WaypointChoiceWindow::WaypointChoiceWindow(const WaypointChoice& choice, QWidget* mainWindow)
    : ModalWindow(mainWindow, mainWindow), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Select Waypoint with double-click"));
    setFixedSize(twipsRect(0, 0, 6000, 3600).size());

    list_->setObjectName(QStringLiteral("List1"));
    list_->setFont(fixedPitchFont(9));
    placeTwips(list_, 120, 120, 5760, 2760);
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

    auto* cancel = new QPushButton(QStringLiteral("cancel"), this);
    cancel->setObjectName(QStringLiteral("Command1"));
    cancel->setAutoDefault(false);
    placeTwips(cancel, 4560, 3000, 1320, 420);
    connect(cancel, &QPushButton::clicked, this, &WaypointChoiceWindow::Command1_Click);
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
