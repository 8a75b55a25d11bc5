#pragma once
// The waypoint choice window (Form3): lists the waypoints that share an
// identifier, each with its distance from the previous route point, the
// nearest one preselected. A double-click, or Enter on the selected line,
// chooses; "cancel" and the close box choose nothing.

#include <string>

#include "core/prompts.h"
#include "ui/window_placement.h"

class QListWidget;
class QListWidgetItem;

namespace skyloom::ui {

class WaypointChoiceWindow : public ModalWindow {
    Q_OBJECT
  public:
    WaypointChoiceWindow(const WaypointChoice& choice, QWidget* mainWindow);

    // The chosen candidate line ("IDENT lat:lon"), or empty text.
    const std::string& chosenWaypoint() const { return chosen_; }

  protected:
    void Form_Activate() override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void List1_DblClick(QListWidgetItem* item);
    void Command1_Click();

  private:
    void choose(QListWidgetItem* item);

    QListWidget* list_ = nullptr;
    std::string chosen_;
};

}  // namespace skyloom::ui
