#pragma once
// Window layouts are written in twips; 15 twips make one device-independent
// pixel, so a layout keeps its proportions at any screen scale.

#include <QRect>
#include <QWidget>

namespace skyloom::ui {

inline constexpr int kTwipsPerPixel = 15;

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

inline void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
}

}  // namespace skyloom::ui
