#include "ui/code_help_window.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/twips.h"
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

CodeHelpWindow::CodeHelpWindow(CodeHelp help, QWidget* opener, QWidget* mainWindow)
    : ModalWindow(opener, mainWindow) {
    const CodeHelpText& text = codeHelpText(help);
    setObjectName(QLatin1String(text.name));
    setWindowTitle(QLatin1String(text.title));
    setModal(true);

    int top = kMargin;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        auto* line = new QLabel(QLatin1String(text.lines[i]), this);
        line->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        placeTwips(line, kMargin, top, text.width - 2 * kMargin, kLineHeight);
        top += kLineHeight;
    }
    top += kMargin / 2;

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    placeTwips(ok, (text.width - kButtonWidth) / 2, top, kButtonWidth, kButtonHeight);
    connect(ok, &QPushButton::clicked, this, &CodeHelpWindow::Command1_Click);

    setFixedSize(twipsRect(0, 0, text.width, top + kButtonHeight + kMargin).size());
}

void CodeHelpWindow::Command1_Click() {
    accept();
}

}  // namespace skyloom::ui
