#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "support/ui_test_support.h"
#include "ui/plan_printer.h"

using namespace skyloom::uitest;

namespace {

// What a poppler tool writes for the file.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning("%s failed", qPrintable(tool));
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text as pdftotext lays it out, pages parted by form feeds.
QString pdfText(const QString& pdf) {
    return popplerOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QString withoutBlanks(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Every expected text occurs in `printed`, in this order; blanks and line
// breaks do not count, so a line continued on the next printed line matches.
bool inOrder(const QString& printed, const QStringList& expected) {
    const QString all = withoutBlanks(printed);
    qsizetype from = 0;
    for (const QString& text : expected) {
        const qsizetype at = all.indexOf(withoutBlanks(text), from);
        if (at < 0) {
            qWarning("not found in order: %s", qPrintable(text));
            return false;
        }
        from = at + withoutBlanks(text).size();
    }
    return true;
}

}  // namespace

class PlanPrinterTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void printsHeaderPlanFuelAndRunwaysInOrder();
    void longPlanContinuesOnFurtherPages();
    void unstartablePrinterShowsError();
    void buttonChecksThePlanThenAsksForThePrinter();

  private:
    // Prints through the command's own path into a PDF file; the texts of the
    // messages shown on the way go to `messages`.
    void printToPdf(const QString& planText, QStringList& messages);

    std::unique_ptr<TestProgramFolder> folder_;
    std::unique_ptr<skyloom::ui::MainWindow> window_;
    QString pdf_;
};

void PlanPrinterTest::init() {
    folder_ = std::make_unique<TestProgramFolder>();
    window_ = startMainWindow(*folder_);
    QVERIFY(window_);
    pdf_ = folder_->file(QStringLiteral("plan.pdf"));
    skyloom::MainWindowData& data = window_->data();
    data.distance = "512";
    data.fuel = {"13933", "12.15"};
    data.tankShare = "53.6 %";
    data.duration = "2:26";
    data.destinationRunways = {
        "Runways at SCHIPHOL",
        "RWy 06  - Frq: 110.55 - Head: 058\xB0 - Len: 11483 ft. - Elev: -11 ft.",
        "RWy 18R - Frq: ---.-- - Head: 183\xB0 - Len: 12467 ft. - Elev: -13 ft."};
    window_->refreshFromData();
}

void PlanPrinterTest::cleanup() {
    window_.reset();
    folder_.reset();
}

void PlanPrinterTest::printToPdf(const QString& planText, QStringList& messages) {
    child<QPlainTextEdit>(window_.get(), "Text2")->setPlainText(planText);
    answerNextModal([&messages](QWidget* box) {
        messages << messageText(box) + QLatin1Char('|') + box->windowTitle() + QLatin1Char('|') +
                        QString::number(qobject_cast<QMessageBox*>(box)->icon());
        pressButton(box, QMessageBox::Ok);
    });
    skyloom::ui::PrintPlanWith(window_->context(), [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf_);
        return true;
    });
    QVERIFY(allModalsAnswered());
    window_->refreshFromData();  // as the button's handler does
}

void PlanPrinterTest::printsHeaderPlanFuelAndRunwaysInOrder() {
    QStringList messages;
    printToPdf(QStringLiteral("EHAM EDDF\n  SPY ARNEM\n----------\nN0450F310 ARNEM UL980 ROBEG"),
               messages);
    QCOMPARE(messages, QStringList{QStringLiteral("Print-Job done|Skyloom|0")});

    const QString text = pdfText(pdf_);
    QVERIFY(inOrder(text, {QStringLiteral("Cruise Level: 31000 - Distance: 512 nautical miles."),
                           QStringLiteral("EHAM EDDF"), QStringLiteral("SPY ARNEM"),
                           QStringLiteral("N0450F310 ARNEM UL980 ROBEG"),
                           QStringLiteral("PMDG737 / Fuel: 13933 Liter - 12.15 Tonnen - 53.6 % "
                                          "- Time: 2:26"),
                           QStringLiteral("Runways at SCHIPHOL"),
                           QStringLiteral("RWy 06 - Frq: 110.55 - Head: 058\u00B0 - Len: 11483 "
                                          "ft. - Elev: -11 ft."),
                           QStringLiteral("RWy 18R - Frq: ---.-- - Head: 183\u00B0")}));
    // Printing normalised the plan text, and the text box shows it.
    QCOMPARE(child<QPlainTextEdit>(window_.get(), "Text2")->toPlainText(),
             QStringLiteral("EHAM EDDF\n SPY ARNEM\n----------\nN0450F310 ARNEM UL980 ROBEG"));
    QVERIFY(popplerOutput(QStringLiteral("pdffonts"), {pdf_}).contains(QStringLiteral("Bold")));
}

void PlanPrinterTest::longPlanContinuesOnFurtherPages() {
    QStringList planLines;
    QStringList expected{QStringLiteral("Cruise Level: 31000")};
    for (int i = 1; i <= 150; ++i) {
        planLines << QStringLiteral("LEG %1 TO WPT%1").arg(i, 3, 10, QLatin1Char('0'));
        expected << planLines.last();
    }
    // Wider than any sheet: continued on the next printed line, nothing cut off.
    QString wide;
    for (int i = 1; i <= 40; ++i) {
        wide += QStringLiteral("W%1 ").arg(i, 3, 10, QLatin1Char('0'));
    }
    planLines.insert(1, wide);
    expected.insert(2, wide);
    expected << QStringLiteral("PMDG737 / Fuel: 13933") << QStringLiteral("RWy 18R");

    QStringList messages;
    printToPdf(planLines.join(QLatin1Char('\n')), messages);
    QCOMPARE(messages.size(), 1);
    const QString text = pdfText(pdf_);
    QVERIFY(inOrder(text, expected));
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    QVERIFY(pages.first().contains(QStringLiteral("LEG 001")));
    QVERIFY(pages.last().contains(QStringLiteral("RWy 18R")));
}

void PlanPrinterTest::unstartablePrinterShowsError() {
    pdf_ = folder_->file(QStringLiteral("missing-folder/plan.pdf"));
    QStringList messages;
    printToPdf(QStringLiteral("EHAM EDDF"), messages);
    QCOMPARE(messages,
             QStringList{QStringLiteral("482 - The printer could not be started.|Skyloom|3")});
}

// An empty plan gets a message and no print dialog; a cancelled dialog prints nothing.
void PlanPrinterTest::buttonChecksThePlanThenAsksForThePrinter() {
    auto* plan = child<QPlainTextEdit>(window_.get(), "Text2");
    plan->setPlainText(QStringLiteral("   "));
    QStringList messages;
    expectMessage(messages);
    child<QPushButton>(window_.get(), "Command3")->click();
    QVERIFY(allModalsAnswered());
    QCOMPARE(messages, QStringList{QStringLiteral("Nothing to print!")});

    plan->setPlainText(QStringLiteral("EHAM EDDF\n  SPY"));
    QString dialogClass;
    answerNextModal([&dialogClass](QWidget* dialog) {
        dialogClass = QString::fromLatin1(dialog->metaObject()->className());
        dialog->close();
    });
    child<QPushButton>(window_.get(), "Command3")->click();
    QVERIFY(allModalsAnswered());
    QCOMPARE(dialogClass, QStringLiteral("QPrintDialog"));
    // No message followed, and the cancelled dialog left the plan text as it was.
    QTest::qWait(100);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(plan->toPlainText(), QStringLiteral("EHAM EDDF\n  SPY"));
}

QTEST_MAIN(PlanPrinterTest)
#include "plan_printer_test.moc"
