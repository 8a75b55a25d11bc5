#pragma once
// The code help windows (Form7 to Form11) of the IVAO plan window: each lists
// the meanings of the one-letter codes of one field, one line per code, and
// closes with "OK".

#include <vector>

#include "ui/window_placement.h"

namespace skyloom::ui {

enum class CodeHelp { FlightRules, FlightType, WakeCategory, Equipment, Transponder };

struct CodeHelpText {
    const char* name;   // Form7 .. Form11
    const char* title;  // window title
    int width;          // in twips
    std::vector<const char*> lines;
};

const CodeHelpText& codeHelpText(CodeHelp help);

class CodeHelpWindow : public ModalWindow {
    Q_OBJECT
  public:
    // Opened from `opener` and placed over the main window.
    CodeHelpWindow(CodeHelp help, QWidget* opener, QWidget* mainWindow);

  private slots:
    void Command1_Click();
};

}  // namespace skyloom::ui
