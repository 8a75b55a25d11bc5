// The main window as a pilot uses it: typing, clicking, answering dialogs,
// with real files on disk. The whole suite runs under LC_ALL=de_DE.UTF-8, a
// locale with decimal commas, and its files must still match skyloom-cli's.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTreeView>
#include <QtTest>
#include <clocale>
#include <cstdio>

#include "support/ui_test_support.h"
#include "ui/browser_pane.h"
#include "ui/web_pane_choice.h"

using namespace skyloom::uitest;
using skyloom::ui::MainWindow;

namespace {

const QString kChoiceRoute = QStringLiteral("EBBR HEVRO UP6 DINAN KOPAS METZO UP6 BASLO LSZH");
const QString kPlainRoute = QStringLiteral("LSZH RIKON UZ29 KEMOT UT180 LANZO UN850 VEXIT LOWW");

void click(QWidget* window, const char* name) {
    QTest::mouseClick(child<QWidget>(window, name), Qt::LeftButton);
}

void trigger(QWidget* window, const char* action) {
    child<QAction>(window, action)->trigger();
}

// skyloom-cli on its own program folder; returns its exit code.
int runCli(const TestProgramFolder& folder, QStringList arguments) {
    QProcess cli;
    arguments.prepend(folder.path());
    arguments.prepend(QStringLiteral("--program-folder"));
    cli.start(QStringLiteral(SKYLOOM_CLI), arguments);
    cli.waitForFinished(60000);
    return cli.exitCode();
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void roadOfOneFlight_data();
    void roadOfOneFlight();
    void firstStartAsksAndProposesDummyFolders();
    void badPathLinesAreReportedInOrder();
    void smallHandlers();
    void cruiseAltitudeTypedOverOnFocus();
    void webPaneChoice();
    void folderChooserGivesFolderWithSeparator();
    void folderChooserSwitchesRows();
    void routeTakenFromPage();
    void flightSavedAndLoadedThroughDialogs();
    void cancelledAndFailingCommandsLoseNothing();
    void makeIvaoPlanFromTheSavedFields();
};

void MainWindowTest::initTestCase() {
    // Proof that the locale with decimal commas is really in force.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    QCOMPARE(QByteArray(buffer), QByteArray("1,5"));
}

void MainWindowTest::roadOfOneFlight_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("aircraft");
    QTest::addColumn<int>("doubleClickRow");  // -1: Enter on the preselected line
    QTest::addColumn<QString>("choose");
    QTest::addColumn<QStringList>("files");  // output folder (path.ini line) / name

    QTest::newRow("747, KOPAS in Nebraska by double-click")
        << "Option2"
        << "747" << 1 << "2" << QStringList{"2/747-EBBR-LSZH.rte", "4/EBBR-LSZH.pln"};
    QTest::newRow("767, nearest KOPAS by Enter")
        << "Option3"
        << "767" << -1 << "n" << QStringList{"5/EBBR-LSZH.rte", "4/EBBR-LSZH.pln"};
    QTest::newRow("777, KOPAS in Luxembourg by double-click")
        << "Option4"
        << "777" << 0 << "1" << QStringList{"6/EBBR-LSZH.b2r", "4/EBBR-LSZH.pln"};
}

void MainWindowTest::roadOfOneFlight() {
    QFETCH(QString, option);
    QFETCH(QString, aircraft);
    QFETCH(int, doubleClickRow);
    QFETCH(QString, choose);
    QFETCH(QStringList, files);

    TestProgramFolder folder;
    auto window = startMainWindow(folder);
    QVERIFY(window);
    click(window.get(), qPrintable(option));
    auto* route = child<QLineEdit>(window.get(), "Text1");
    QTest::keyClicks(route, kChoiceRoute.toLower());
    QCOMPARE(route->text(), kChoiceRoute);

    QString listed;
    answerNextModal([&](QWidget* choice) {
        auto* list = child<QListWidget>(choice, "List1");
        listed = choice->objectName() + QLatin1Char(' ') + QString::number(list->count());
        // The arrow while the pilot chooses, though the calculation is busy.
        if (QApplication::overrideCursor() == nullptr ||
            QApplication::overrideCursor()->shape() != Qt::ArrowCursor) {
            listed += QStringLiteral(" without the arrow");
        }
        if (doubleClickRow < 0) {
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            // A double-click as the mouse makes it: a click, then the second press.
            const QPoint line = list->visualItemRect(list->item(doubleClickRow)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
        }
    });
    click(window.get(), "Command1");
    QVERIFY(allModalsAnswered());
    QCOMPARE(listed, QStringLiteral("Form3 2"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(child<QPushButton>(window.get(), "Command2")->isEnabled());

    QStringList messages;
    answerNextModal([](QWidget* box) { typeIntoInput(box, QStringLiteral("ebbr-lszh")); });
    expectMessage(messages);
    click(window.get(), "Command2");
    QVERIFY(allModalsAnswered());
    QCOMPARE(messages, QStringList{QStringLiteral("Flightplan(s) saved!")});

    TestProgramFolder cliFolder;
    QCOMPARE(runCli(cliFolder, {"--aircraft", aircraft, "--choose", choose, "--save", "EBBR-LSZH",
                                kChoiceRoute}),
             0);
    for (const QString& file : files) {
        const int line = file.section(QLatin1Char('/'), 0, 0).toInt();
        const QString name = file.section(QLatin1Char('/'), 1);
        const QByteArray written = readFile(folder.outputFolder(line) + name);
        QVERIFY2(!written.isEmpty(), qPrintable(name));
        QCOMPARE(written, readFile(cliFolder.outputFolder(line) + name));
    }
}

void MainWindowTest::firstStartAsksAndProposesDummyFolders() {
    TestProgramFolder folder(false);
    QStringList seen;
    answerNextModal([&](QWidget* box) {
        seen << box->windowTitle();
        typeIntoInput(box, QStringLiteral("http://example.org/"));
    });
    expectMessage(seen, QMessageBox::Ok);
    answerNextModal([](QWidget* box) {
        typeIntoInput(box, QStringLiteral("HTTP://rfinder.ASALINK.net/free/"));
    });
    const QString dummy =
        folder.path() + QDir::separator() + QStringLiteral("DUMMY") + QDir::separator();
    answerNextModal([&](QWidget* paths) {
        seen << paths->objectName();
        for (int i = 0; i < 6; ++i) {
            seen << child<QLineEdit>(paths, qPrintable(QStringLiteral("Text1(%1)").arg(i)))->text();
        }
        click(paths, "Command4");
    });
    auto window = startMainWindow(folder);
    QVERIFY(window);
    QVERIFY(allModalsAnswered());
    QStringList expected{QStringLiteral("Initialize"), QStringLiteral("wrong input! retry!"),
                         QStringLiteral("Form5")};
    for (int i = 0; i < 6; ++i) {
        expected << dummy;
    }
    QCOMPARE(seen, expected);
    QCOMPARE(readFile(folder.file(QStringLiteral("url.ini"))),
             QByteArray("HTTP://rfinder.ASALINK.net/free/\r\n"));
    QCOMPARE(readFile(folder.file(QStringLiteral("path.ini"))),
             (dummy + QStringLiteral("\r\n")).repeated(6).toUtf8());
    QVERIFY(child<QRadioButton>(window.get(), "Option1")->isChecked());
    QVERIFY(child<QCheckBox>(window.get(), "Check1")->isChecked());

    // Closing writes the choice and the check box.
    click(window.get(), "Option4");
    click(window.get(), "Check1");
    window->close();
    QCOMPARE(readFile(folder.file(QStringLiteral("AC.ini"))), QByteArray("0\r\n0\r\n0\r\n1\r\n"));
    QCOMPARE(readFile(folder.file(QStringLiteral("check.ini"))), QByteArray("0\r\n"));
}

void MainWindowTest::badPathLinesAreReportedInOrder() {
    TestProgramFolder folder;
    QStringList lines = QString::fromUtf8(readFile(folder.file(QStringLiteral("path.ini"))))
                            .split(QStringLiteral("\r\n"));
    lines[1] = folder.path() + QStringLiteral("/missing-pmdg/");
    lines[4] = folder.path() + QStringLiteral("/missing-leveld/");
    folder.writeFile(QStringLiteral("path.ini"), lines.join(QStringLiteral("\r\n")).toUtf8());
    QStringList messages;
    for (int i = 0; i < 3; ++i) {
        expectMessage(messages);
    }
    auto window = startMainWindow(folder);
    QVERIFY(allModalsAnswered());
    QCOMPARE(
        messages,
        (QStringList{
            "Please check the 2nd line in the path.ini! - Wrong Path To PMDG-Flightplans!",
            "Please check the 5th line in the path.ini! - Wrong Path To LevelD-767-Flightplans!",
            "There have been one or more errors in the path.ini.\nPlease set the paths "
            "properly!"}));
}

void MainWindowTest::smallHandlers() {
    TestProgramFolder folder;
    auto window = startMainWindow(folder);
    QWidget* w = window.get();

    // Typed letters become capitals, pasted ones stay as they are.
    auto* route = child<QLineEdit>(w, "Text1");
    QGuiApplication::clipboard()->setText(QStringLiteral("eddf"));
    route->setFocus();
    QTest::keyClick(route, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(route, QStringLiteral(" kjfk"));
    QCOMPARE(route->text(), QStringLiteral("eddf KJFK"));

    // The distance takes digits and Backspace only.
    auto* distance = child<QLineEdit>(w, "Text5");
    distance->clear();
    QTest::keyClicks(distance, QStringLiteral("1a 2.-3"));
    QTest::keyClick(distance, Qt::Key_Backspace);
    QTest::keyClick(distance, Qt::Key_Return);
    QCOMPARE(distance->text(), QStringLiteral("12"));

    // "only FS-Plan" checks and locks "create FS-PLAN"; unchecked, it frees it.
    auto* createFsPlan = child<QCheckBox>(w, "Check1");
    click(w, "Check1");
    QVERIFY(!createFsPlan->isChecked());
    click(w, "Check2");
    QVERIFY(createFsPlan->isChecked() && !createFsPlan->isEnabled());
    click(w, "Check2");
    QVERIFY(createFsPlan->isChecked() && createFsPlan->isEnabled());

    // Only a Ctrl+left click empties the plan text.
    auto* plan = child<QPlainTextEdit>(w, "Text2");
    const struct {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        bool empties;
    } clicks[] = {{Qt::LeftButton, Qt::NoModifier, false},
                  {Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, false},
                  {Qt::RightButton, Qt::ControlModifier, false},
                  {Qt::LeftButton, Qt::ControlModifier, true}};
    for (const auto& c : clicks) {
        plan->setPlainText(QStringLiteral("plan"));
        QTest::mouseClick(plan->viewport(), c.button, c.modifiers, QPoint(20, 10));
        QCOMPARE(plan->toPlainText().isEmpty(), c.empties);
    }

    // The window keeps its size, also where the fixed-size hints are ignored,
    // as without a window manager: here they are dropped before the resize.
    const QSize size = w->size();
    w->setMinimumSize(0, 0);
    w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    w->resize(size.width() + 200, size.height() - 100);
    QTRY_COMPARE(w->size(), size);
    QCOMPARE(child<QWidget>(w, "Text1")->geometry(), QRect(31, 442, 917, 23));
    QCOMPARE(child<QWidget>(w, "Command1")->geometry(), QRect(404, 506, 109, 27));
    QCOMPARE(child<QWidget>(w, "Command11")->geometry(), QRect(344, 9, 23, 17));
}

// Whatever brings the focus into the cruise altitude, a click, Tab or
// Shift+Tab, what the pilot types then replaces the whole text, and the
// simulator plan carries exactly that.
void MainWindowTest::cruiseAltitudeTypedOverOnFocus() {
    TestProgramFolder folder;
    auto window = startMainWindow(folder);
    QWidget* w = window.get();
    auto* cruise = child<QComboBox>(w, "Text3");
    auto* route = child<QLineEdit>(w, "Text1");
    route->setText(kPlainRoute);
    // The neighbours in the Tab order; the combo box's own line edit hands
    // its focus to the combo box.
    const auto tabStop = [cruise](QWidget* widget) {
        return widget != cruise && widget->focusProxy() == nullptr && widget->isVisible() &&
               (widget->focusPolicy() & Qt::TabFocus) != 0;
    };
    QWidget* before = cruise->previousInFocusChain();
    while (!tabStop(before)) {
        before = before->previousInFocusChain();
    }
    QWidget* after = cruise->nextInFocusChain();
    while (!tabStop(after)) {
        after = after->nextInFocusChain();
    }
    const struct {
        const char* way;
        const char* typed;
    } rounds[] = {{"click", "35000"}, {"Tab", "34000"}, {"Shift+Tab", "33000"}};
    for (const auto& round : rounds) {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        route->setFocus();
        const QString way = QLatin1String(round.way);
        if (way == QStringLiteral("click")) {
            QTest::mouseClick(cruise->lineEdit(), Qt::LeftButton, {},
                              cruise->lineEdit()->rect().center());
        } else if (way == QStringLiteral("Tab")) {
            before->setFocus();
            QTest::keyClick(before, Qt::Key_Tab);
        } else {
            after->setFocus();
            QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QTest::qWait(20);
        QCOMPARE(QApplication::focusWidget(), cruise);
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(round.typed));
        QCOMPARE(cruise->currentText(), QLatin1String(round.typed));

        click(w, "Command1");
        QStringList messages;
        answerNextModal([](QWidget* box) { typeIntoInput(box, QStringLiteral("CRUISE")); });
        expectMessage(messages);
        click(w, "Command2");
        QVERIFY(allModalsAnswered());
        const QByteArray plan = readFile(folder.outputFolder(4) + QStringLiteral("CRUISE.pln"));
        QVERIFY2(plan.contains("\r\ncruising_altitude=" + QByteArray(round.typed) + "\r\n"),
                 round.way);
    }
}

// As root the web engine would run without its sandbox: the text browser
// stands in unless the user has turned the sandbox off knowingly.
void MainWindowTest::webPaneChoice() {
    const struct {
        bool built;
        bool root;
        const char* variable;
        const char* value;
        bool webEngine;
        bool explained;
    } rows[] = {
        {true, false, "", "", true, false},
        {true, true, "", "", false, true},
        {true, true, "QTWEBENGINE_DISABLE_SANDBOX", "1", true, false},
        {true, true, "QTWEBENGINE_DISABLE_SANDBOX", "0", false, true},
        {true, true, "QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox", true, false},
        {false, true, "", "", false, false},
    };
    for (const auto& row : rows) {
        QProcessEnvironment environment;
        if (*row.variable != '\0') {
            environment.insert(QLatin1String(row.variable), QLatin1String(row.value));
        }
        const skyloom::ui::WebPaneChoice choice =
            skyloom::ui::ChooseWebPane(row.built, row.root, environment);
        QCOMPARE(choice.webEngine, row.webEngine);
        QCOMPARE(!choice.reason.isEmpty(), row.explained);
    }
}

void MainWindowTest::folderChooserGivesFolderWithSeparator() {
    TestProgramFolder folder;
    auto window = startMainWindow(folder);
    const QString chosen = folder.path() + QStringLiteral("/plans/fs");
    QString text;
    answerNextModal([&](QWidget* paths) {
        click(paths, "Command1(3)");
        auto* tree = child<QTreeView>(paths, "Dir1");
        auto* model = static_cast<QFileSystemModel*>(tree->model());
        tree->setCurrentIndex(model->index(chosen));
        click(paths, "Command2");
        text = child<QLineEdit>(paths, "Text1(3)")->text();
        click(paths, "Command5");
    });
    const QByteArray before = readFile(folder.file(QStringLiteral("path.ini")));
    trigger(window.get(), "Paths");
    QVERIFY(allModalsAnswered());
    QCOMPARE(text, QDir::toNativeSeparators(chosen) + QDir::separator());
    QCOMPARE(readFile(folder.file(QStringLiteral("path.ini"))), before);
}

// The chooser panel leaves every row's "- - -" free: another row's button
// switches the panel to that row.
void MainWindowTest::folderChooserSwitchesRows() {
    TestProgramFolder folder;
    auto window = startMainWindow(folder);
    QStringList titles;
    answerNextModal([&](QWidget* paths) {
        auto* panel = child<QGroupBox>(paths, "Frame1");
        click(paths, "Command1(3)");
        titles << panel->title();
        for (int row = 0; row < 6; ++row) {
            auto* browse =
                child<QWidget>(paths, qPrintable(QStringLiteral("Command1(%1)").arg(row)));
            const QPoint centre = browse->mapTo(paths, browse->rect().center());
            if (paths->childAt(centre) != browse) {
                titles << QStringLiteral("row %1 covered").arg(row);
            }
        }
        click(paths, "Command1(5)");
        titles << panel->title() + (panel->isVisible() ? QString() : QStringLiteral(" hidden"));
        click(paths, "Command5");
    });
    trigger(window.get(), "Paths");
    QVERIFY(allModalsAnswered());
    QCOMPARE(titles,
             (QStringList{"Select the FS9 Flightplan-Folder", "Select the PSS-Flightplan-Folder"}));
}

// Where the system's browser would open a page, the test takes note of it.
class OpenedPages : public QObject {
    Q_OBJECT
  public:
    QStringList pages;
  public slots:
    void open(const QUrl& url) { pages << url.toString(); }
};

void MainWindowTest::routeTakenFromPage() {
    TestProgramFolder folder;
    OpenedPages opened;
    QDesktopServices::setUrlHandler(QStringLiteral("about"), &opened, "open");
    auto window = startMainWindow(folder);
    // The text browser leaves the route finder to the system's browser, but
    // not at every start: when the pilot asks, or "->" finds nothing to take.
    const bool textPane = window->browser()->readsClipboard();
    QVERIFY(opened.pages.isEmpty());
    click(window.get(), "Command6");
    QCOMPARE(opened.pages.size(), textPane ? 1 : 0);
    auto* route = child<QLineEdit>(window.get(), "Text1");
    route->setText(QStringLiteral("EDDF KJFK"));
    const QString result = QStringLiteral(
        "<html><body><div>From FRANKFURT MAIN (EDDF) to NEW YORK KENNEDY (KJFK)</div>"
        "<div>Distance 3350 nautical miles</div>%1<div>Route:</div>"
        "<pre>EDDF  KRL UL610   TALYO UL975 ORLIK KJFK </pre><table><tr><td>ID</td><td>FREQ</td>"
        "</tr></table></body></html>");
    const struct {
        const char* marker;
        const char* route;
    } pages[] = {{"", "EDDF KJFK"},
                 {"<div>Tracks are magnetic, distances are in nautical miles.</div>",
                  "EDDF KRL UL610 TALYO UL975 ORLIK KJFK"}};
    for (const auto& page : pages) {
        folder.writeFile(QStringLiteral("page.htm"),
                         result.arg(QLatin1String(page.marker)).toUtf8());
        QSignalSpy loaded(window->browser(), &skyloom::ui::BrowserPane::loadFinished);
        window->browser()->navigate(folder.file(QStringLiteral("page.htm")));
        QVERIFY(!loaded.isEmpty() || loaded.wait(20000));
        if (window->browser()->readsClipboard()) {
            // Without the web engine "->" reads the page as the pilot copied it.
            auto* shown = window->browser()->findChild<QTextBrowser*>();
            shown->selectAll();
            shown->copy();
        }
        click(window.get(), "Command7");
        QTest::qWait(300);
        QCOMPARE(route->text(), QLatin1String(page.route));
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("about"));
    QCOMPARE(opened.pages,
             textPane ? QStringList(2, QStringLiteral("about:blank")) : QStringList());
}

void MainWindowTest::flightSavedAndLoadedThroughDialogs() {
    TestProgramFolder folder;
    auto window = startMainWindow(folder);
    QWidget* w = window.get();
    child<QLineEdit>(w, "Text1")->setText(kPlainRoute);
    click(w, "Command1");
    child<QPlainTextEdit>(w, "Text2")->setPlainText(QStringLiteral("FL310\nvia UN850"));

    // Saved twice under a name typed without ".fp": the second time the
    // dialog asks before replacing the file.
    QStringList proposed;
    QStringList questions;
    for (int i = 0; i < 2; ++i) {
        answerNextModal([&](QWidget* dialog) {
            proposed << dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            typeIntoFileDialog(dialog, QStringLiteral("zurich"));
        });
        if (i == 1) {
            expectMessage(questions, QMessageBox::Yes);
        }
        trigger(w, "save");
        QVERIFY(allModalsAnswered());
    }
    QCOMPARE(proposed, (QStringList{"737-LSZH-LOWW", "737-LSZH-LOWW"}));
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions[0].contains(QStringLiteral("zurich.fp")));
    const QByteArray saved = readFile(folder.file(QStringLiteral("flights/zurich.fp")));
    QVERIFY(saved.contains("[PLAN]\r\nFL310\r\nvia UN850\r\n[/PLAN]\r\n"));
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("flights/zurich"))));

    child<QLineEdit>(w, "Text1")->setText(QStringLiteral("EDDF KJFK"));
    child<QPlainTextEdit>(w, "Text2")->clear();
    answerNextModal(
        [](QWidget* dialog) { typeIntoFileDialog(dialog, QStringLiteral("zurich.fp")); });
    trigger(w, "load");
    QVERIFY(allModalsAnswered());
    QCOMPARE(child<QLineEdit>(w, "Text1")->text(), kPlainRoute + QLatin1Char(' '));
    QCOMPARE(child<QPlainTextEdit>(w, "Text2")->toPlainText(), QStringLiteral("FL310\nvia UN850"));
    QVERIFY(child<QPushButton>(w, "Command2")->isEnabled());
    QVERIFY(child<QListWidget>(w, "List3")->count() > 0);
}

void MainWindowTest::cancelledAndFailingCommandsLoseNothing() {
    TestProgramFolder folder;
    auto window = startMainWindow(folder);
    QWidget* w = window.get();
    child<QLineEdit>(w, "Text1")->setText(kPlainRoute);
    click(w, "Command1");
    child<QPlainTextEdit>(w, "Text2")->setPlainText(QStringLiteral("plan"));

    // Cancelled: the name for the FMC files, the flight's file dialogs, the path settings.
    answerNextModal([](QWidget* box) { static_cast<QDialog*>(box)->reject(); });
    click(w, "Command2");
    answerNextModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    trigger(w, "save");
    answerNextModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    trigger(w, "load");
    answerNextModal([](QWidget* paths) {
        child<QLineEdit>(paths, "Text1(0)")->setText(QStringLiteral("elsewhere"));
        paths->close();
    });
    const QByteArray pathIni = readFile(folder.file(QStringLiteral("path.ini")));
    trigger(w, "Paths");
    QVERIFY(allModalsAnswered());
    for (int line = 2; line <= 6; ++line) {
        QVERIFY(filesIn(folder.outputFolder(line)).isEmpty());
    }
    QVERIFY(filesIn(folder.file(QStringLiteral("flights"))).isEmpty());
    QCOMPARE(readFile(folder.file(QStringLiteral("path.ini"))), pathIni);
    QCOMPARE(child<QLineEdit>(w, "Text1")->text(), kPlainRoute + QLatin1Char(' '));

    // An output folder that cannot be written: a message naming it, no success.
    window->settings().pathPmdgPlans = folder.file(QStringLiteral("path.ini")).toStdString() + "/";
    QStringList messages;
    answerNextModal([](QWidget* box) { typeIntoInput(box, QStringLiteral("name")); });
    expectMessage(messages);
    click(w, "Command2");
    QVERIFY(allModalsAnswered());
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(folder.file(QStringLiteral("path.ini/"))),
             qPrintable(messages[0]));

    // A navigation folder that is gone: the calculation says so and stops,
    // and the last calculation stays as it was.
    const int listed = child<QListWidget>(w, "List3")->count();
    window->settings().pathNavData = folder.file(QStringLiteral("gone/")).toStdString();
    messages.clear();
    for (int i = 0; i < 3; ++i) {
        expectMessage(messages);
    }
    click(w, "Command1");
    QVERIFY2(messages.contains(QStringLiteral("Departure Airport' LSZH' not found!")),
             qPrintable(messages.join(QLatin1Char('|'))));
    QCOMPARE(child<QListWidget>(w, "List3")->count(), listed);
    clearModalAnswers();
}

void MainWindowTest::makeIvaoPlanFromTheSavedFields() {
    TestProgramFolder folder;
    QByteArray fields;
    for (int n = 1; n <= 22; ++n) {
        fields += "f" + QByteArray::number(n) + "\r\n";
    }
    folder.writeFile(QStringLiteral("ivao.txt"), fields);
    auto window = startMainWindow(folder);
    QString asked;
    QStringList messages;
    answerNextModal([&](QWidget* box) {
        asked = box->windowTitle() + QLatin1Char('|') +
                static_cast<QInputDialog*>(box)->labelText() + QLatin1Char('|') +
                static_cast<QInputDialog*>(box)->textValue();
        static_cast<QDialog*>(box)->accept();
    });
    expectMessage(messages);
    click(window.get(), "Command5");
    QVERIFY(allModalsAnswered());
    QCOMPARE(asked, QStringLiteral("Save IVAO PLAN|Filename:|TEMP"));
    QCOMPARE(messages, QStringList{QStringLiteral("IVAO-Flightplan was generated")});
    const QByteArray plan = readFile(folder.outputFolder(3) + QStringLiteral("TEMP.fpl"));
    QVERIFY(plan.startsWith("[FLIGHTPLAN]\r\nID=f1\r\nRULES=f2\r\n"));
    QVERIFY(plan.endsWith("POB=f21\r\nMTL=f22\r\n"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
