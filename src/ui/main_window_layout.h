#pragma once
// The main window's controls as designed: name, kind, caption and place in
// twips within the client area (or within the fuel frame Frame1).

#include <QWidget>
#include <vector>

namespace skyloom::ui {

enum class ControlKind {
    Button,
    PictureButton,
    Option,
    Check,
    Label,
    Field,
    CruiseCombo,
    Swatch,
    List,
    PlanText,
    Frame,
    Browser
};

struct DesignedControl {
    const char* name;
    ControlKind kind;
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    const char* container = nullptr;  // "Frame1" for the fuel controls
};

// Client area of the main window: 14325 by 10275 twips.
inline constexpr int kClientWidth = 14325;
inline constexpr int kClientHeight = 10275;

const std::vector<DesignedControl>& mainWindowControls();

// Creates every control of the table inside `client`, named and placed.
void createMainWindowControls(QWidget* client);

}  // namespace skyloom::ui
