#include "support/ui_test_support.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <deque>

#include "ui/text_convert.h"

namespace skyloom::uitest {

namespace {

const char* const kOutputFolders[] = {"pmdg", "ivap", "fs", "leveld", "pss"};

struct ModalAnswers {
    std::deque<std::function<void(QWidget*)>> queue;
    QList<QPointer<QWidget>> answered;
    QTimer* timer = nullptr;
};

ModalAnswers& answers() {
    static ModalAnswers instance;
    return instance;
}

bool alreadyAnswered(QWidget* window) {
    for (const auto& seen : answers().answered) {
        if (seen == window) {
            return true;
        }
    }
    return false;
}

void answerWaitingModal() {
    ModalAnswers& state = answers();
    QWidget* modal = QApplication::activeModalWidget();
    if (state.queue.empty() || modal == nullptr || !modal->isVisible() || alreadyAnswered(modal)) {
        return;
    }
    state.answered.append(QPointer<QWidget>(modal));
    auto answer = std::move(state.queue.front());
    state.queue.pop_front();
    // Answered outside this timer's own call, so that a window the answer
    // opens (a question before replacing a file) is seen by the next tick.
    QTimer::singleShot(0, modal, [answer = std::move(answer), modal] { answer(modal); });
}

}  // namespace

TestProgramFolder::TestProgramFolder(bool withSettings) {
    const QDir program(sourcePath(QStringLiteral("data/program")));
    for (const QString& name : program.entryList(QDir::Files)) {
        QFile::copy(program.filePath(name), file(name));
    }
    if (!withSettings) {
        return;
    }
    QByteArray pathIni = QDir::toNativeSeparators(
                             sourcePath(QStringLiteral("data/navdata-sample")) + QLatin1Char('/'))
                             .toUtf8() +
                         "\r\n";
    for (const char* folder : kOutputFolders) {
        const QString output = path() + QLatin1String("/plans/") + QLatin1String(folder);
        QDir().mkpath(output);
        pathIni += QDir::toNativeSeparators(output + QLatin1Char('/')).toUtf8() + "\r\n";
    }
    writeFile(QStringLiteral("path.ini"), pathIni);
    writeFile(QStringLiteral("url.ini"), "about:blank\r\n");
    writeFile(QStringLiteral("check.ini"), "1\r\n");
    writeFile(QStringLiteral("AC.ini"), "1\r\n0\r\n0\r\n0\r\n");
}

QString TestProgramFolder::path() const {
    return QDir::toNativeSeparators(dir_.path());
}

QString TestProgramFolder::file(const QString& name) const {
    return dir_.filePath(name);
}

QString TestProgramFolder::pathLine(int line) const {
    const QList<QByteArray> lines = readFile(file(QStringLiteral("path.ini"))).split('\n');
    return line >= 1 && line <= lines.size() ? QString::fromUtf8(lines[line - 1]).trimmed()
                                             : QString();
}

void TestProgramFolder::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile out(file(name));
    if (out.open(QIODevice::WriteOnly)) {
        out.write(bytes);
    }
}

QByteArray readFile(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

QString sourcePath(const QString& relative) {
    return QDir(QStringLiteral(SKYLOOM_SOURCE_DIR)).filePath(relative);
}

void answerNextModal(std::function<void(QWidget*)> answer) {
    ModalAnswers& state = answers();
    state.queue.push_back(std::move(answer));
    if (state.timer == nullptr) {
        state.timer = new QTimer(qApp);
        state.timer->setInterval(20);
        QObject::connect(state.timer, &QTimer::timeout, answerWaitingModal);
        state.timer->start();
    }
}

bool allModalsAnswered(int timeoutMs) {
    return QTest::qWaitFor([] { return answers().queue.empty(); }, timeoutMs);
}

void clearModalAnswers() {
    answers().queue.clear();
}

QString messageText(QWidget* window) {
    auto* box = qobject_cast<QMessageBox*>(window);
    return box != nullptr ? box->text() : QString();
}

void pressButton(QWidget* window, QMessageBox::StandardButton button) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (box == nullptr || box->button(button) == nullptr) {
        qWarning("expected a message box with that button, got %s",
                 qPrintable(window->metaObject()->className()));
        window->close();
        return;
    }
    box->button(button)->click();
}

void typeIntoInput(QWidget* window, const QString& text) {
    auto* dialog = qobject_cast<QInputDialog*>(window);
    if (dialog == nullptr) {
        qWarning("expected an input box, got %s", qPrintable(window->metaObject()->className()));
        window->close();
        return;
    }
    auto* field = dialog->findChild<QLineEdit*>();
    field->clear();
    QTest::keyClicks(field, text);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

void typeIntoFileDialog(QWidget* window, const QString& fileName) {
    auto* field = window->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (qobject_cast<QFileDialog*>(window) == nullptr || field == nullptr) {
        qWarning("expected a file dialog, got %s", qPrintable(window->metaObject()->className()));
        window->close();
        return;
    }
    field->setText(fileName);
    QTest::keyClick(field, Qt::Key_Return);
}

void expectMessage(QStringList& texts, QMessageBox::StandardButton button) {
    answerNextModal([&texts, button](QWidget* window) {
        texts << messageText(window);
        pressButton(window, button);
    });
}

std::unique_ptr<ui::MainWindow> startMainWindow(const TestProgramFolder& folder) {
    auto window = std::make_unique<ui::MainWindow>(ui::fromQt(folder.path()));
    if (!window->startUp()) {
        return nullptr;
    }
    window->show();
    if (!QTest::qWaitForWindowActive(window.get())) {
        qWarning("the main window did not become active");
    }
    QTest::qWait(50);
    return window;
}

}  // namespace skyloom::uitest
