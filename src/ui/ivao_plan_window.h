#pragma once
// The IVAO plan window (Form2, "IVAO-Flightplan"): the 22 fields of the ICAO
// flight plan form. It shows the core's IvaoFields, hands every step
// (opening, picking an aircraft, "Get Flight-Data", "Save") to the core and
// opens the code help windows from its "?" buttons.

#include <array>

#include "core/command_context.h"
#include "formats/ivao_fields.h"
#include "ui/code_help_window.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

class IvaoPlanWindow : public ModalWindow {
    Q_OBJECT
  public:
    IvaoPlanWindow(CommandContext& context, QWidget* mainWindow);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void Command1_Click();
    void Command2_Click();
    void Command8_Click();
    void Text5_Click(int index);

  private:
    void buildControls();
    void takeFlightData();
    void openHelp(CodeHelp help);
    // The fields as the controls show them now.
    IvaoFields shownFields() const;
    // Shows the fields; controls that already show their text stay untouched.
    void showFields(const IvaoFields& fields);
    QWidget* control(int number) const { return controls_[static_cast<std::size_t>(number - 1)]; }

    CommandContext& context_;
    // The items of the lists as the window was opened; the texts live in the controls.
    IvaoFields fields_;
    std::array<QWidget*, kIvaoFieldCount> controls_{};
};

}  // namespace skyloom::ui
