#include "ui/plan_printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>

#include "commands/print_plan.h"
#include "ui/fixed_pitch.h"
#include "ui/text_convert.h"

namespace skyloom::ui {

namespace {

// The pieces of a line as printed: as many characters as fit the width, then
// the rest on the following printed lines. An empty line stays one piece.
QStringList fittingPieces(const QString& line, const QFontMetricsF& metrics, qreal width) {
    QStringList pieces;
    QString rest = line;
    do {
        qsizetype count = rest.size();
        while (count > 1 && metrics.horizontalAdvance(rest.left(count)) > width) {
            --count;
        }
        pieces << rest.left(count);
        rest.remove(0, count);
    } while (!rest.isEmpty());
    return pieces;
}

}  // namespace

std::optional<std::string> PrintLines(QPrinter& printer, const std::vector<std::string>& lines) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return "The printer could not be started.";
    }
    painter.setFont(fixedPitchFont(10, true));
    const QFontMetricsF metrics(painter.font(), &printer);
    const qreal width = printer.width();
    const qreal height = printer.height();
    qreal top = 0;
    for (const std::string& line : lines) {
        for (const QString& piece : fittingPieces(expandTabs(toQt(line)), metrics, width)) {
            if (top > 0 && top + metrics.height() > height) {
                if (!printer.newPage()) {
                    painter.end();
                    return "The printer could not begin a new page.";
                }
                top = 0;
            }
            painter.drawText(QPointF(0, top + metrics.ascent()), piece);
            top += metrics.lineSpacing();
        }
    }
    if (!painter.end()) {
        return "The print job could not be finished.";
    }
    return std::nullopt;
}

QtPrinter::QtPrinter(std::function<bool(QPrinter&)> choosePrinter)
    : choosePrinter_(std::move(choosePrinter)) {}

bool QtPrinter::choose() {
    return choosePrinter_(printer_);
}

std::optional<std::string> QtPrinter::print(const std::vector<std::string>& lines) {
    return PrintLines(printer_, lines);
}

void PrintPlanWith(CommandContext& context, const std::function<bool(QPrinter&)>& choosePrinter) {
    QtPrinter printer(choosePrinter);
    skyloom::PrintPlan(context, printer);
}

void PrintPlan(CommandContext& context, QWidget* parent) {
    PrintPlanWith(context, [parent](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    });
}

}  // namespace skyloom::ui
