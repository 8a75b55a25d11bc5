#include "ui/web_pane_choice.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace skyloom::ui {

namespace {

bool sandboxTurnedOff(const QProcessEnvironment& environment) {
    const QString disabled = environment.value(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
    if (!disabled.isEmpty() && disabled != QStringLiteral("0")) {
        return true;
    }
    return environment.value(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"))
        .split(QLatin1Char(' '), Qt::SkipEmptyParts)
        .contains(QStringLiteral("--no-sandbox"));
}

bool runningAsRoot() {
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

bool webEngineBuilt() {
#ifdef SKYLOOM_HAVE_WEBENGINE
    return true;
#else
    return false;
#endif
}

}  // namespace

WebPaneChoice ChooseWebPane(bool webEngineBuilt, bool runningAsRoot,
                            const QProcessEnvironment& environment) {
    if (!webEngineBuilt) {
        return {};
    }
    if (runningAsRoot && !sandboxTurnedOff(environment)) {
        return {false,
                QStringLiteral(
                    "skyloom: running as root, so the browser pane shows local pages only and "
                    "web pages open in your web browser; for the web page in the pane, start "
                    "Skyloom as a normal user, or set QTWEBENGINE_DISABLE_SANDBOX=1 if you accept "
                    "that web pages then run without the sandbox, with root's rights.")};
    }
    return {true, QString()};
}

const WebPaneChoice& webPaneChoice() {
    static const WebPaneChoice choice =
        ChooseWebPane(webEngineBuilt(), runningAsRoot(), QProcessEnvironment::systemEnvironment());
    return choice;
}

}  // namespace skyloom::ui
