// skyloom: the desktop program.
//
//   skyloom [--program-folder DIR]
//
// The program folder holds the settings files, the performance files and the
// saved flights; without the option it is the folder of the executable.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>

#include "io/file_system.h"
#include "ui/main_window.h"
#include "ui/text_convert.h"
#include "ui/web_pane_choice.h"

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skyloom"));
    // The web engine lists its start-up parameters; they mean nothing to a
    // pilot. QT_LOGGING_RULES brings them back.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    }
    if (const QString why = skyloom::ui::webPaneChoice().reason; !why.isEmpty()) {
        std::fputs(qPrintable(why + QLatin1Char('\n')), stderr);
    }

    std::string programFolder = skyloom::executableFolder();
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--program-folder") && i + 1 < arguments.size()) {
            const QString folder = QFileInfo(arguments[++i]).absoluteFilePath();
            if (!QFileInfo(folder).isDir()) {
                QMessageBox::critical(nullptr, QStringLiteral("Skyloom"),
                                      QStringLiteral("The program folder %1 does not exist.")
                                          .arg(QDir::toNativeSeparators(folder)));
                return 1;
            }
            programFolder = skyloom::withoutTrailingSeparator(
                skyloom::ui::fromQt(QDir::toNativeSeparators(folder)));
        } else {
            QMessageBox::critical(nullptr, QStringLiteral("Skyloom"),
                                  QStringLiteral("Unknown argument: %1\nUsage: skyloom "
                                                 "[--program-folder DIR]")
                                      .arg(arguments[i]));
            return 2;
        }
    }

    skyloom::ui::MainWindow window(programFolder);
    if (!window.startUp()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
