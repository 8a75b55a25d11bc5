#pragma once
// The main window's controls as designed: name, kind, caption and place in
// twips within the client area (or within the fuel frame Frame1).

#include "ui/window_layout.h"

namespace skyloom::ui {

// Client area of the main window: 14325 by 10275 twips.
const WindowLayout& mainWindowLayout();

// Creates every control of the table inside `client`, named and placed, and
// fixes the client area's size.
void createMainWindowControls(QWidget* client);

}  // namespace skyloom::ui
