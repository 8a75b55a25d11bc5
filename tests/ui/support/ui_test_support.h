#pragma once
// What the window tests share: a prepared program folder, answers for the
// modal dialogs that the program opens, and finding controls by name.

#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "ui/main_window.h"

namespace skyloom::uitest {

// A temporary program folder: performance files, AC.dat, url.ini, check.ini,
// AC.ini and a path.ini with the sample navigation database and five fresh
// output folders. `withSettings` false gives the performance files and
// AC.dat alone, as on a first start.
class TestProgramFolder {
  public:
    explicit TestProgramFolder(bool withSettings = true);
    QString path() const;
    QString file(const QString& name) const;
    // The folder of path.ini line `line` (1 to 6), with its trailing separator.
    QString pathLine(int line) const;
    QString navFolder() const { return pathLine(1); }
    // path.ini line 2 to 6: the output folders of PMDG, IVAP, FS9, LevelD, PSS.
    QString outputFolder(int line) const { return pathLine(line); }
    void writeFile(const QString& name, const QByteArray& bytes) const;

  private:
    QTemporaryDir dir_;
};

// The bytes of a file; empty when it cannot be read.
QByteArray readFile(const QString& path);
// Folder of the source tree: data, tests/data.
QString sourcePath(const QString& relative);

// Queues an answer for the next modal window the program opens: `answer` is
// called with it once it is up. Answers are used in order, one per window.
void answerNextModal(std::function<void(QWidget*)> answer);
// Waits until every queued answer has been used; false on a time-out.
bool allModalsAnswered(int timeoutMs = 10000);

// Drops the answers not used yet.
void clearModalAnswers();

// A message box's text; empty for anything else.
QString messageText(QWidget* window);
// Clicks a button of a message box.
void pressButton(QWidget* window, QMessageBox::StandardButton button);
// Types into an input box and presses OK.
void typeIntoInput(QWidget* window, const QString& text);
// Types a file name into a file dialog and presses Return.
void typeIntoFileDialog(QWidget* window, const QString& fileName);

// Queues a message box answer that records the text and presses `button`.
void expectMessage(QStringList& texts, QMessageBox::StandardButton button = QMessageBox::Ok);

// The main window on the folder, started and shown, its first activation done.
std::unique_ptr<ui::MainWindow> startMainWindow(const TestProgramFolder& folder);

// A named control of the window; the test fails when it is missing.
template <class T>
T* child(QObject* root, const char* objectName) {
    T* found = root->findChild<T*>(QLatin1String(objectName));
    if (found == nullptr) {
        qFatal("control %s not found", objectName);
    }
    return found;
}

}  // namespace skyloom::uitest
