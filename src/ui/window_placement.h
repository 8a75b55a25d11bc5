#pragma once

#include <QDialog>
#include <QWidget>

namespace skyloom::ui {

// Places a window centred over the main window: its left edge at the main
// window's left plus half its width minus half the window's own width, and
// the top likewise with the heights.
void centreOver(QWidget* window, const QWidget* mainWindow);

// A modal window of the program. Whenever it becomes active, and when it is
// first shown, it centres itself over the main window and then runs its own
// Form_Activate.
class ModalWindow : public QDialog {
    Q_OBJECT
  public:
    // `parent` owns the window (the main window, or the window that opens
    // it); `mainWindow` is the one it centres over.
    ModalWindow(QWidget* parent, QWidget* mainWindow);

  protected:
    virtual void Form_Activate() {}
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    QWidget* mainWindow() const { return mainWindow_; }

  private:
    void activated();

    QWidget* mainWindow_;
};

}  // namespace skyloom::ui
