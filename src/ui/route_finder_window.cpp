#include "ui/route_finder_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "commands/route_finder.h"
#include "ui/text_convert.h"
#include "ui/window_layout.h"

namespace skyloom::ui {

namespace {

const WindowLayout& routeFinderLayout() {
    using K = ControlKind;
    static const WindowLayout layout = {
        7200,
        4740,
        {
            {"FoundText", K::TextBox, "", 120, 120, 6960, 540},
            {"FoundFigures", K::Label, "", 120, 735, 6960, 255},
            {"FoundLegs", K::List, "", 120, 1050, 6960, 2550},
            {"FoundChoices", K::TextBox, "", 120, 3660, 4560, 960},
            {"UseRoute", K::DefaultButton, "Use", 4800, 4200, 1080, 420},
            {"CancelRoute", K::Button, "Cancel", 6000, 4200, 1080, 420},
        }};
    return layout;
}

}  // namespace

RouteFinderWindow::RouteFinderWindow(const FoundRoute& route, QWidget* mainWindow)
    : ModalWindow(mainWindow, mainWindow) {
    setObjectName(QStringLiteral("FormFindRoute"));
    setWindowTitle(QStringLiteral("Find route"));
    buildWindow(this, routeFinderLayout());
    // The whole text, wrapped at its blanks, however long the route.
    auto* text = controlNamed<QPlainTextEdit>(this, QStringLiteral("FoundText"));
    text->setPlainText(toQt(route.text));
    text->setReadOnly(true);
    controlNamed<QLabel>(this, QStringLiteral("FoundFigures"))
        ->setText(toQt(FoundRouteFigures(route)));
    auto* legs = controlNamed<QListWidget>(this, QStringLiteral("FoundLegs"));
    for (const std::string& line : FoundRouteLegLines(route)) {
        legs->addItem(toQt(line));
    }
    auto* choices = controlNamed<QPlainTextEdit>(this, QStringLiteral("FoundChoices"));
    choices->setPlainText(toQtLines(FoundRouteChoiceText(route)));
    choices->setReadOnly(true);
    choices->setVisible(!route.choices.empty());
    connect(controlNamed<QPushButton>(this, QStringLiteral("UseRoute")), &QPushButton::clicked,
            this, &QDialog::accept);
    connect(controlNamed<QPushButton>(this, QStringLiteral("CancelRoute")), &QPushButton::clicked,
            this, &QDialog::reject);
}

}  // namespace skyloom::ui
