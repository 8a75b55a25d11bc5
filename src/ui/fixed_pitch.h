#pragma once

#include <QFont>

namespace skyloom::ui {

// "Courier New" where it is installed, else the system's fixed-pitch font.
inline QFont fixedPitchFont(int pointSize, bool bold = false) {
    QFont font(QStringLiteral("Courier New"), pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(bold);
    return font;
}

}  // namespace skyloom::ui
