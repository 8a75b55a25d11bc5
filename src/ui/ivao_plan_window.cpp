#include "ui/ivao_plan_window.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "commands/ivao_plan.h"
#include "ui/text_convert.h"
#include "ui/twips.h"
#include "ui/typed_capitals.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

namespace {

struct FieldPlace {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

// The field controls in the order of ivao.txt: field n in kFields[n - 1].
constexpr FieldPlace kFields[kIvaoFieldCount] = {
    {"Text1", 120, 330, 2100, 315},     //  1 Callsign
    {"Combo1", 2340, 330, 900, 315},    //  2 Flight-Rules
    {"Combo2", 3705, 330, 900, 315},    //  3 Flight-Type
    {"Combo3", 5070, 330, 900, 315},    //  4 Number
    {"Text5", 6090, 330, 2100, 315},    //  5 Aircraft-Type
    {"Combo4", 8310, 330, 900, 315},    //  6 Wake-Cat.
    {"Text6", 120, 990, 2100, 315},     //  7 Equipment
    {"Combo5", 2685, 990, 900, 315},    //  8 Transponder
    {"Text13", 4050, 990, 1000, 315},   //  9 Dep AP
    {"Text7", 5170, 990, 1200, 315},    // 10 Departure-Time
    {"Combo6", 6640, 990, 900, 315},    // 11 Cruising Speed, unit
    {"Text8", 7570, 990, 780, 315},     // 12 Cruising Speed, value
    {"Combo7", 120, 1650, 900, 315},    // 13 Flt.-Level, type
    {"Text3", 1050, 1650, 780, 315},    // 14 Flt.-Level, value
    {"Text2", 120, 2310, 9480, 1200},   // 15 Route
    {"Text14", 1950, 1650, 1000, 315},  // 16 Dest AP
    {"Text4", 3070, 1650, 1200, 315},   // 17 Total EET
    {"Text15", 4390, 1650, 1000, 315},  // 18 Alt AP
    {"Text9", 120, 3840, 9480, 900},    // 19 Other Information
    {"Text10", 5510, 1650, 1200, 315},  // 20 endurane
    {"Text11", 6830, 1650, 1200, 315},  // 21 Pax on board
    {"Text12", 8150, 1650, 1450, 315},  // 22 MTL-Aircraft
};

struct LabelPlace {
    const char* caption;
    int left;
    int top;
    int width;
};

constexpr LabelPlace kLabels[] = {
    {"Callsign", 120, 120, 2100},        {"Flight-Rules", 2340, 120, 1300},
    {"Flight-Type", 3705, 120, 1300},    {"Number", 5070, 120, 900},
    {"Aircraft-Type", 6090, 120, 2100},  {"Wake-Cat.", 8310, 120, 1300},
    {"Equipment", 120, 780, 2100},       {"Transponder", 2685, 780, 1300},
    {"Dep AP", 4050, 780, 1000},         {"Departure-Time", 5170, 780, 1300},
    {"Cruising Speed", 6640, 780, 1700}, {"Flt.-Level", 120, 1440, 1700},
    {"Dest AP", 1950, 1440, 1000},       {"Total EET", 3070, 1440, 1200},
    {"Alt AP", 4390, 1440, 1000},        {"endurane", 5510, 1440, 1200},
    {"Pax on board", 6830, 1440, 1300},  {"MTL-Aircraft", 8150, 1440, 1450},
    {"Route", 120, 2100, 2000},          {"Other Information", 120, 3630, 2000},
};
constexpr int kLabelHeight = 195;

struct HelpButton {
    const char* name;
    CodeHelp help;
    int left;
    int top;
};

// Each "?" stands beside the field whose codes it explains.
constexpr HelpButton kHelpButtons[] = {
    {"Command3", CodeHelp::FlightRules, 3270, 330},  {"Command4", CodeHelp::FlightType, 4635, 330},
    {"Command5", CodeHelp::WakeCategory, 9240, 330}, {"Command6", CodeHelp::Equipment, 2250, 990},
    {"Command7", CodeHelp::Transponder, 3615, 990},
};
constexpr int kHelpButtonSize = 315;

constexpr int kWindowWidth = 9720;
constexpr int kWindowHeight = 5580;
constexpr int kButtonTop = 4920;
constexpr int kButtonHeight = 420;

// Typed letters become capitals in the airport fields and the route.
bool typesCapitals(int number) {
    return number == kIvaoDeparture || number == kIvaoRoute || number == kIvaoDestination ||
           number == kIvaoAlternate;
}

bool isMultiLine(int number) {
    return number == kIvaoRoute || number == kIvaoOther;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* result = new QPushButton(QLatin1String(caption), parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(false);
    result->setDefault(false);
    return result;
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
    setFixedSize(twipsRect(0, 0, kWindowWidth, kWindowHeight).size());
    buildControls();
    showFields(fields_);
}

void IvaoPlanWindow::buildControls() {
    for (int number = 1; number <= kIvaoFieldCount; ++number) {
        const FieldPlace& place = kFields[number - 1];
        QWidget* widget = nullptr;
        if (isMultiLine(number)) {
            widget = new QPlainTextEdit(this);
        } else if (isIvaoPickList(number) || number == kIvaoNumber) {
            auto* combo = new QComboBox(this);
            combo->setEditable(number == kIvaoNumber);
            for (const std::string& item : fields_.items[static_cast<std::size_t>(number - 1)]) {
                combo->addItem(toQt(item));
            }
            combo->setCurrentIndex(-1);
            widget = combo;
        } else {
            widget = new QLineEdit(this);
        }
        widget->setObjectName(QLatin1String(place.name));
        placeTwips(widget, place.left, place.top, place.width, place.height);
        if (typesCapitals(number)) {
            widget->installEventFilter(this);
        }
        controls_[static_cast<std::size_t>(number - 1)] = widget;
    }
    connect(static_cast<QComboBox*>(control(kIvaoAircraftType)), &QComboBox::activated, this,
            &IvaoPlanWindow::Text5_Click);

    int index = 0;
    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(QLatin1String(place.caption), this);
        label->setObjectName(QStringLiteral("Label%1").arg(++index));
        placeTwips(label, place.left, place.top, place.width, kLabelHeight);
    }

    for (const HelpButton& help : kHelpButtons) {
        auto* question = button(this, help.name, "?");
        placeTwips(question, help.left, help.top, kHelpButtonSize, kHelpButtonSize);
        const CodeHelp which = help.help;
        connect(question, &QPushButton::clicked, this, [this, which] { openHelp(which); });
    }

    auto* getData = button(this, "Command8", "Get Flight-Data");
    placeTwips(getData, 120, kButtonTop, 2000, kButtonHeight);
    connect(getData, &QPushButton::clicked, this, &IvaoPlanWindow::Command8_Click);
    auto* save = button(this, "Command1", "Save");
    placeTwips(save, 6360, kButtonTop, 1560, kButtonHeight);
    connect(save, &QPushButton::clicked, this, &IvaoPlanWindow::Command1_Click);
    auto* exit = button(this, "Command2", "Exit");
    placeTwips(exit, 8040, kButtonTop, 1560, kButtonHeight);
    connect(exit, &QPushButton::clicked, this, &IvaoPlanWindow::Command2_Click);
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
