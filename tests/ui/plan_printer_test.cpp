// The printed plan read back from a PDF, and "Print Plan" as the pilot meets it.

#include <QtTest>
#include <QtWidgets>
#include <numeric>

#include "support/ui_test_support.h"
#include "ui/plan_printer.h"

using namespace skyloom::uitest;

class PlanPrinterTest : public QObject {
    Q_OBJECT
  private slots:
    // A line wider than the sheet goes on over the next printed lines, a long
    // plan over further pages: every character is printed, in order.
    void linesFillPagesAndNothingIsCutOff() {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(dir.filePath("plan.pdf"));
        std::vector<std::string> lines(1);
        for (int i = 100; i < 250; ++i) {
            // Appended piece by piece: GCC 12 at -O3 warns falsely of "W" + a temporary.
            const std::string number = std::to_string(i);
            lines.push_back("LEG ");
            lines.back() += number;
            lines[0] += 'W';
            lines[0] += number;
            lines[0] += ' ';
        }
        QVERIFY(!skyloom::ui::PrintLines(printer, lines));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", dir.filePath("plan.pdf"), "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(QString(text).remove(QRegularExpression("\\s")),
                 QString::fromStdString(std::accumulate(lines.begin(), lines.end(), std::string()))
                     .remove(' '));
        QVERIFY(text.count('\f') >= 2);
        printer.setOutputFileName(dir.filePath("missing/plan.pdf"));
        QVERIFY(skyloom::ui::PrintLines(printer, lines));  // the printer cannot start
    }

    // A cancelled print dialog prints nothing and leaves the plan text as it was.
    void cancelledPrintDialogLeavesPlan() {
        TestProgramFolder folder;
        auto window = startMainWindow(folder);
        auto* plan = child<QPlainTextEdit>(window.get(), "Text2");
        plan->setPlainText("EHAM EDDF\n  SPY");
        QString dialog;
        answerNextModal([&dialog](QWidget* window) {
            dialog = window->metaObject()->className();
            window->close();
        });
        click(window.get(), "Command3");
        QVERIFY(allModalsAnswered());
        QTest::qWait(100);
        QCOMPARE(dialog, "QPrintDialog");
        QCOMPARE(QApplication::activeModalWidget(), nullptr);  // no message followed
        QCOMPARE(plan->toPlainText(), "EHAM EDDF\n  SPY");
    }
};

QTEST_MAIN(PlanPrinterTest)
#include "plan_printer_test.moc"
