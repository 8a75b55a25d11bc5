#pragma once
// Which pane shows web pages: the web engine, or the text browser that shows
// local pages and leaves web pages to the system's browser. Decided once,
// when the program starts.

#include <QProcessEnvironment>
#include <QString>

namespace skyloom::ui {

struct WebPaneChoice {
    bool webEngine = false;
    // Why the text browser stands in although the web engine is built in;
    // empty otherwise.
    QString reason;
};

// The web engine refuses to run as root with its sandbox on, and turning the
// sandbox off is the user's decision, not ours: as root without that
// decision the text browser stands in.
WebPaneChoice ChooseWebPane(bool webEngineBuilt, bool runningAsRoot,
                            const QProcessEnvironment& environment);

// The choice for this process, made on the first call.
const WebPaneChoice& webPaneChoice();

}  // namespace skyloom::ui
