#include "ui/ivao_plan_window.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "commands/ivao_plan.h"
#include "ui/text_convert.h"
#include "ui/typed_capitals.h"
#include "ui/window_layout.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

namespace {

const WindowLayout& ivaoPlanLayout() {
    using K = ControlKind;
    static const WindowLayout layout = {
        9720,
        5580,
        {
            // The fields first, in the order of ivao.txt.
            {"Text1", K::Field, "", 120, 330, 2100, 315},      //  1 Callsign
            {"Combo1", K::PickList, "", 2340, 330, 900, 315},  //  2 Flight-Rules
            {"Combo2", K::PickList, "", 3705, 330, 900, 315},  //  3 Flight-Type
            {"Combo3", K::EditList, "", 5070, 330, 900, 315},  //  4 Number
            {"Text5", K::PickList, "", 6090, 330, 2100, 315},  //  5 Aircraft-Type
            {"Combo4", K::PickList, "", 8310, 330, 900, 315},  //  6 Wake-Cat.
            {"Text6", K::Field, "", 120, 990, 2100, 315},      //  7 Equipment
            {"Combo5", K::PickList, "", 2685, 990, 900, 315},  //  8 Transponder
            {"Text13", K::Field, "", 4050, 990, 1000, 315},    //  9 Dep AP
            {"Text7", K::Field, "", 5170, 990, 1200, 315},     // 10 Departure-Time
            {"Combo6", K::PickList, "", 6640, 990, 900, 315},  // 11 Cruising Speed, unit
            {"Text8", K::Field, "", 7570, 990, 780, 315},      // 12 Cruising Speed, value
            {"Combo7", K::PickList, "", 120, 1650, 900, 315},  // 13 Flt.-Level, type
            {"Text3", K::Field, "", 1050, 1650, 780, 315},     // 14 Flt.-Level, value
            {"Text2", K::TextBox, "", 120, 2310, 9480, 1200},  // 15 Route
            {"Text14", K::Field, "", 1950, 1650, 1000, 315},   // 16 Dest AP
            {"Text4", K::Field, "", 3070, 1650, 1200, 315},    // 17 Total EET
            {"Text15", K::Field, "", 4390, 1650, 1000, 315},   // 18 Alt AP
            {"Text9", K::TextBox, "", 120, 3840, 9480, 900},   // 19 Other Information
            {"Text10", K::Field, "", 5510, 1650, 1200, 315},   // 20 endurane
            {"Text11", K::Field, "", 6830, 1650, 1200, 315},   // 21 Pax on board
            {"Text12", K::Field, "", 8150, 1650, 1450, 315},   // 22 MTL-Aircraft
            {"Label1", K::Label, "Callsign", 120, 120, 2100, 195},
            {"Label2", K::Label, "Flight-Rules", 2340, 120, 1300, 195},
            {"Label3", K::Label, "Flight-Type", 3705, 120, 1300, 195},
            {"Label4", K::Label, "Number", 5070, 120, 900, 195},
            {"Label5", K::Label, "Aircraft-Type", 6090, 120, 2100, 195},
            {"Label6", K::Label, "Wake-Cat.", 8310, 120, 1300, 195},
            {"Label7", K::Label, "Equipment", 120, 780, 2100, 195},
            {"Label8", K::Label, "Transponder", 2685, 780, 1300, 195},
            {"Label9", K::Label, "Dep AP", 4050, 780, 1000, 195},
            {"Label10", K::Label, "Departure-Time", 5170, 780, 1300, 195},
            {"Label11", K::Label, "Cruising Speed", 6640, 780, 1700, 195},
            {"Label12", K::Label, "Flt.-Level", 120, 1440, 1700, 195},
            {"Label13", K::Label, "Dest AP", 1950, 1440, 1000, 195},
            {"Label14", K::Label, "Total EET", 3070, 1440, 1200, 195},
            {"Label15", K::Label, "Alt AP", 4390, 1440, 1000, 195},
            {"Label16", K::Label, "endurane", 5510, 1440, 1200, 195},
            {"Label17", K::Label, "Pax on board", 6830, 1440, 1300, 195},
            {"Label18", K::Label, "MTL-Aircraft", 8150, 1440, 1450, 195},
            {"Label19", K::Label, "Route", 120, 2100, 2000, 195},
            {"Label20", K::Label, "Other Information", 120, 3630, 2000, 195},
            // Each "?" stands beside the field whose codes it explains.
            {"Command3", K::Button, "?", 3270, 330, 315, 315},
            {"Command4", K::Button, "?", 4635, 330, 315, 315},
            {"Command5", K::Button, "?", 9240, 330, 315, 315},
            {"Command6", K::Button, "?", 2250, 990, 315, 315},
            {"Command7", K::Button, "?", 3615, 990, 315, 315},
            {"Command8", K::Button, "Get Flight-Data", 120, 4920, 2000, 420},
            {"Command1", K::Button, "Save", 6360, 4920, 1560, 420},
            {"Command2", K::Button, "Exit", 8040, 4920, 1560, 420},
        }};
    return layout;
}

// The help window that each "?" opens.
constexpr std::pair<const char*, CodeHelp> kHelpButtons[] = {
    {"Command3", CodeHelp::FlightRules},  {"Command4", CodeHelp::FlightType},
    {"Command5", CodeHelp::WakeCategory}, {"Command6", CodeHelp::Equipment},
    {"Command7", CodeHelp::Transponder},
};

// Typed letters become capitals in the airport fields and the route.
bool typesCapitals(int number) {
    return number == kIvaoDeparture || number == kIvaoRoute || number == kIvaoDestination ||
           number == kIvaoAlternate;
}

}  // namespace

IvaoPlanWindow::IvaoPlanWindow(CommandContext& context, QWidget* mainWindow)
    : ModalWindow(mainWindow, mainWindow),
      context_(context),
      fields_(OpenIvaoFields(context.settings, context.data)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("IVAO-Flightplan"));
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    buildControls();
    showFields(fields_);
}

void IvaoPlanWindow::buildControls() {
    const std::vector<QWidget*> built = buildWindow(this, ivaoPlanLayout());
    for (int number = 1; number <= kIvaoFieldCount; ++number) {
        QWidget* widget = built[static_cast<std::size_t>(number - 1)];
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (const std::string& item : fields_.items[static_cast<std::size_t>(number - 1)]) {
                combo->addItem(toQt(item));
            }
            combo->setCurrentIndex(-1);
        }
        if (typesCapitals(number)) {
            widget->installEventFilter(this);
        }
        controls_[static_cast<std::size_t>(number - 1)] = widget;
    }
    connect(static_cast<QComboBox*>(control(kIvaoAircraftType)), &QComboBox::activated, this,
            &IvaoPlanWindow::Text5_Click);

    for (const auto& [name, help] : kHelpButtons) {
        connect(controlNamed<QPushButton>(this, QLatin1String(name)), &QPushButton::clicked, this,
                [this, which = help] { openHelp(which); });
    }
    const std::pair<const char*, void (IvaoPlanWindow::*)()> buttons[] = {
        {"Command8", &IvaoPlanWindow::Command8_Click},
        {"Command1", &IvaoPlanWindow::Command1_Click},
        {"Command2", &IvaoPlanWindow::Command2_Click},
    };
    for (const auto& [name, handler] : buttons) {
        connect(controlNamed<QPushButton>(this, QLatin1String(name)), &QPushButton::clicked, this,
                handler);
    }
}

IvaoFields IvaoPlanWindow::shownFields() const {
    IvaoFields fields = fields_;
    for (int number = 1; number <= kIvaoFieldCount; ++number) {
        QWidget* widget = control(number);
        std::string& text = fields.field(number);
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            text = fromQt(line->text());
        } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
            text = fromQtLines(lines->toPlainText());
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            text = fromQt(combo->currentText());
        }
    }
    return fields;
}

void IvaoPlanWindow::showFields(const IvaoFields& fields) {
    for (int number = 1; number <= kIvaoFieldCount; ++number) {
        QWidget* widget = control(number);
        const std::string& text = fields.field(number);
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            if (fromQt(line->text()) != text) {
                line->setText(toQt(text));
            }
        } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
            if (fromQtLines(lines->toPlainText()) != text) {
                lines->setPlainText(toQtLines(text));
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            if (fromQt(combo->currentText()) == text) {
                continue;
            }
            if (combo->isEditable()) {
                combo->setEditText(toQt(text));
            } else {
                // A text that is not one of the items leaves nothing picked.
                combo->setCurrentIndex(combo->findText(toQt(text)));
            }
        }
    }
}

void IvaoPlanWindow::showEvent(QShowEvent* event) {
    ModalWindow::showEvent(event);
    // Once the window is up, so that "No Route available" stands over it.
    QTimer::singleShot(0, this, &IvaoPlanWindow::takeFlightData);
}

// The flight's route is taken again when the window opens and whenever a
// help window closes. A message box closing does not count, or "No Route
// available" would come back for ever.
void IvaoPlanWindow::takeFlightData() {
    if (!isVisible()) {
        return;
    }
    Command8_Click();
}

bool IvaoPlanWindow::eventFilter(QObject* watched, QEvent* event) {
    if (typeAsCapital(watched, event)) {
        return true;
    }
    return ModalWindow::eventFilter(watched, event);
}

void IvaoPlanWindow::openHelp(CodeHelp help) {
    CodeHelpWindow window(help, this, mainWindow());
    window.exec();
    takeFlightData();
}

// "Save": ivao.txt gets what the window shows; a failure keeps the window open.
void IvaoPlanWindow::Command1_Click() {
    if (SaveIvaoFields(context_, shownFields())) {
        accept();
    }
}

// "Exit"
void IvaoPlanWindow::Command2_Click() {
    reject();
}

// "Get Flight-Data"
void IvaoPlanWindow::Command8_Click() {
    IvaoFields fields = shownFields();
    GetFlightData(context_.prompts, context_.data, fields);
    showFields(fields);
}

// An aircraft picked from the list.
void IvaoPlanWindow::Text5_Click(int index) {
    IvaoFields fields = shownFields();
    PickAircraftType(context_.settings.aircraftTable, fields, index);
    showFields(fields);
}

}  // namespace skyloom::ui
