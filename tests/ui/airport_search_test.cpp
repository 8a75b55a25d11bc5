// The airport search window as the pilot types into it: opened from
// "Airport-ICAO" with the focus in the search field; Enter and "OK" search,
// and so does every change that leaves five or more characters.

#include <QtTest>
#include <QtWidgets>

#include "support/ui_test_support.h"

using namespace skyloom::uitest;

class AirportSearchTest : public QObject {
    Q_OBJECT
  private slots:
    void searchesAsThePilotTypes() {
        TestProgramFolder folder;
        auto main = startMainWindow(folder);
        main->settings().pathNavData =
            QDir::toNativeSeparators(sourcePath("tests/data/navdata/airport_search/"))
                .toStdString();
        QStringList seen;
        answerNextModal([&](QWidget* window) {
            auto* text = child<QLineEdit>(window, "Text1");
            auto* list = child<QListWidget>(window, "List1");
            const auto step = [&](const char* what) {
                seen << QString("%1: %2 %3 %4")
                            .arg(what, text->text())
                            .arg(list->count())
                            .arg(list->count() > 0 ? list->item(0)->text().right(4) : "-");
            };
            QTest::keyClicks(window->focusWidget(), "eddf");
            step("typed");
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
            step("Enter");
            QTest::keyClicks(window->focusWidget(), "x");
            step("typed");
            text->clear();
            QTest::keyClicks(text, "zurich");
            QTest::keyClick(text, Qt::Key_Backspace);
            QTest::keyClick(text, Qt::Key_Backspace);
            step("deleted");
            text->clear();
            QTest::keyClicks(text, "eddm");
            click(window, "Command1");
            step("OK");
            click(window, "Command2");
        });
        click(main.get(), "Command8");
        QVERIFY(allModalsAnswered());
        QCOMPARE(seen, (QStringList{"typed: eddf 0 -", "Enter: eddf 1 EDDF", "typed: eddfx 0 -",
                                    "deleted: zuri 1 LSZH", "OK: eddm 1 EDDM"}));
    }

    // Without the runway file the search says so; while typing only once.
    void missingFileIsReported() {
        TestProgramFolder folder;
        auto main = startMainWindow(folder);
        main->settings().pathNavData = folder.file("missing/").toStdString();
        QStringList messages;
        answerNextModal([&](QWidget* window) {
            expectMessage(messages);
            QTest::keyClicks(window->focusWidget(), "zurich");
            expectMessage(messages);
            click(window, "Command1");
            click(window, "Command2");
        });
        click(main.get(), "Command8");
        QVERIFY(allModalsAnswered());
        QCOMPARE(messages.size(), 2);
    }
};

QTEST_MAIN(AirportSearchTest)
#include "airport_search_test.moc"
