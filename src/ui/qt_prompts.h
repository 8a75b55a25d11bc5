#pragma once
// The core's questions and messages as Qt dialogs: message boxes, input
// boxes, the waypoint choice window, file dialogs and the busy pointer.

#include <QWidget>

#include "core/prompts.h"

namespace skyloom::ui {

class QtPrompts : public Prompts {
  public:
    explicit QtPrompts(QWidget* parent) : parent_(parent) {}

    MessageAnswer message(const MessageBox& box) override;
    std::optional<std::string> input(const InputBox& box) override;
    std::string chooseWaypoint(const WaypointChoice& choice) override;
    std::optional<std::string> saveFile(const FileDialog& dialog) override;
    std::optional<std::string> openFile(const FileDialog& dialog) override;
    void setBusy(bool busy) override;

  private:
    QWidget* parent_;
    bool busy_ = false;
};

// "Flightplans (*.fp)|*.fp" as a Qt name filter: "Flightplans (*.fp)".
QString qtNameFilter(const std::string& filter);
// The extension of the filter's first pattern ("fp"), empty for "*.*".
QString defaultSuffix(const std::string& filter);

}  // namespace skyloom::ui
