#include "ui/code_help_window.h"

#include <QPushButton>
#include <string>

#include "ui/window_layout.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

namespace {

constexpr int kMargin = 240;
constexpr int kLineHeight = 240;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 375;

}  // namespace

const CodeHelpText& codeHelpText(CodeHelp help) {
    static const CodeHelpText texts[] = {
        {"Form7", "Flight Rules", 3000, {"I = IRF", "V = VFR", "Y = IFR / VFR", "Z = VFR / IFR"}},
        {"Form8",
         "Flight-Type",
         4200,
         {"S = Sheduled Air Transport", "N = Non Sheduled Air Transport", "G = General Aviation",
          "M = Military", "X = Other"}},
        {"Form9",
         "Wake Category",
         8400,
         {"L = Light", "to indicate a MOTW of 7.000 kg or less.", "M = Medium",
          "to indicate a MOTW less than 136.000 kg but more than 7.000 kg ( 15.500 lb ).",
          "H = Heavy",
          "to indicate an aircraft type with a MOTW of 136.000 kg ( 300.000 lb ) or more."}},
        {"Form10",
         "Radio and Navigation Equipment",
         6000,
         {"S = Standard (VHF,ADF,VOR,ILS)",
          "A = Loran A",
          "C = Loran C",
          "D = DME",
          "E = EGWPS",
          "F = ADF",
          "G = GPS/GNSS",
          "H = HF RTF",
          "I = INS (Inertial Nav)",
          "J = Data Link",
          "K = MLS",
          "L = ILS",
          "M = Omega",
          "O = VOR",
          "P = Doppler",
          "R = RNAV (RNP/RNPC)",
          "T = TCAN",
          "U = UHF",
          "V = VHF",
          "W = RVSM (FL290-FL410)",
          "X = MNPS",
          "Y = CMNPS",
          "Z = Other (specyfy in item 18 preceded by COM/ or NAV"}},
        {"Form11",
         "Transponder Type",
         7200,
         {"C = Mode C", "S = Mode S (with both pressure altitude and aircraft identification)",
          "X = Mode S (without pressure altitude and aircraft identification)",
          "P = Mode S (with pressure altitude but without aircraft identification)",
          "I = Mode S (without pressure altitude but with aircraft identification)",
          "A = Mode A only (no altitude reporting)", "N = No transponder on board"}},
    };
    return texts[static_cast<int>(help)];
}

namespace {

// One label per line from the top, the "OK" button centred below them.
WindowLayout codeHelpLayout(CodeHelp help) {
    const CodeHelpText& text = codeHelpText(help);
    WindowLayout layout{text.width, 0, {}};
    int top = kMargin;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        layout.controls.push_back({"Label1(" + std::to_string(i) + ")", ControlKind::Label,
                                   text.lines[i], kMargin, top, text.width - 2 * kMargin,
                                   kLineHeight});
        top += kLineHeight;
    }
    top += kMargin / 2;
    layout.controls.push_back({"Command1", ControlKind::DefaultButton, "OK",
                               (text.width - kButtonWidth) / 2, top, kButtonWidth, kButtonHeight});
    layout.height = top + kButtonHeight + kMargin;
    return layout;
}

}  // namespace

CodeHelpWindow::CodeHelpWindow(CodeHelp help, QWidget* opener, QWidget* mainWindow)
    : ModalWindow(opener, mainWindow) {
    const CodeHelpText& text = codeHelpText(help);
    setObjectName(QLatin1String(text.name));
    setWindowTitle(QLatin1String(text.title));
    setModal(true);
    buildWindow(this, codeHelpLayout(help));
    connect(controlNamed<QPushButton>(this, QStringLiteral("Command1")), &QPushButton::clicked,
            this, &CodeHelpWindow::Command1_Click);
}

void CodeHelpWindow::Command1_Click() {
    accept();
}

}  // namespace skyloom::ui
