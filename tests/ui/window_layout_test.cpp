// What a window's layout table cannot say about itself, checked on every
// window as it is shown: each control lies within its window, each caption
// is shown in full, and nothing covers a control the pilot may click.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

#include "support/ui_test_support.h"
#include "ui/airport_search_window.h"
#include "ui/code_help_window.h"
#include "ui/ivao_plan_window.h"
#include "ui/path_settings_window.h"
#include "ui/waypoint_choice_window.h"

using namespace skyloom;
using namespace skyloom::uitest;

namespace {

// The controls a window was built with: its named children, and theirs
// within frames and panels.
QList<QWidget*> controlsOf(QWidget* root) {
    QList<QWidget*> found;
    for (QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName().isEmpty() || child->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        found << child;
        const QByteArray kind = child->metaObject()->className();
        if (kind == "QFrame" || kind == "QGroupBox") {
            found << controlsOf(child);
        }
    }
    return found;
}

// The caption a control shows and the room it has for it.
std::pair<QString, QRect> captionAndRoom(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return {label->text(), label->contentsRect()};
    }
    if (auto* panel = qobject_cast<QGroupBox*>(control)) {
        return {panel->title(), panel->contentsRect()};
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button == nullptr) {
        return {};
    }
    QStyleOptionButton option;
    option.initFrom(button);
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QRadioButton*>(button) != nullptr) {
        contents = QStyle::SE_RadioButtonContents;
    } else if (qobject_cast<QCheckBox*>(button) != nullptr) {
        contents = QStyle::SE_CheckBoxContents;
    }
    return {button->text(), button->style()->subElementRect(contents, &option, button)};
}

// A click anywhere on the control, but for a rim of 3 pixels, reaches it.
bool reachable(QWidget* root, QWidget* control) {
    const QRect inner = control->rect().adjusted(3, 3, -3, -3);
    for (const QPoint& at : {inner.center(), inner.topLeft(), inner.topRight(), inner.bottomLeft(),
                             inner.bottomRight()}) {
        QWidget* hit = root->childAt(control->mapTo(root, at));
        if (hit != control && !control->isAncestorOf(hit)) {
            return false;
        }
    }
    return true;
}

// A button can always be clicked while it is shown; a field or a list at
// least when its window opens (the folder chooser stands over the fields).
QStringList layoutProblems(QWidget* root, bool opening) {
    QStringList problems;
    for (QWidget* control : controlsOf(root)) {
        const QString name =
            root->window()->objectName() + QLatin1Char('.') + control->objectName();
        if (!control->isVisible()) {
            continue;
        }
        if (!control->parentWidget()->rect().contains(control->geometry())) {
            problems << name + QStringLiteral(" outside its window");
        }
        const auto [caption, room] = captionAndRoom(control);
        const QFontMetrics metrics = control->fontMetrics();
        if (metrics.horizontalAdvance(caption) > room.width() ||
            metrics.tightBoundingRect(caption).height() > room.height()) {
            problems << name + QStringLiteral(" caption cut off");
        }
        const bool button = qobject_cast<QAbstractButton*>(control) != nullptr;
        const bool input = (control->focusPolicy() & Qt::ClickFocus) != 0;
        if ((button || (opening && input)) && !reachable(root, control)) {
            problems << name + QStringLiteral(" covered");
        }
    }
    return problems;
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindow() {
        TestProgramFolder folder;
        auto main = startMainWindow(folder);
        QVERIFY(main);
        main->data().route = "EDDF ABC KJFK ";  // the IVAO window takes it without a message
        QStringList problems = layoutProblems(main->centralWidget(), true);

        std::vector<std::unique_ptr<QDialog>> windows;
        windows.push_back(std::make_unique<ui::PathSettingsWindow>(main->context(), main.get()));
        windows.push_back(std::make_unique<ui::IvaoPlanWindow>(main->context(), main.get()));
        windows.push_back(std::make_unique<ui::AirportSearchWindow>(
            main->nav(), main->context().prompts, main.get()));
        const WaypointChoice choice{{"KOPAS 49.5:6.1", "KOPAS 41.0:-100.0"}, ""};
        windows.push_back(std::make_unique<ui::WaypointChoiceWindow>(choice, main.get()));
        for (auto help :
             {ui::CodeHelp::FlightRules, ui::CodeHelp::FlightType, ui::CodeHelp::WakeCategory,
              ui::CodeHelp::Equipment, ui::CodeHelp::Transponder}) {
            windows.push_back(std::make_unique<ui::CodeHelpWindow>(help, main.get(), main.get()));
        }
        for (const auto& window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            problems << layoutProblems(window.get(), true);
            window->hide();
        }

        // The folder chooser opened from each row in turn, with that row's caption.
        QDialog* paths = windows.front().get();
        paths->show();
        for (int row = 0; row < 6; ++row) {
            child<QPushButton>(paths, qPrintable(QStringLiteral("Command1(%1)").arg(row)))->click();
            problems << layoutProblems(paths, false);
        }
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
