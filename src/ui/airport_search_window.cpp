#include "ui/airport_search_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "navdata/airport_search.h"
#include "ui/text_convert.h"
#include "ui/window_layout.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

namespace {

const WindowLayout& airportSearchLayout() {
    using K = ControlKind;
    // Enter belongs to the search field: no button is pressed by it.
    static const WindowLayout layout = {6000,
                                        4920,
                                        {
                                            {"Text1", K::Field, "", 120, 120, 3480, 345},
                                            {"List1", K::List, "", 120, 600, 5760, 4200},
                                            {"Command1", K::Button, "OK", 3720, 105, 1020, 375},
                                            {"Command2", K::Button, "cancel", 4860, 105, 1020, 375},
                                        }};
    return layout;
}

}  // namespace

AirportSearchWindow::AirportSearchWindow(NavDatabase& nav, Prompts& prompts, QWidget* mainWindow)
    : ModalWindow(mainWindow, mainWindow), search_(nav, prompts) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Airport-ICAO"));
    buildWindow(this, airportSearchLayout());
    text_ = controlNamed<QLineEdit>(this, QStringLiteral("Text1"));
    list_ = controlNamed<QListWidget>(this, QStringLiteral("List1"));
    text_->installEventFilter(this);
    connect(text_, &QLineEdit::textChanged, this, &AirportSearchWindow::Text1_Change);
    connect(controlNamed<QPushButton>(this, QStringLiteral("Command1")), &QPushButton::clicked,
            this, &AirportSearchWindow::Command1_Click);
    connect(controlNamed<QPushButton>(this, QStringLiteral("Command2")), &QPushButton::clicked,
            this, &AirportSearchWindow::Command2_Click);
}

void AirportSearchWindow::Form_Activate() {
    text_->setFocus();
}

bool AirportSearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            showEntries(search_.asked(fromQt(text_->text())));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AirportSearchWindow::Text1_Change() {
    showEntries(search_.typed(fromQt(text_->text())));
}

void AirportSearchWindow::Command1_Click() {
    showEntries(search_.asked(fromQt(text_->text())));
}

void AirportSearchWindow::Command2_Click() {
    reject();
}

void AirportSearchWindow::showEntries(const std::optional<std::vector<std::string>>& entries) {
    if (!entries) {
        return;
    }
    list_->clear();
    for (const std::string& entry : *entries) {
        list_->addItem(toQt(entry));
    }
}

}  // namespace skyloom::ui
