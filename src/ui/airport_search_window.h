#pragma once
// The airport search window (Form4, "Airport-ICAO"): finds airports in the
// runway file by a piece of their name or code and lists each once, for
// reading only. "OK", Enter in the search field and every change that leaves
// five or more characters search.

#include "ui/window_placement.h"

#include "core/prompts.h"
#include "navdata/nav_database.h"

class QLineEdit;
class QListWidget;

namespace skyloom::ui {

class AirportSearchWindow : public ModalWindow {
    Q_OBJECT
  public:
    AirportSearchWindow(NavDatabase& nav, Prompts& prompts, QWidget* mainWindow);

  protected:
    void Form_Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();

  private:
    // `typing`: started by a change of the search field, which reports an
    // unreadable runway file only once until a search succeeds again.
    void search(bool typing);

    NavDatabase& nav_;
    Prompts& prompts_;
    QLineEdit* text_ = nullptr;
    QListWidget* list_ = nullptr;
    bool fileProblemShown_ = false;
};

}  // namespace skyloom::ui
