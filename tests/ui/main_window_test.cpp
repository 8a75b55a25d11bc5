#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/ui_test_support.h"

using namespace skyloom::uitest;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startsOnPreparedFolder();
};

void MainWindowTest::startsOnPreparedFolder() {
    TestProgramFolder folder;
    auto window = startMainWindow(folder);
    QVERIFY(window);
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("Skyloom Version")));
    QVERIFY(!child<QPushButton>(window.get(), "Command2")->isEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
