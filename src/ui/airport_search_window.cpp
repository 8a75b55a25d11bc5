#include "ui/airport_search_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "navdata/airport_search.h"
#include "ui/fixed_pitch.h"
#include "ui/text_convert.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

AirportSearchWindow::AirportSearchWindow(NavDatabase& nav, Prompts& prompts, QWidget* mainWindow)
    : ModalWindow(mainWindow, mainWindow),
      search_(nav, prompts),
      text_(new QLineEdit(this)),
      list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Airport-ICAO"));
    setFixedSize(twipsRect(0, 0, 6000, 4920).size());

    text_->setObjectName(QStringLiteral("Text1"));
    placeTwips(text_, 120, 120, 3480, 345);
    text_->installEventFilter(this);
    connect(text_, &QLineEdit::textChanged, this, &AirportSearchWindow::Text1_Change);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    placeTwips(ok, 3720, 105, 1020, 375);
    connect(ok, &QPushButton::clicked, this, &AirportSearchWindow::Command1_Click);

    auto* cancel = new QPushButton(QStringLiteral("cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    placeTwips(cancel, 4860, 105, 1020, 375);
    connect(cancel, &QPushButton::clicked, this, &AirportSearchWindow::Command2_Click);

    // Enter belongs to the search field: no button is pressed by it.
    for (auto* button : {ok, cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    list_->setObjectName(QStringLiteral("List1"));
    list_->setFont(fixedPitchFont(9));
    placeTwips(list_, 120, 600, 5760, 4200);
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
