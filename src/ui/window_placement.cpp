#include "ui/window_placement.h"

#include <QEvent>

namespace skyloom::ui {

void centreOver(QWidget* window, const QWidget* mainWindow) {
    if (window == nullptr || mainWindow == nullptr) {
        return;
    }
    const QRect main = mainWindow->frameGeometry();
    const QRect own = window->frameGeometry();
    const double left = main.left() + main.width() / 2.0 - own.width() / 2.0;
    const double top = main.top() + main.height() / 2.0 - own.height() / 2.0;
    window->move(static_cast<int>(left), static_cast<int>(top));
}

ModalWindow::ModalWindow(QWidget* parent, QWidget* mainWindow)
    : QDialog(parent), mainWindow_(mainWindow) {}

void ModalWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activated();
}

void ModalWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        activated();
    }
}

void ModalWindow::activated() {
    centreOver(this, mainWindow_);
    Form_Activate();
}

}  // namespace skyloom::ui
