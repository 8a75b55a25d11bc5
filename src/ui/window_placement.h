#pragma once

#include <QWidget>

namespace skyloom::ui {

// Places a window centred over the main window: its left edge at the main
// window's left plus half its width minus half the window's own width, and
// the top likewise with the heights.
void centreOver(QWidget* window, const QWidget* mainWindow);

}  // namespace skyloom::ui
