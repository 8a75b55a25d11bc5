#pragma once
// The airport search window (Form4, "Airport-ICAO"): finds airports in the
// runway file by a piece of their name or code and lists each once, for
// reading only. "OK", Enter in the search field and every change that leaves
// five or more characters search.

#include "ui/window_placement.h"

#include <optional>
#include <string>
#include <vector>

#include "commands/airport_search.h"

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
    // Shows the entries of a search, when it gave any list.
    void showEntries(const std::optional<std::vector<std::string>>& entries);

    AirportSearch search_;
    QLineEdit* text_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace skyloom::ui
