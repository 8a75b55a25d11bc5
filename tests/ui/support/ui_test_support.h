#pragma once
// What the window tests share: a program folder, the main window started on
// it, answers for the modal dialogs it opens, and controls by their names.

#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "ui/main_window.h"

namespace skyloom::uitest {

// The performance files, AC.dat, url.ini, check.ini, AC.ini and a path.ini
// of the sample navigation data and five new output folders.
class TestProgramFolder {
  public:
    TestProgramFolder();
    QString path() const { return QDir::toNativeSeparators(dir_.path()); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Line 1 to 6 of path.ini: navigation data, PMDG, IVAP, FS9, LevelD, PSS.
    QString pathLine(int line) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;

  private:
    QTemporaryDir dir_;
};

QByteArray readFile(const QString& path);
QString sourcePath(const QString& relative);
// Started and shown, its first activation done.
std::unique_ptr<ui::MainWindow> startMainWindow(const TestProgramFolder& folder);

// Answers the next modal window once it is up; answers are used in order.
void answerNextModal(std::function<void(QWidget*)> answer);
bool allModalsAnswered();  // false when one was not used within 10 s
// A message box: its text goes to `texts`, `button` is pressed.
void expectMessage(QStringList& texts, QMessageBox::StandardButton button = QMessageBox::Ok);
// An input box or a file dialog: `text` is typed and confirmed.
void answerText(const QString& text);

template <class T>
T* child(QObject* root, const char* name) {
    T* found = root->findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("control %s not found", name);
    }
    return found;
}
// A left click on the middle of the control through its window, as the
// mouse gives it: a control covered by another does not get it.
void click(QWidget* window, const char* name);

}  // namespace skyloom::uitest
