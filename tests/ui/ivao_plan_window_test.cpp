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

// What a field control shows: a line's or a pick list's text, the text of a box.
QString shown(QWidget* window, const char* name) {
    const QWidget* control = child<QWidget>(window, name);
    for (const char* property : {"text", "plainText", "currentText"}) {
        if (control->property(property).isValid()) {
            return control->property(property).toString();
        }
    }
    return QStringLiteral("<no field>");
}

// The main window's route and cruise altitude, typed into its fields.
void setFlight(MainWindow& main, const QString& route, const QString& cruise = "31000") {
    child<QLineEdit>(&main, "Text1")->setText(route);
    child<QComboBox>(&main, "Text3")->setEditText(cruise);
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
    void opensWithTheFlight_data();
    void opensWithTheFlight();
    void saveWritesWhatTheWindowShows();
    void exitWritesNothing();
    void helpButtonsOpenTheirWindows_data();
    void helpButtonsOpenTheirWindows();
};

// "flight" is the main window's route, cruise altitude and aircraft; "fields" lists
// "control=text" for the controls to look at.
void IvaoPlanWindowTest::opensWithTheFlight_data() {
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QStringList>("flight");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::newRow("saved ivao.txt")
        << true << QStringList{"EDDF SID ABC DEF STAR KJFK", "31000", "Option1"}
        << QStringList{"Text1=DLH400", "Combo1=Y",       "Combo2=N",       "Combo3=2",
                       "Text5=B738",   "Combo4=M",       "Text6=SDG",      "Combo5=C",
                       "Text13=EDDF",  "Text7=1230",     "Combo6=M",       "Text8=480",
                       "Combo7=F",     "Text3=310",      "Text2=ABC DEF",  "Text14=KJFK",
                       "Text4=0815",   "Text15=",        "Text9=RMK/TEST", "Text10=0930",
                       "Text11=180",   "Text12=B737-800"}
        << QString();
    // Nothing restored: no pick list keeps the first item it was filled with.
    QTest::newRow("no ivao.txt, no route, PSS 777")
        << false << QStringList{"", "31000", "Option4"}
        << QStringList{"Combo1=",   "Combo2=", "Combo3=", "Text5=B772",
                       "Combo4=H",  "Combo5=", "Combo6=", "Combo7=F",
                       "Text3=310", "Text2=",  "Text14=", "Text12=B777-200ER"}
        << "No Route available";
    // The main window's aircraft and cruise altitude win over the saved B744 and level type VFR.
    QTest::newRow("PMDG747, 9500 ft")
        << true << QStringList{"EDDF ABC KJFK ", "9500", "Option2"}
        << QStringList{"Text5=B744", "Combo4=H", "Text12=B747-400", "Combo7=F", "Text3=095"}
        << QString();
    QTest::newRow("LevelD 767, 5000 ft")
        << true << QStringList{"EDDF ABC KJFK ", "5000", "Option3"}
        << QStringList{"Text5=B763", "Combo4=H", "Text12=B767-300ER", "Combo7=A", "Text3=5000"}
        << QString();
}

void IvaoPlanWindowTest::opensWithTheFlight() {
    QFETCH(bool, saved);
    QFETCH(QStringList, flight);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    TestProgramFolder folder;
    if (saved) {
        folder.writeFile(QStringLiteral("ivao.txt"), kSavedIvaoTxt);
    }
    auto main = startMainWindow(folder);
    QVERIFY(main);
    setFlight(*main, flight[0], flight[1]);
    child<QRadioButton>(main.get(), flight[2].toLatin1().constData())->click();
    QStringList messages;
    if (!message.isEmpty()) {
        expectMessage(messages);
    }
    auto window = openIvaoWindow(*main);
    QVERIFY(allModalsAnswered());
    QCOMPARE(messages.join(QString()), message);

    QCOMPARE(window->objectName(), QStringLiteral("Form2"));
    QCOMPARE(window->windowTitle(), QStringLiteral("IVAO-Flightplan"));
    QVERIFY(centredOver(window.get(), main.get()));
    QStringList shownFields;
    for (const QString& field : fields) {
        const QString name = field.section(QLatin1Char('='), 0, 0);
        shownFields << name + QLatin1Char('=') + shown(window.get(), name.toLatin1().constData());
    }
    QCOMPARE(shownFields, fields);
    // The pick lists are filled; only the number can be typed.
    QCOMPARE(child<QComboBox>(window.get(), "Combo5")->count(), 7);
    QCOMPARE(child<QComboBox>(window.get(), "Text5")->count(), 51);
    QVERIFY(child<QComboBox>(window.get(), "Combo3")->isEditable());
    QVERIFY(!child<QComboBox>(window.get(), "Text5")->isEditable());
}

// Typed and picked by keyboard, the route taken again with "Get Flight-Data", then saved.
void IvaoPlanWindowTest::saveWritesWhatTheWindowShows() {
    TestProgramFolder folder;
    folder.writeFile(QStringLiteral("ivao.txt"), kSavedIvaoTxt);
    auto main = startMainWindow(folder);
    QVERIFY(main);
    setFlight(*main, QStringLiteral("EDDF ABC DEF KJFK "));
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
        QTest::keyClick(aircraft, Qt::Key_Down);  // entry 4: B736, its MTL aircraft follows
    }
    QTest::keyClicks(child<QLineEdit>(window.get(), "Text15"), QStringLiteral("egll"));

    auto* getData = child<QPushButton>(window.get(), "Command8");
    QCOMPARE(getData->text(), QStringLiteral("Get Flight-Data"));
    setFlight(*main, QStringLiteral("EDDF SID XYZ STAR KJFK"));
    getData->click();
    auto* route = child<QPlainTextEdit>(window.get(), "Text2");
    QCOMPARE(route->toPlainText(), QStringLiteral("XYZ"));
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
                        "480\r\nF\r\n310\r\nXYZ GHI\r\nKJFK\r\n0815\r\nEGLL\r\nrmk/a b\r\n"
                        "0930\r\n180\r\nB737-600\r\n"));
}

// Opened from the main window's "IVAO FLight Data", changed and left with "Exit".
void IvaoPlanWindowTest::exitWritesNothing() {
    TestProgramFolder folder;
    auto main = startMainWindow(folder);
    QVERIFY(main);
    setFlight(*main, QStringLiteral("EDDF ABC DEF KJFK "));
    QString opened;
    answerNextModal([&opened](QWidget* window) {
        opened = window->objectName() + QLatin1Char(' ') + window->windowTitle();
        QTest::keyClicks(child<QLineEdit>(window, "Text1"), QStringLiteral("DLH400"));
        auto* exit = child<QPushButton>(window, "Command2");
        opened += QLatin1Char(' ') + exit->text();
        exit->click();
    });
    child<QPushButton>(main.get(), "Command4")->click();
    QVERIFY(allModalsAnswered());
    QCOMPARE(opened, QStringLiteral("Form2 IVAO-Flightplan Exit"));
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("ivao.txt"))));
}

// Per "?": the button, then the help window's name, title and first line.
void IvaoPlanWindowTest::helpButtonsOpenTheirWindows_data() {
    QTest::addColumn<QStringList>("help");
    QTest::newRow("flight rules") << QStringList{"Command3", "Form7", "Flight Rules", "I = IRF"};
    QTest::newRow("flight type") << QStringList{"Command4", "Form8", "Flight-Type",
                                                "S = Sheduled Air Transport"};
    QTest::newRow("wake category")
        << QStringList{"Command5", "Form9", "Wake Category", "L = Light"};
    QTest::newRow("equipment") << QStringList{
        "Command6", "Form10", "Radio and Navigation Equipment", "S = Standard (VHF,ADF,VOR,ILS)"};
    QTest::newRow("transponder") << QStringList{"Command7", "Form11", "Transponder Type",
                                                "C = Mode C"};
}

void IvaoPlanWindowTest::helpButtonsOpenTheirWindows() {
    QFETCH(QStringList, help);
    TestProgramFolder folder;
    auto main = startMainWindow(folder);
    QVERIFY(main);
    setFlight(*main, QStringLiteral("EDDF ABC DEF KJFK "));
    auto window = openIvaoWindow(*main);
    QTest::keyClicks(child<QPlainTextEdit>(window.get(), "Text2"), QStringLiteral("X"));

    QStringList seen;
    bool centred = false;
    answerNextModal([&](QWidget* window) {
        const QList<QLabel*> lines = window->findChildren<QLabel*>();
        seen << window->objectName() << window->windowTitle()
             << (lines.isEmpty() ? QString() : lines.first()->text());
        centred = centredOver(window, main.get());
        auto* ok = child<QPushButton>(window, "Command1");
        if (ok->text() != QLatin1String("OK")) {
            seen << QStringLiteral("<no OK>");
        }
        ok->click();
    });
    auto* question = child<QPushButton>(window.get(), help[0].toLatin1().constData());
    QCOMPARE(question->text(), QStringLiteral("?"));
    question->click();
    QVERIFY(allModalsAnswered());
    QCOMPARE(seen, help.mid(1));
    QVERIFY(centred);
    // Coming back from the help window refills the route field.
    QCOMPARE(shown(window.get(), "Text2"), QStringLiteral("ABC DEF"));
}

QTEST_MAIN(IvaoPlanWindowTest)
#include "ivao_plan_window_test.moc"
