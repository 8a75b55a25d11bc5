#pragma once
// The core keeps text as Windows-1252 bytes with CR LF line breaks; Qt keeps
// Unicode with "\n". Text crosses between them here and nowhere else.

#include <QString>
#include <string>

namespace skyloom::ui {

QString toQt(const std::string& cp1252);
std::string fromQt(const QString& text);

// Multi-line texts: CR LF in the core, "\n" in a text widget. Whatever line
// breaks a widget or a paste brings (CR LF, CR, LF, Unicode line and paragraph
// separators), the core receives CR LF.
QString toQtLines(const std::string& cp1252);
std::string fromQtLines(const QString& text);

// Tabs as the lists and the printout show them: each tab goes to the next
// multiple of 8 columns.
QString expandTabs(const QString& line);

}  // namespace skyloom::ui
