#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "support/ui_test_support.h"
#include "ui/ivao_plan_window.h"

using namespace skyloom::uitest;
using skyloom::ui::IvaoPlanWindow;
using skyloom::ui::MainWindow;

namespace {

// ivao.txt as a pilot saved it; lines 9, 16 and 18 belong to another flight.
const QByteArray kSavedIvaoTxt =
    "DLH400\r\nY\r\nN\r\n2\r\nB744\r\nL\r\nSDG\r\nC\r\nLOWW\r\n1230\r\nM\r\n480\r\nVFR\r\n999\r\n"
    "OLD ROUTE\r\nLIRF\r\n0815\r\nEDDM\r\nRMK/TEST\r\n0930\r\n180\r\nOLDMTL\r\n";

// What a field control shows.
QString shown(QWidget* window, const char* name) {
    QWidget* control = child<QWidget>(window, name);
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        return line->text();
    }
    if (auto* lines = qobject_cast<QPlainTextEdit*>(control)) {
        return lines->toPlainText();
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        return combo->currentText();
    }
    return QStringLiteral("<no field>");
}

QStringList items(QWidget* window, const char* name) {
    auto* combo = child<QComboBox>(window, name);
    QStringList result;
    for (int i = 0; i < combo->count(); ++i) {
        result << combo->itemText(i);
    }
    return result;
}

// The main window's route and cruise altitude, typed into its fields.
void setFlight(MainWindow& main, const QString& route, const QString& cruise = "31000") {
    child<QLineEdit>(&main, "Text1")->setText(route);
    child<QComboBox>(&main, "Text3")->setEditText(cruise);
}

// The main window on the folder with that flight.
std::unique_ptr<MainWindow> startWithFlight(const TestProgramFolder& folder, const QString& route,
                                            const QString& cruise = "31000") {
    auto main = startMainWindow(folder);
    if (main) {
        setFlight(*main, route, cruise);
    }
    return main;
}

// The IVAO window over the main window, shown and activated.
std::unique_ptr<IvaoPlanWindow> openIvaoWindow(MainWindow& main) {
    auto window = std::make_unique<IvaoPlanWindow>(main.context(), &main);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qWarning("the IVAO window did not come up");
    }
    QTest::qWait(50);
    return window;
}

bool centredOver(const QWidget* window, const QWidget* main) {
    const QPoint offset = window->frameGeometry().center() - main->frameGeometry().center();
    return offset.manhattanLength() <= 2;
}

}  // namespace

class IvaoPlanWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithSavedIvaoTxt();
    void opensWithoutIvaoTxt();
    void preselectsTheMainWindowsAircraft_data();
    void preselectsTheMainWindowsAircraft();
    void levelFromCruiseAltitude_data();
    void levelFromCruiseAltitude();
    void getFlightDataRefillsTheRoute();
    void saveWritesWhatTheWindowShows();
    void exitWritesNothing();
    void helpButtonsOpenTheirWindows_data();
    void helpButtonsOpenTheirWindows();
};

void IvaoPlanWindowTest::opensWithSavedIvaoTxt() {
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("ivao.txt"), kSavedIvaoTxt);
    auto main = startWithFlight(folder, QStringLiteral("EDDF SID ABC DEF STAR KJFK"));
    QVERIFY(main);
    auto window = openIvaoWindow(*main);

    QCOMPARE(window->objectName(), QStringLiteral("Form2"));
    QCOMPARE(window->windowTitle(), QStringLiteral("IVAO-Flightplan"));
    QVERIFY(centredOver(window.get(), main.get()));
    const std::pair<const char*, const char*> expected[] = {
        {"Text1", "DLH400"}, {"Combo1", "Y"},        {"Combo2", "N"},       {"Combo3", "2"},
        {"Text5", "B738"},   {"Combo4", "M"},        {"Text6", "SDG"},      {"Combo5", "C"},
        {"Text13", "EDDF"},  {"Text7", "1230"},      {"Combo6", "M"},       {"Text8", "480"},
        {"Combo7", "F"},     {"Text3", "310"},       {"Text2", "ABC DEF"},  {"Text14", "KJFK"},
        {"Text4", "0815"},   {"Text15", ""},         {"Text9", "RMK/TEST"}, {"Text10", "0930"},
        {"Text11", "180"},   {"Text12", "B737-800"},
    };
    for (const auto& [name, text] : expected) {
        QVERIFY2(shown(window.get(), name) == QLatin1String(text), name);
    }
}

void IvaoPlanWindowTest::opensWithoutIvaoTxt() {
    TestProgramFolder folder;
    auto main = startMainWindow(folder);
    QVERIFY(main);
    QStringList messages;
    expectMessage(messages);
    auto window = openIvaoWindow(*main);
    QVERIFY(allModalsAnswered());
    QCOMPARE(messages, QStringList{QStringLiteral("No Route available")});

    // Nothing restored: even the texts the window starts with are gone.
    for (const char* name :
         {"Text1", "Combo1", "Combo2", "Combo3", "Text6", "Combo5", "Text13", "Text7", "Combo6",
          "Text8", "Text2", "Text14", "Text4", "Text15", "Text9", "Text10", "Text11"}) {
        QVERIFY2(shown(window.get(), name).isEmpty(), name);
    }
    QCOMPARE(child<QComboBox>(window.get(), "Combo1")->currentIndex(), -1);
    QCOMPARE(shown(window.get(), "Text3"), QStringLiteral("310"));
    QCOMPARE(shown(window.get(), "Combo7"), QStringLiteral("F"));
    QCOMPARE(items(window.get(), "Combo1"), QStringList({"I", "V", "Y", "Z"}));
    QCOMPARE(items(window.get(), "Combo2"), QStringList({"S", "G", "N", "M", "X"}));
    QCOMPARE(items(window.get(), "Combo3"),
             QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    QCOMPARE(items(window.get(), "Combo4"), QStringList({"L", "M", "H"}));
    QCOMPARE(items(window.get(), "Combo5"), QStringList({"S", "C", "A", "N", "X", "P", "I"}));
    QCOMPARE(items(window.get(), "Combo6"), QStringList({"N", "M"}));
    QCOMPARE(items(window.get(), "Combo7"), QStringList({"F", "A", "VFR"}));
    QVERIFY(child<QComboBox>(window.get(), "Combo3")->isEditable());
    QVERIFY(!child<QComboBox>(window.get(), "Text5")->isEditable());
    QCOMPARE(child<QComboBox>(window.get(), "Text5")->count(), 51);
}

void IvaoPlanWindowTest::preselectsTheMainWindowsAircraft_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("wake");
    QTest::addColumn<QString>("mtl");
    QTest::newRow("PMDG737") << "Option1" << 0 << "B738"
                             << "M"
                             << "B737-800";
    QTest::newRow("PMDG747") << "Option2" << 1 << "B744"
                             << "H"
                             << "B747-400";
    QTest::newRow("LevelD 767") << "Option3" << 2 << "B763"
                                << "H"
                                << "B767-300ER";
    QTest::newRow("PSS 777") << "Option4" << 3 << "B772"
                             << "H"
                             << "B777-200ER";
}

void IvaoPlanWindowTest::preselectsTheMainWindowsAircraft() {
    QFETCH(QString, option);
    QFETCH(int, entry);
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("ivao.txt"), kSavedIvaoTxt);
    auto main = startWithFlight(folder, QStringLiteral("EDDF ABC KJFK "));
    QVERIFY(main);
    child<QRadioButton>(main.get(), option.toLatin1().constData())->click();
    auto window = openIvaoWindow(*main);

    QCOMPARE(child<QComboBox>(window.get(), "Text5")->currentIndex(), entry);
    QTEST(shown(window.get(), "Text5"), "type");
    QTEST(shown(window.get(), "Combo4"), "wake");
    QTEST(shown(window.get(), "Text12"), "mtl");
}

void IvaoPlanWindowTest::levelFromCruiseAltitude_data() {
    QTest::addColumn<QString>("cruise");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("type");
    QTest::newRow("31000 ft") << "31000"
                              << "310"
                              << "F";
    QTest::newRow("9500 ft") << "9500"
                             << "095"
                             << "F";
    QTest::newRow("5000 ft") << "5000"
                             << "5000"
                             << "A";
}

void IvaoPlanWindowTest::levelFromCruiseAltitude() {
    QFETCH(QString, cruise);
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("ivao.txt"), kSavedIvaoTxt);  // level type VFR saved
    auto main = startWithFlight(folder, QStringLiteral("EDDF ABC KJFK "), cruise);
    QVERIFY(main);
    auto window = openIvaoWindow(*main);

    QTEST(shown(window.get(), "Text3"), "level");
    QTEST(shown(window.get(), "Combo7"), "type");
}

void IvaoPlanWindowTest::getFlightDataRefillsTheRoute() {
    TestProgramFolder folder;
    auto main = startWithFlight(folder, QStringLiteral("EDDF ABC DEF KJFK "));
    QVERIFY(main);
    auto window = openIvaoWindow(*main);
    QCOMPARE(shown(window.get(), "Text2"), QStringLiteral("ABC DEF"));

    auto* getData = child<QPushButton>(window.get(), "Command8");
    QCOMPARE(getData->text(), QStringLiteral("Get Flight-Data"));
    setFlight(*main, QStringLiteral("EDDF SID XYZ STAR KJFK"));
    getData->click();
    QCOMPARE(shown(window.get(), "Text2"), QStringLiteral("XYZ"));

    setFlight(*main, QStringLiteral("  "));
    QStringList messages;
    expectMessage(messages);
    getData->click();
    QVERIFY(allModalsAnswered());
    QCOMPARE(messages, QStringList{QStringLiteral("No Route available")});
    QCOMPARE(shown(window.get(), "Text2"), QString());
    QVERIFY(window->isVisible());
}

void IvaoPlanWindowTest::saveWritesWhatTheWindowShows() {
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("ivao.txt"), kSavedIvaoTxt);
    auto main = startWithFlight(folder, QStringLiteral("EDDF ABC DEF KJFK "));
    QVERIFY(main);
    auto window = openIvaoWindow(*main);

    auto* callsign = child<QLineEdit>(window.get(), "Text1");
    callsign->clear();
    QTest::keyClicks(callsign, QStringLiteral("dlh401"));  // the callsign keeps small letters
    QTest::keyClick(child<QComboBox>(window.get(), "Combo2"), Qt::Key_Down);  // N -> M
    auto* number = child<QComboBox>(window.get(), "Combo3");
    number->lineEdit()->clear();
    QTest::keyClicks(number->lineEdit(), QStringLiteral("12"));
    auto* aircraft = child<QComboBox>(window.get(), "Text5");
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(aircraft, Qt::Key_Down);  // entry 4: B736
    }
    QTest::keyClicks(child<QLineEdit>(window.get(), "Text15"), QStringLiteral("egll"));
    auto* route = child<QPlainTextEdit>(window.get(), "Text2");
    route->moveCursor(QTextCursor::End);
    QTest::keyClicks(route, QStringLiteral(" ghi"));
    auto* other = child<QPlainTextEdit>(window.get(), "Text9");
    other->selectAll();
    QTest::keyClicks(other, QStringLiteral("rmk/a"));
    QTest::keyClick(other, Qt::Key_Return);
    QTest::keyClicks(other, QStringLiteral("b"));

    auto* save = child<QPushButton>(window.get(), "Command1");
    QCOMPARE(save->text(), QStringLiteral("Save"));
    save->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(readFile(folder.file(QStringLiteral("ivao.txt"))),
             QByteArray("dlh401\r\nY\r\nM\r\n12\r\nB736\r\nM\r\nSDG\r\nC\r\nEDDF\r\n1230\r\nM\r\n"
                        "480\r\nF\r\n310\r\nABC DEF GHI\r\nKJFK\r\n0815\r\nEGLL\r\nrmk/a b\r\n"
                        "0930\r\n180\r\nB737-600\r\n"));
}

// Opened from the main window's "IVAO FLight Data", changed and left with "Exit".
void IvaoPlanWindowTest::exitWritesNothing() {
    TestProgramFolder folder;
    auto main = startWithFlight(folder, QStringLiteral("EDDF ABC DEF KJFK "));
    QVERIFY(main);
    QString opened;
    answerNextModal([&opened](QWidget* window) {
        opened = window->objectName() + QLatin1Char(' ') + window->windowTitle();
        QTest::keyClicks(child<QLineEdit>(window, "Text1"), QStringLiteral("DLH400"));
        auto* exit = child<QPushButton>(window, "Command2");
        if (exit->text() != QLatin1String("Exit")) {
            opened += QStringLiteral(" without Exit");
        }
        exit->click();
    });
    child<QPushButton>(main.get(), "Command4")->click();
    QVERIFY(allModalsAnswered());
    QCOMPARE(opened, QStringLiteral("Form2 IVAO-Flightplan"));
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("ivao.txt"))));
}

void IvaoPlanWindowTest::helpButtonsOpenTheirWindows_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("flight rules") << "Command3"
                                  << "Form7"
                                  << "Flight Rules" << 4 << "I = IRF"
                                  << "Z = VFR / IFR";
    QTest::newRow("flight type") << "Command4"
                                 << "Form8"
                                 << "Flight-Type" << 5 << "S = Sheduled Air Transport"
                                 << "X = Other";
    QTest::newRow("wake category")
        << "Command5"
        << "Form9"
        << "Wake Category" << 6 << "L = Light"
        << "to indicate an aircraft type with a MOTW of 136.000 kg ( 300.000 lb ) or more.";
    QTest::newRow("equipment") << "Command6"
                               << "Form10"
                               << "Radio and Navigation Equipment" << 23
                               << "S = Standard (VHF,ADF,VOR,ILS)"
                               << "Z = Other (specyfy in item 18 preceded by COM/ or NAV";
    QTest::newRow("transponder") << "Command7"
                                 << "Form11"
                                 << "Transponder Type" << 7 << "C = Mode C"
                                 << "N = No transponder on board";
}

void IvaoPlanWindowTest::helpButtonsOpenTheirWindows() {
    QFETCH(QString, button);
    TestProgramFolder folder;
    auto main = startWithFlight(folder, QStringLiteral("EDDF ABC DEF KJFK "));
    QVERIFY(main);
    auto window = openIvaoWindow(*main);
    QTest::keyClicks(child<QPlainTextEdit>(window.get(), "Text2"), QStringLiteral("X"));

    QString form;
    QString title;
    QStringList lines;
    bool centred = false;
    answerNextModal([&](QWidget* help) {
        form = help->objectName();
        title = help->windowTitle();
        for (const QLabel* label : help->findChildren<QLabel*>()) {
            lines << label->text();
        }
        centred = centredOver(help, main.get());
        auto* ok = child<QPushButton>(help, "Command1");
        if (ok->text() != QLatin1String("OK")) {
            lines << QStringLiteral("<no OK>");
        }
        ok->click();
    });
    auto* question = child<QPushButton>(window.get(), button.toLatin1().constData());
    QCOMPARE(question->text(), QStringLiteral("?"));
    question->click();
    QVERIFY(allModalsAnswered());

    QTEST(form, "form");
    QTEST(title, "title");
    QTEST(static_cast<int>(lines.size()), "lineCount");
    QTEST(lines.value(0), "firstLine");
    QTEST(lines.value(lines.size() - 1), "lastLine");
    QVERIFY(centred);
    // Coming back from the help window refills the route field.
    QCOMPARE(shown(window.get(), "Text2"), QStringLiteral("ABC DEF"));
}

QTEST_MAIN(IvaoPlanWindowTest)
#include "ivao_plan_window_test.moc"
