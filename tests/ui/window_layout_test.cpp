// What a layout table cannot say, checked on every window as shown: each control
// lies within it, each caption is shown in full, nothing covers what can be clicked.

#include <QtTest>
#include <QtWidgets>

#include "support/ui_test_support.h"
#include "ui/airport_search_window.h"
#include "ui/code_help_window.h"
#include "ui/ivao_plan_window.h"
#include "ui/path_settings_window.h"
#include "ui/route_finder_window.h"
#include "ui/waypoint_choice_window.h"

using namespace skyloom;
using namespace skyloom::uitest;

namespace {

// The caption a control shows and the room its style leaves for it.
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
    auto contents = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                    : qobject_cast<QCheckBox*>(button)  ? QStyle::SE_CheckBoxContents
                                                        : QStyle::SE_PushButtonContents;
    return {button->text(), button->style()->subElementRect(contents, &option, button)};
}

// A click anywhere on the control but a rim of 3 pixels reaches it.
bool reachable(QWidget* root, QWidget* control) {
    const QRect inner = control->rect().adjusted(3, 3, -3, -3);
    for (QPoint at : {inner.center(), inner.topLeft(), inner.topRight(), inner.bottomLeft(),
                      inner.bottomRight()}) {
        QWidget* hit = root->childAt(control->mapTo(root, at));
        if (hit != control && !control->isAncestorOf(hit)) {
            return false;
        }
    }
    return true;
}

// The controls are the named widgets. A button can be clicked whenever it is shown,
// a field or a list as the window opens (the folder chooser stands over the fields).
QStringList layoutProblems(QWidget* root, bool opening) {
    QStringList problems;
    for (QWidget* control : root->findChildren<QWidget*>()) {
        const QString name = root->window()->objectName() + '.' + control->objectName();
        const auto [caption, room] = captionAndRoom(control);
        const QFontMetrics metrics = control->fontMetrics();
        const bool input = (control->focusPolicy() & Qt::ClickFocus) != 0;
        if (control->objectName().isEmpty() || name.contains(".qt_") || !control->isVisible()) {
            continue;
        }
        if (!control->parentWidget()->rect().contains(control->geometry())) {
            problems << name + " outside its window";
        } else if (metrics.horizontalAdvance(caption) > room.width() ||
                   metrics.tightBoundingRect(caption).height() > room.height()) {
            problems << name + " caption cut off";
        } else if ((qobject_cast<QAbstractButton*>(control) || (opening && input)) &&
                   !reachable(root, control)) {
            problems << name + " covered";
        }
    }
    return problems;
}

// A long found route that asks for a choice.
FoundRoute foundRoute() {
    FoundRoute route;
    route.found = true;
    route.text = "EDDF NOSAK UL610 TALYO UL975 ORLIK NATA LOMSI Q812 HLF J60 DEP KJFK";
    route.lengthNm = 12345;
    route.airwayLegs = 123;
    route.directLegs = 45;
    route.legs = {{"EDDF", "NOSAK", "", 25.4}, {"NOSAK", "BETUN", "UL610", 31.0}};
    route.choices = {"NOSAK 50.244559:7.717546", "TALYO 52.920303:-4.178246"};
    return route;
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindow() {
        TestProgramFolder folder;
        auto main = startMainWindow(folder);
        main->data().route = "EDDF ABC KJFK ";  // the IVAO window takes it without a message
        QStringList problems = layoutProblems(main->centralWidget(), true);
        auto* paths = new ui::PathSettingsWindow(main->context(), main.get());
        QList<QDialog*> windows{
            paths, new ui::IvaoPlanWindow(main->context(), main.get()),
            new ui::AirportSearchWindow(main->nav(), main->context().prompts, main.get()),
            new ui::WaypointChoiceWindow({{"A 1:2", "A 3:4"}, ""}, main.get()),
            new ui::RouteFinderWindow(foundRoute(), main.get())};
        for (int help = 0; help < 5; ++help) {
            windows << new ui::CodeHelpWindow(ui::CodeHelp(help), main.get(), main.get());
        }
        for (QDialog* window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            problems << layoutProblems(window, true);
            window->hide();
        }
        // The folder chooser opened from each row in turn, with that row's caption.
        paths->show();
        for (int row = 0; row < 6; ++row) {
            click(paths, qPrintable(QString("Command1(%1)").arg(row)));
            problems << layoutProblems(paths, false);
        }
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
