// The main window as a pilot uses it, with real files on disk, under a locale
// with decimal commas (LC_ALL=de_DE.UTF-8): its files must match skyloom-cli's.

#include <QtTest>
#include <QtWidgets>
#include <cstdio>

#include "support/ui_test_support.h"
#include "ui/browser_pane.h"
#include "ui/route_map_window.h"
#include "ui/web_pane_choice.h"

using namespace skyloom::uitest;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void roadOfOneFlight_data() {
        QTest::addColumn<int>("row");  // of the waypoint choice; -1: Enter on the preselected one
        QTest::addColumn<QStringList>("cli");  // --aircraft, --choose
        QTest::newRow("747, KOPAS in Nebraska by double-click") << 1 << QStringList{"747", "2"};
        QTest::newRow("767, nearest KOPAS by Enter") << -1 << QStringList{"767", "n"};
    }

    // Typed in small letters, calculated with a waypoint choice and saved:
    // the files are those skyloom-cli writes for the same flight.
    void roadOfOneFlight() {
        QFETCH(int, row);
        QFETCH(QStringList, cli);
        char comma[8];  // proof that the locale with decimal commas is in force
        QCOMPARE(QByteArray(comma, std::snprintf(comma, sizeof comma, "%.1f", 1.5)), "1,5");
        const QString route = "EBBR HEVRO UP6 DINAN KOPAS METZO UP6 BASLO LSZH";
        TestProgramFolder folder;
        auto window = startMainWindow(folder);
        click(window.get(), row < 0 ? "Option3" : "Option2");
        QTest::keyClicks(child<QLineEdit>(window.get(), "Text1"), route.toLower());
        QString listed;
        answerNextModal([&](QWidget* choice) {
            auto* list = child<QListWidget>(choice, "List1");
            const QCursor* cursor = QApplication::overrideCursor();  // the arrow to choose with
            listed = QString("%1 %2").arg(list->count()).arg(cursor ? cursor->shape() : -1);
            const QPoint line = list->visualItemRect(list->item(qMax(row, 0))).center();
            if (row < 0) {
                return QTest::keyClick(list, Qt::Key_Return);
            }
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
        });
        click(window.get(), "Command1");
        QVERIFY(allModalsAnswered());
        QCOMPARE(listed, QString("2 %1").arg(Qt::ArrowCursor));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QStringList messages;
        answerText("ebbr-lszh");
        expectMessage(messages);
        click(window.get(), "Command2");
        answerText("plan.fms");
        answerText("plan.pln");
        child<QAction>(window.get(), "export_fms")->trigger();
        child<QAction>(window.get(), "export_pln")->trigger();
        QVERIFY(allModalsAnswered());

        TestProgramFolder cliFolder;
        QProcess run;
        run.start(SKYLOOM_CLI,
                  {"--program-folder", cliFolder.path(), "--aircraft", cli[0], "--choose", cli[1],
                   "--save", "EBBR-LSZH", "--xplane-fms", cliFolder.file("plan.fms"), "--msfs-pln",
                   cliFolder.file("plan.pln"), route});
        QVERIFY(run.waitForFinished(60000) && run.exitCode() == 0);
        QVERIFY(!QDir(folder.pathLine(4)).isEmpty());  // the simulator plan at least
        for (const QString name : {"plan.fms", "plan.pln"}) {
            QCOMPARE(readFile(folder.file("flights/" + name)), readFile(cliFolder.file(name)));
        }
        for (int line = 2; line <= 6; ++line) {
            const QDir written(folder.pathLine(line)), expected(cliFolder.pathLine(line));
            QCOMPARE(written.entryList(QDir::Files), expected.entryList(QDir::Files));
            for (const QString& name : written.entryList(QDir::Files)) {
                QCOMPARE(readFile(written.filePath(name)), readFile(expected.filePath(name)));
            }
        }
    }

    // "Route" -> "Find route…" takes the airports from the route field;
    // "Cancel" leaves the field alone, "Use" fills it. Calculate and save then
    // write the files skyloom-cli writes for the route it finds itself.
    void findRouteThenCalculate() {
        TestProgramFolder folder;
        auto window = startMainWindow(folder);
        auto* route = child<QLineEdit>(window.get(), "Text1");
        auto* find = child<QAction>(window.get(), "mnu_FindRoute");
        QCOMPARE(find->text(), QString::fromUtf8("Find route\u2026"));
        click(window.get(), "Option2");
        QTest::keyClicks(route, "eddf kjfk");
        QString shown, figures;
        int legs = 0;
        const auto look = [&](QWidget* found, const char* button) {
            shown = child<QPlainTextEdit>(found, "FoundText")->toPlainText();
            figures = child<QLabel>(found, "FoundFigures")->text();
            legs = child<QListWidget>(found, "FoundLegs")->count();
            click(found, button);
        };
        answerNextModal([&](QWidget* found) { look(found, "CancelRoute"); });
        find->trigger();
        QVERIFY(allModalsAnswered());
        QCOMPARE(route->text(), "EDDF KJFK");
        answerNextModal([&](QWidget* found) { look(found, "UseRoute"); });
        find->trigger();
        QVERIFY(allModalsAnswered());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(shown.startsWith("EDDF ") && shown.endsWith(" KJFK"));
        QCOMPARE(route->text(), shown);
        // Every leg is listed, the two airport joins among them.
        QCOMPARE(figures.section(' ', 2, 2).toInt() + figures.section(' ', 5, 5).toInt(), legs);

        QStringList messages;
        answerText("found");
        expectMessage(messages);
        click(window.get(), "Command1");
        click(window.get(), "Command2");
        QVERIFY(allModalsAnswered());
        QCOMPARE(child<QLineEdit>(window.get(), "Text5")->text() + " nm",
                 figures.section(',', 0, 0));

        TestProgramFolder cliFolder;
        QProcess run;
        run.start(SKYLOOM_CLI, {"--program-folder", cliFolder.path(), "--aircraft", "747", "--save",
                                "FOUND", "--find-route", "EDDF", "KJFK"});
        QVERIFY(run.waitForFinished(60000) && run.exitCode() == 0);
        QVERIFY(run.readAllStandardOutput().startsWith(shown.toUtf8() + "\n"));
        for (int line = 2; line <= 6; ++line) {
            const QDir written(folder.pathLine(line)), expected(cliFolder.pathLine(line));
            QCOMPARE(written.entryList(QDir::Files), expected.entryList(QDir::Files));
            for (const QString& name : written.entryList(QDir::Files)) {
                QCOMPARE(readFile(written.filePath(name)), readFile(expected.filePath(name)));
            }
        }

        route->setText("EDDF ZZZZ");  // no such airport: told, and the field stays
        expectMessage(messages);
        find->trigger();
        QVERIFY(allModalsAnswered());
        QCOMPARE(messages.last(), "Airport 'ZZZZ' not found.");
        QCOMPARE(route->text(), "EDDF ZZZZ");
    }

    void smallHandlers() {
        TestProgramFolder folder;
        auto window = startMainWindow(folder);
        QWidget* w = window.get();
        auto* route = child<QLineEdit>(w, "Text1");  // pasted letters stay, typed ones are capitals
        QGuiApplication::clipboard()->setText("eddf");
        route->setFocus();
        QTest::keyClick(route, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(route, " kjfk");
        QCOMPARE(route->text(), "eddf KJFK");
        auto* distance = child<QLineEdit>(w, "Text5");  // digits and Backspace only
        QTest::keyClicks(distance, "1a 2.-3");
        QTest::keyClick(distance, Qt::Key_Backspace);
        QTest::keyClick(distance, Qt::Key_Return);
        QCOMPARE(distance->text(), "012");
        // "only FS-Plan" checks and locks "create FS-PLAN"; unchecked, it frees it.
        auto* createFsPlan = child<QCheckBox>(w, "Check1");
        click(w, "Check1");
        click(w, "Check2");
        QVERIFY(createFsPlan->isChecked() && !createFsPlan->isEnabled());
        click(w, "Check2");
        QVERIFY(createFsPlan->isChecked() && createFsPlan->isEnabled());
        auto* plan = child<QPlainTextEdit>(w, "Text2");  // only a Ctrl+left click empties it
        plan->setPlainText("plan");
        QTest::mouseClick(plan->viewport(), Qt::LeftButton,
                          Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(plan->toPlainText(), "plan");
        QTest::mouseClick(plan->viewport(), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(plan->toPlainText(), "");
        // The window is set back to its size, also where the fixed-size hints
        // are ignored, as without a window manager.
        const QSize size = w->size();
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        w->resize(size.width() + 200, size.height() - 100);
        QTRY_COMPARE(w->size(), size);
        click(w, "Option4");  // closing keeps the aircraft choice
        w->close();
        QCOMPARE(readFile(folder.file("AC.ini")), "0\r\n0\r\n0\r\n1\r\n");
    }

    // Whatever brings the focus into the cruise altitude, a click, Tab or
    // Shift+Tab, what the pilot types then replaces the whole text.
    void cruiseAltitudeTypedOverOnFocus() {
        TestProgramFolder folder;
        auto window = startMainWindow(folder);
        auto* cruise = child<QComboBox>(window.get(), "Text3");
        // Tab from the kneeboard button before it, Shift+Tab from the distance after it.
        for (const char* from : {"", "Command13", "Text5"}) {
            child<QWidget>(window.get(), "Text1")->setFocus();
            if (*from == '\0') {
                click(window.get(), "Text3");
            } else {
                child<QWidget>(window.get(), from)->setFocus();
                QTest::keyClick(QApplication::focusWidget(),
                                *from == 'C' ? Qt::Key_Tab : Qt::Key_Backtab);
            }
            QTRY_COMPARE(QApplication::focusWidget(), cruise);
            QTest::keyClicks(cruise, "33000");
            QCOMPARE(window->data().cruiseAltitude, "33000");
        }
    }

    // As root the web engine would run without its sandbox: the text browser
    // stands in unless the user has turned the sandbox off knowingly.
    void webPaneChoice() {
        const std::tuple<bool, bool, const char*, bool, bool> rows[] = {
            // built with it, as root, environment, web engine chosen, reason given
            {true, false, "", true, false},
            {true, true, "", false, true},
            {true, true, "QTWEBENGINE_DISABLE_SANDBOX=1", true, false},
            {true, true, "QTWEBENGINE_DISABLE_SANDBOX=0", false, true},
            {true, true, "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --no-sandbox", true, false},
            {false, true, "", false, false}};
        for (const auto& [built, root, variable, webEngine, explained] : rows) {
            QProcessEnvironment environment;
            environment.insert(QString(variable).section('=', 0, 0),
                               QString(variable).section('=', 1));
            const auto choice = skyloom::ui::ChooseWebPane(built, root, environment);
            QCOMPARE(choice.webEngine, webEngine);
            QCOMPARE(!choice.reason.isEmpty(), explained);
        }
    }

    // A row's "- - -" opens the folder chooser for that row and another
    // row's switches it; "OK" gives the folder with its separator.
    void folderChooserSwitchesRows() {
        TestProgramFolder folder;
        auto window = startMainWindow(folder);
        const QString chosen = folder.path() + "/plans/fs";
        QStringList seen;
        answerNextModal([&](QWidget* paths) {
            auto* panel = child<QGroupBox>(paths, "Frame1");
            click(paths, "Command1(3)");
            seen << panel->title();
            click(paths, "Command1(5)");
            auto* tree = child<QTreeView>(paths, "Dir1");
            tree->setCurrentIndex(static_cast<QFileSystemModel*>(tree->model())->index(chosen));
            seen << panel->title();
            click(paths, "Command2");
            seen << child<QLineEdit>(paths, "Text1(5)")->text()
                 << QString::number(panel->isVisible());
            click(paths, "Command4");
        });
        child<QAction>(window.get(), "Paths")->trigger();
        QVERIFY(allModalsAnswered());
        QCOMPARE(seen, (QStringList{"Select the FS9 Flightplan-Folder",
                                    "Select the PSS-Flightplan-Folder",
                                    QDir::toNativeSeparators(chosen) + QDir::separator(), "0"}));
        QCOMPARE(folder.pathLine(6), seen[2]);
    }

    // "->" takes the route from the page shown, in either browser pane.
    void routeTakenFromPage() {
        TestProgramFolder folder;
        auto window = startMainWindow(folder);
        folder.writeFile("page.htm",
                         "<div>EDDF to KJFK (KJFK): 3350 nautical miles</div><div>Tracks are "
                         "magnetic, distances are in nautical miles.</div><div>Route:</div>"
                         "<pre>EDDF  KRL UL610 KJFK </pre>");
        window->browser()->navigate(folder.file("page.htm"));
        if (auto* shown = window->browser()->findChild<QTextBrowser*>()) {
            shown->selectAll();  // the pilot copies the page's text
            shown->copy();
        }
        // The web pane loads the page in the background, after the start page
        // has finished: "->" is pressed until it finds the route there.
        auto* routeField = child<QLineEdit>(window.get(), "Text1");
        QTRY_VERIFY_WITH_TIMEOUT(
            (click(window.get(), "Command7"), routeField->text() == "EDDF KRL UL610 KJFK"), 20000);
    }

    // A name typed without ".fp" gets it, saving again asks before replacing the
    // file, and loading shows the flight; so does the map, as it was calculated.
    void flightThroughFileDialogs() {
        TestProgramFolder folder;
        auto window = startMainWindow(folder);
        QWidget* w = window.get();
        child<QAction>(w, "mnu_Map")->trigger();
        auto* map = child<skyloom::ui::RouteMapWindow>(w, "RouteMap");
        const auto mapShowsTheFlight = [&] {  // without land here
            const auto points = skyloom::RouteMapPoints(window->data());
            return map->picture() == skyloom::ui::renderRouteMap(points, {}, map->picture().size());
        };
        const QString route = "LSZH RIKON UZ29 KEMOT UT180 LANZO UN850 VEXIT LOWW";
        child<QLineEdit>(w, "Text1")->setText(route);
        click(w, "Command1");
        QVERIFY(mapShowsTheFlight());
        child<QPlainTextEdit>(w, "Text2")->setPlainText("FL310");
        QStringList questions;
        answerText("zurich");
        answerText("zurich");
        expectMessage(questions, QMessageBox::Yes);  // before the file is replaced
        child<QAction>(w, "save")->trigger();
        child<QAction>(w, "save")->trigger();
        QVERIFY(allModalsAnswered());
        QCOMPARE(questions.size(), 1);
        QVERIFY(QFile::exists(folder.file("flights/zurich.fp")));
        child<QLineEdit>(w, "Text1")->setText("LSZH LOWW");
        click(w, "Command1");
        child<QPlainTextEdit>(w, "Text2")->clear();
        answerText("zurich.fp");
        child<QAction>(w, "load")->trigger();
        QVERIFY(allModalsAnswered());
        QCOMPARE(child<QLineEdit>(w, "Text1")->text(), route + ' ');
        QCOMPARE(child<QPlainTextEdit>(w, "Text2")->toPlainText(), "FL310");
        QVERIFY(child<QPushButton>(w, "Command2")->isEnabled() && mapShowsTheFlight());
    }

    // "Airport-ICAO" opens the search with the focus in its field: Enter
    // searches and is not typed, and so does a change to five or more letters.
    void airportSearchAsThePilotTypes() {
        TestProgramFolder folder;
        auto window = startMainWindow(folder);
        window->settings().pathNavData =
            QDir::toNativeSeparators(sourcePath("tests/data/navdata/airport_search/"))
                .toStdString();
        QStringList seen;
        answerNextModal([&](QWidget* search) {
            for (const char* keys : {"eddf", "\r", "\b\b\b\bfrankfurt"}) {
                QTest::keyClicks(search->focusWidget(), keys);
                seen << child<QLineEdit>(search, "Text1")->text()
                     << QString::number(child<QListWidget>(search, "List1")->count());
            }
            click(search, "Command2");
        });
        click(window.get(), "Command8");
        QVERIFY(allModalsAnswered());
        QCOMPARE(seen, (QStringList{"eddf", "0", "eddf", "1", "frankfurt", "2"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
