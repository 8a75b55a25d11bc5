// The IVAO plan window shows every field in its control, saves what it
// shows, and opens the code help windows from its "?" buttons.

#include <QtTest>
#include <QtWidgets>

#include "support/ui_test_support.h"

using namespace skyloom::uitest;

namespace {

// ivao.txt as a pilot saved it; lines 9, 16 and 18 belong to another flight.
const QByteArray kSavedIvaoTxt =
    "DLH400\r\nY\r\nN\r\n2\r\nB744\r\nL\r\nSDG\r\nC\r\nLOWW\r\n1230\r\nM\r\n480\r\nVFR\r\n999\r\n"
    "OLD ROUTE\r\nLIRF\r\n0815\r\nEDDM\r\nRMK/TEST\r\n0930\r\n180\r\nOLDMTL\r\n";

// What a field shows: the text of a line, a pick list or a box.
QString shown(QWidget* window, const QString& name) {
    const QWidget* field = child<QWidget>(window, qPrintable(name));
    return field
        ->property(field->inherits("QComboBox")        ? "currentText"
                   : field->inherits("QPlainTextEdit") ? "plainText"
                                                       : "text")
        .toString();
}

}  // namespace

class IvaoPlanWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // "IVAO FLight Data" shows each field, restored or taken from the flight, in
    // its control. Each "?" opens its help window, and coming back refills the
    // route. Typed and picked, the fields are saved as shown for "Make IVAO-Plan".
    void fieldsShownTypedAndSaved() {
        TestProgramFolder folder;
        folder.writeFile("ivao.txt", kSavedIvaoTxt);
        auto main = startMainWindow(folder);
        auto* route = child<QLineEdit>(main.get(), "Text1");
        route->setText("EDDF SID ABC DEF STAR KJFK");
        const QStringList expected{
            "Text1=DLH400", "Combo1=Y",       "Combo2=N", "Combo3=2",       "Text5=B738",
            "Combo4=M",     "Text6=SDG",      "Combo5=C", "Text13=EDDF",    "Text7=1230",
            "Combo6=M",     "Text8=480",      "Combo7=F", "Text3=310",      "Text2=ABC DEF",
            "Text14=KJFK",  "Text4=0815",     "Text15=",  "Text9=RMK/TEST", "Text10=0930",
            "Text11=180",   "Text12=B737-800"};
        QStringList seen;
        answerNextModal([&](QWidget* window) {
            for (const QString& field : expected) {
                seen << field.section('=', 0, 0) + '=' + shown(window, field.section('=', 0, 0));
            }
            QTest::keyClicks(child<QPlainTextEdit>(window, "Text2"), "X");
            for (const char* help : {"Command3", "Command4", "Command5", "Command6", "Command7"}) {
                answerNextModal([&](QWidget* helpWindow) {
                    seen << helpWindow->objectName();
                    click(helpWindow, "Command1");
                });
                click(window, help);
            }
            seen << "Text2=" + shown(window, "Text2");
            QTest::keyClicks(child<QLineEdit>(window, "Text1"), "x");  // not made a capital
            QTest::keyClick(child<QComboBox>(window, "Combo2"), Qt::Key_Down);  // N -> M
            QTest::keyClicks(child<QComboBox>(window, "Combo3")->lineEdit(), "2");
            for (int i = 0; i < 4; ++i) {
                QTest::keyClick(child<QComboBox>(window, "Text5"), Qt::Key_Down);  // B736
            }
            QTest::keyClicks(child<QLineEdit>(window, "Text15"), "egll");
            route->setText("EDDF XYZ KJFK ");
            click(window, "Command8");
            auto* other = child<QPlainTextEdit>(window, "Text9");
            other->moveCursor(QTextCursor::End);
            QTest::keyClicks(other, "\rb");
            click(window, "Command1");
        });
        click(main.get(), "Command4");
        QVERIFY(allModalsAnswered());
        QCOMPARE(seen, (expected + QStringList{"Form7", "Form8", "Form9", "Form10", "Form11",
                                               "Text2=ABC DEF"}));
        QCOMPARE(
            readFile(folder.file("ivao.txt")),
            "DLH400x\r\nY\r\nM\r\n22\r\nB736\r\nM\r\nSDG\r\nC\r\nEDDF\r\n1230\r\nM\r\n480\r\nF\r\n"
            "310\r\nXYZ\r\nKJFK\r\n0815\r\nEGLL\r\nRMK/TEST b\r\n0930\r\n180\r\nB737-600\r\n");
        QStringList messages;
        answerText("TEMP");
        expectMessage(messages);
        click(main.get(), "Command5");
        QVERIFY(allModalsAnswered());
        QVERIFY(readFile(folder.pathLine(3) + "TEMP.fpl").contains("\r\nID=DLH400x\r\n"));
    }
};

QTEST_MAIN(IvaoPlanWindowTest)
#include "ivao_plan_window_test.moc"
