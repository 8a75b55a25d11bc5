#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "io/file_system.h"
#include "support/ui_test_support.h"
#include "ui/airport_search_window.h"
#include "ui/text_convert.h"

using namespace skyloom;
using namespace skyloom::uitest;

namespace {

// tests/data/navdata/airport_search/wpNavAPT.txt: EDDF has three runway
// lines; a line starting with ";" names FRANKFURT HAHN (EDFH) before its own.
const QString kFrankfurt = QStringLiteral("FRANKFURT MAIN          \tEDDF");
const QString kHahn = QStringLiteral("FRANKFURT HAHN          \tEDFH");
const QString kZurich = QStringLiteral("ZURICH                  \tLSZH");
const QString kMunich = QStringLiteral("M\u00DCNCHEN FRANZ J STRAUSS \tEDDM");

// The search window over a navigation folder, shown over a main window stand-in.
struct OpenWindow {
    explicit OpenWindow(const QString& navFolder)
        : nav(ui::fromQt(navFolder) + kPathSeparator), prompts(&main) {
        main.setGeometry(100, 100, 900, 700);
        main.show();
        window = std::make_unique<ui::AirportSearchWindow>(nav, prompts, &main);
        window->show();
        text = child<QLineEdit>(window.get(), "Text1");
        list = child<QListWidget>(window.get(), "List1");
    }
    QStringList entries() const {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i) {
            lines << list->item(i)->text();
        }
        return lines;
    }

    QWidget main;
    NavDatabase nav;
    ui::QtPrompts prompts;
    std::unique_ptr<ui::AirportSearchWindow> window;
    QLineEdit* text = nullptr;
    QListWidget* list = nullptr;
};

QString searchFolder() {
    return sourcePath(QStringLiteral("tests/data/navdata/airport_search"));
}

}  // namespace

class AirportSearchTest : public QObject {
    Q_OBJECT
  private slots:
    void entersSearch_data();
    void entersSearch();
    void typingSearchesFromFiveCharacters();
    void missingFileIsReported();
    void opensCentredFromTheMainWindow();
};

void AirportSearchTest::entersSearch_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("one entry per airport, no ';' line")
        << "FRANKFURT" << QStringList{kFrankfurt, kHahn};
    QTest::newRow("case-insensitive") << "frankfurt" << QStringList{kFrankfurt, kHahn};
    QTest::newRow("code of three runways") << "EDDF" << QStringList{kFrankfurt};
    QTest::newRow("another column") << "13123" << QStringList{kMunich, kFrankfurt};
    QTest::newRow("blanks count") << " ZURICH" << QStringList{};
}

// Enter searches whatever the length, is not typed and closes nothing; OK searches the same.
void AirportSearchTest::entersSearch() {
    QFETCH(QString, typed);
    QFETCH(QStringList, entries);
    OpenWindow w(searchFolder());
    w.list->addItem(QStringLiteral("old entry"));
    QTest::keyClicks(w.text, typed);
    QTest::keyClick(w.text, Qt::Key_Return);
    QCOMPARE(w.entries(), entries);
    QCOMPARE(w.text->text(), typed);
    QVERIFY(w.window->isVisible());

    w.list->clear();
    QTest::mouseClick(child<QPushButton>(w.window.get(), "Command1"), Qt::LeftButton);
    QCOMPARE(w.entries(), entries);
}

// Each typed or deleted character searches once the text has five; blanks search nothing.
void AirportSearchTest::typingSearchesFromFiveCharacters() {
    OpenWindow w(searchFolder());
    QTest::keyClicks(w.text, QStringLiteral("zuri"));
    QCOMPARE(w.list->count(), 0);
    QTest::keyClick(w.text, Qt::Key_C);
    QCOMPARE(w.entries(), QStringList{kZurich});
    QTest::keyClick(w.text, Qt::Key_X);
    QCOMPARE(w.list->count(), 0);
    QTest::keyClick(w.text, Qt::Key_Backspace);
    QCOMPARE(w.entries(), QStringList{kZurich});
    QTest::keyClick(w.text, Qt::Key_Backspace);  // four again: the list stays
    QCOMPARE(w.entries(), QStringList{kZurich});

    w.text->clear();
    QTest::keyClicks(w.text, QStringLiteral("      "));
    QTest::keyClick(w.text, Qt::Key_Return);
    QTest::mouseClick(child<QPushButton>(w.window.get(), "Command1"), Qt::LeftButton);
    QCOMPARE(w.entries(), QStringList{kZurich});
}

void AirportSearchTest::missingFileIsReported() {
    QTemporaryDir empty;
    OpenWindow w(empty.path());
    w.list->addItem(QStringLiteral("old entry"));
    QStringList messages;
    expectMessage(messages);
    QTest::keyClicks(w.text, QStringLiteral("EDDF"));
    QTest::keyClick(w.text, Qt::Key_Return);
    QVERIFY(allModalsAnswered());
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(empty.path() + QStringLiteral("/wpNavAPT.txt")),
             qPrintable(messages[0]));
    QCOMPARE(w.list->count(), 0);
}

void AirportSearchTest::opensCentredFromTheMainWindow() {
    TestProgramFolder folder;
    auto main = startMainWindow(folder);
    QVERIFY(main);
    bool seen = false;
    answerNextModal([&](QWidget* window) {
        seen =
            window->objectName() == QStringLiteral("Form4") &&
            window->windowTitle() == QStringLiteral("Airport-ICAO") &&
            (window->frameGeometry().center() - main->frameGeometry().center()).manhattanLength() <=
                2 &&
            window->focusWidget() == child<QLineEdit>(window, "Text1");
        QTest::mouseClick(child<QPushButton>(window, "Command2"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(main.get(), "Command8"), Qt::LeftButton);
    QVERIFY(allModalsAnswered());
    QVERIFY(seen);
}

QTEST_MAIN(AirportSearchTest)
#include "airport_search_test.moc"
