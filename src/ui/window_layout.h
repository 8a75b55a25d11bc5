#pragma once
// Every window's fixed controls are written down as one table: control name,
// kind, caption and place in twips within the window's client area (or within
// a panel of it). One function creates a window's controls from its table.

#include <QWidget>
#include <string>
#include <vector>

namespace skyloom::ui {

enum class ControlKind {
    Button,         // a push button that Enter never presses
    DefaultButton,  // a dialog's button that Enter presses
    PictureButton,  // a picture above the caption
    Option,
    Check,
    Label,
    Field,        // one-line text
    TextBox,      // several lines of text
    PlanText,     // several lines, fixed pitch, not wrapped
    PickList,     // drop-down list whose text is one of its items
    EditList,     // drop-down list whose text can be typed
    CruiseCombo,  // the cruise altitudes 12000 to 35000
    List,         // list box in the fixed-pitch font
    Tree,
    Swatch,  // a colour patch
    Frame,   // frame without caption
    Panel,   // frame with its caption on the border
    Browser
};

struct DesignedControl {
    std::string name;  // the control name, "Text4(1)" for an element of an array
    ControlKind kind;
    std::string caption;
    int left;
    int top;
    int width;
    int height;
    std::string container = {};  // the panel or frame it stands in; empty: the window
};

struct WindowLayout {
    int width;  // client area, in twips
    int height;
    std::vector<DesignedControl> controls;
};

// Creates the controls of `layout` in `window`, in table order, each named
// after its control and placed; fixes the window's size to the client area.
// Returns the controls in table order.
std::vector<QWidget*> buildWindow(QWidget* window, const WindowLayout& layout);

// The control of that name in `window`, as created from its table.
template <class T>
T* controlNamed(const QWidget* window, const QString& name) {
    return window->findChild<T*>(name);
}

}  // namespace skyloom::ui
