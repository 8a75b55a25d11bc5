#include "ui/ivao_plan_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace skyloom::ui {

QIcon ivaoPlanIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // The sheet with its lines of text.
    painter.setPen(QPen(QColor(60, 60, 60), 2));
    painter.setBrush(QColor(250, 250, 240));
    painter.drawRect(10, 6, 40, 52);
    painter.setPen(QPen(QColor(120, 120, 120), 2));
    for (int y = 16; y <= 48; y += 8) {
        painter.drawLine(16, y, 44, y);
    }

    // The aircraft, seen from above, crossing the sheet.
    QPainterPath aircraft;
    aircraft.moveTo(48, 30);
    aircraft.lineTo(52, 34);
    aircraft.lineTo(52, 42);
    aircraft.lineTo(62, 48);
    aircraft.lineTo(62, 51);
    aircraft.lineTo(52, 48);
    aircraft.lineTo(52, 55);
    aircraft.lineTo(55, 58);
    aircraft.lineTo(55, 60);
    aircraft.lineTo(48, 58);
    aircraft.lineTo(41, 60);
    aircraft.lineTo(41, 58);
    aircraft.lineTo(44, 55);
    aircraft.lineTo(44, 48);
    aircraft.lineTo(34, 51);
    aircraft.lineTo(34, 48);
    aircraft.lineTo(44, 42);
    aircraft.lineTo(44, 34);
    aircraft.closeSubpath();
    painter.setPen(QPen(QColor(0, 40, 120), 1));
    painter.setBrush(QColor(0, 90, 200));
    painter.drawPath(aircraft);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace skyloom::ui
