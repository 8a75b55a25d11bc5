#include "ui/text_convert.h"

#include "io/file_system.h"
#include "io/text_util.h"

namespace skyloom::ui {

QString toQt(const std::string& cp1252) {
    return QString::fromStdString(utf8From1252(cp1252));
}

std::string fromQt(const QString& text) {
    return cp1252FromUtf8(text.toStdString());
}

QString toQtLines(const std::string& cp1252) {
    return toQt(replaceAll(cp1252, kCrLf, "\n"));
}

std::string fromQtLines(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QChar(u'\r'), QChar(u'\n'));
    lines.replace(QChar::LineSeparator, QChar(u'\n'));
    lines.replace(QChar::ParagraphSeparator, QChar(u'\n'));
    return replaceAll(fromQt(lines), "\n", kCrLf);
}

QString expandTabs(const QString& line) {
    QString out;
    for (QChar c : line) {
        if (c == QLatin1Char('\t')) {
            out.append(QString(8 - out.size() % 8, QLatin1Char(' ')));
        } else {
            out.append(c);
        }
    }
    return out;
}

}  // namespace skyloom::ui
