#include "support/ui_test_support.h"

#include <QtWidgets>
#include <deque>

#include "ui/text_convert.h"

namespace skyloom::uitest {

namespace {

std::deque<std::function<void(QWidget*)>> answers;

void answerWaitingModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (answers.empty() || modal == nullptr || !modal->isVisible() ||
        modal->property("answered").toBool()) {
        return;
    }
    modal->setProperty("answered", true);
    // Outside this timer's call, so that a window the answer opens is seen.
    QTimer::singleShot(0, modal, [answer = std::move(answers.front()), modal] { answer(modal); });
    answers.pop_front();
}

// An answer meant for another kind of window closes it, so that nothing hangs.
void wrongWindow(QWidget* window) {
    qWarning("unexpected %s", window->metaObject()->className());
    window->close();
}

}  // namespace

TestProgramFolder::TestProgramFolder() {
    const QDir program(sourcePath("data/program"));
    for (const QString& name : program.entryList(QDir::Files)) {
        QFile::copy(program.filePath(name), file(name));
    }
    QString pathIni = QDir::toNativeSeparators(sourcePath("data/navdata-sample/")) + "\r\n";
    for (const char* output : {"pmdg", "ivap", "fs", "leveld", "pss"}) {
        QDir().mkpath(file(QString("plans/") + output));
        pathIni += QDir::toNativeSeparators(file(QString("plans/") + output + '/')) + "\r\n";
    }
    writeFile("path.ini", pathIni.toUtf8());
    writeFile("url.ini", "about:blank\r\n");
    writeFile("check.ini", "1\r\n");
    writeFile("AC.ini", "1\r\n0\r\n0\r\n0\r\n");
}

QString TestProgramFolder::pathLine(int line) const {
    return QString::fromUtf8(readFile(file("path.ini")).split('\n').value(line - 1)).trimmed();
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
    return QDir(SKYLOOM_SOURCE_DIR).filePath(relative);
}

std::unique_ptr<ui::MainWindow> startMainWindow(const TestProgramFolder& folder) {
    auto window = std::make_unique<ui::MainWindow>(ui::fromQt(folder.path()));
    if (!window->startUp()) {
        qFatal("the program ended at its start");
    }
    window->show();
    if (!QTest::qWaitForWindowActive(window.get())) {
        qWarning("the main window did not become active");
    }
    QTest::qWait(50);
    return window;
}

void answerNextModal(std::function<void(QWidget*)> answer) {
    static QTimer* timer = nullptr;
    if (timer == nullptr) {
        timer = new QTimer(qApp);
        QObject::connect(timer, &QTimer::timeout, answerWaitingModal);
        timer->start(20);
    }
    answers.push_back(std::move(answer));
}

bool allModalsAnswered() {
    return QTest::qWaitFor([] { return answers.empty(); }, 10000);
}

void expectMessage(QStringList& texts, QMessageBox::StandardButton button) {
    answerNextModal([&texts, button](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box == nullptr || box->button(button) == nullptr) {
            return wrongWindow(window);
        }
        texts << box->text();
        box->button(button)->click();
    });
}

void answerText(const QString& text) {
    answerNextModal([text](QWidget* window) {
        if (auto* input = qobject_cast<QInputDialog*>(window)) {
            input->findChild<QLineEdit*>()->setText(text);
            input->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        } else if (auto* name = window->findChild<QLineEdit*>("fileNameEdit")) {
            name->setText(text);  // a file dialog takes the name with Return
            QTest::keyClick(name, Qt::Key_Return);
        } else {
            wrongWindow(window);
        }
    });
}

void click(QWidget* window, const char* name) {
    auto* control = child<QWidget>(window, name);
    QWidget* top = control->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(top, control->rect().center()));
}

}  // namespace skyloom::uitest
