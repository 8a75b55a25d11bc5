#include "ui/window_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeView>

#include "ui/browser_pane.h"
#include "ui/fixed_pitch.h"

namespace skyloom::ui {

namespace {

// 15 twips make one device-independent pixel, so a layout keeps its
// proportions at any screen scale.
constexpr int kTwipsPerPixel = 15;

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* createButton(ControlKind kind, const QString& caption, QWidget* parent) {
    if (kind == ControlKind::PictureButton) {
        auto* button = new QToolButton(parent);
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        return button;
    }
    auto* button = new QPushButton(caption, parent);
    if (kind == ControlKind::Button) {
        button->setAutoDefault(false);
    }
    return button;
}

QComboBox* createCombo(ControlKind kind, const QString& caption, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(kind != ControlKind::PickList);
    if (kind == ControlKind::CruiseCombo) {
        for (int feet = 12000; feet <= 35000; feet += 1000) {
            combo->addItem(QString::number(feet));
        }
        combo->setEditText(caption);
    }
    return combo;
}

QWidget* createText(ControlKind kind, const QString& caption, QWidget* parent) {
    if (kind == ControlKind::Field) {
        return new QLineEdit(caption, parent);
    }
    auto* text = new QPlainTextEdit(caption, parent);
    if (kind == ControlKind::PlanText) {
        text->setFont(fixedPitchFont(9));
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    return text;
}

QFrame* createFrame(ControlKind kind, QWidget* parent) {
    auto* frame = new QFrame(parent);
    if (kind == ControlKind::Swatch) {
        frame->setFrameShape(QFrame::Box);
        frame->setAutoFillBackground(true);
    } else {
        frame->setFrameShape(QFrame::StyledPanel);
    }
    return frame;
}

QWidget* createControl(const DesignedControl& designed, QWidget* parent) {
    const QString caption = latin1(designed.caption);
    switch (designed.kind) {
        case ControlKind::Button:
        case ControlKind::DefaultButton:
        case ControlKind::PictureButton:
            return createButton(designed.kind, caption, parent);
        case ControlKind::Option:
            return new QRadioButton(caption, parent);
        case ControlKind::Check:
            return new QCheckBox(caption, parent);
        case ControlKind::Label:
            return new QLabel(caption, parent);
        case ControlKind::Field:
        case ControlKind::TextBox:
        case ControlKind::PlanText:
            return createText(designed.kind, caption, parent);
        case ControlKind::PickList:
        case ControlKind::EditList:
        case ControlKind::CruiseCombo:
            return createCombo(designed.kind, caption, parent);
        case ControlKind::List: {
            auto* list = new QListWidget(parent);
            list->setFont(fixedPitchFont(9));
            return list;
        }
        case ControlKind::Tree:
            return new QTreeView(parent);
        case ControlKind::Swatch:
        case ControlKind::Frame:
            return createFrame(designed.kind, parent);
        case ControlKind::Panel: {
            // Covers what stands behind it while it is shown.
            auto* panel = new QGroupBox(caption, parent);
            panel->setAutoFillBackground(true);
            return panel;
        }
        case ControlKind::Browser:
            return new BrowserPane(parent);
    }
    return new QWidget(parent);
}

}  // namespace

std::vector<QWidget*> buildWindow(QWidget* window, const WindowLayout& layout) {
    window->setFixedSize(twipsRect(0, 0, layout.width, layout.height).size());
    std::vector<QWidget*> controls;
    controls.reserve(layout.controls.size());
    for (const DesignedControl& designed : layout.controls) {
        QWidget* parent = window;
        if (!designed.container.empty()) {
            parent = window->findChild<QWidget*>(latin1(designed.container));
        }
        QWidget* control = createControl(designed, parent);
        control->setObjectName(latin1(designed.name));
        control->setGeometry(
            twipsRect(designed.left, designed.top, designed.width, designed.height));
        controls.push_back(control);
    }
    return controls;
}

}  // namespace skyloom::ui
