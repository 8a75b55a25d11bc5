#pragma once
// The path settings window (Form5): the six folders of path.ini, each with a
// browse button that opens the folder chooser panel (Frame1) inside the window.

#include <array>

#include "core/command_context.h"
#include "settings/settings_files.h"
#include "ui/window_placement.h"

class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLineEdit;
class QTreeView;

namespace skyloom::ui {

class PathSettingsWindow : public ModalWindow {
    Q_OBJECT
  public:
    PathSettingsWindow(CommandContext& context, QWidget* mainWindow);

  private slots:
    void Command1_Click(int row);
    void Drive1_Change(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

  private:
    void connectRows();
    void preparePanel();

    CommandContext& context_;
    std::array<QLineEdit*, kPathLineCount> paths_{};
    QGroupBox* panel_ = nullptr;
    QComboBox* drives_ = nullptr;
    QTreeView* folders_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    int currentRow_ = 0;
};

}  // namespace skyloom::ui
