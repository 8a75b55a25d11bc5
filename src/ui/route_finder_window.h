#pragma once
// The found route ("Find route…"): its text, its length and legs, and what
// Calculate will ask the pilot to choose. "Use" accepts the route, "Cancel"
// leaves the route field as it was; the main window acts on the answer.

#include "finder/find_route.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

class RouteFinderWindow : public ModalWindow {
    Q_OBJECT
  public:
    RouteFinderWindow(const FoundRoute& route, QWidget* mainWindow);
};

}  // namespace skyloom::ui
