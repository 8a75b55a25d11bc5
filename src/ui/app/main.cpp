// skyloom: the desktop program.
//
//   skyloom [--program-folder DIR]
//   skyloom --version
//
// The program folder holds the settings files, the performance files and the
// saved flights; without the option it is the folder of the executable, or a
// folder of the user's own when the program is installed (settings/program_folder.h).

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "io/file_system.h"
#include "settings/program_folder.h"
#include "ui/main_window.h"
#include "ui/text_convert.h"
#include "ui/web_pane_choice.h"

int main(int argc, char** argv) {
    // Answered before Qt starts, so it works without a display too.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("skyloom %s\n", SKYLOOM_VERSION);
        return 0;
    }
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

    std::string programFolder;
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
                                                 "[--program-folder DIR]\n       skyloom --version")
                                      .arg(arguments[i]));
            return 2;
        }
    }

    if (programFolder.empty()) {
        const skyloom::DefaultProgramFolder found = skyloom::FindDefaultProgramFolder();
        if (!found.error.empty()) {
            QMessageBox::critical(nullptr, QStringLiteral("Skyloom"),
                                  skyloom::ui::toQt(found.error));
            return 1;
        }
        programFolder = found.programFolder;
    }

    skyloom::ui::MainWindow window(programFolder);
    if (!window.startUp()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
