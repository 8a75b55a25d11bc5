#pragma once
// The main window (Form1): the browser pane, the route field, the aircraft
// options, the commands, the fuel figures, the route listing and the plan
// text. It owns the session (settings, data store, navigation database), shows
// the data store in its controls and hands every command to the core.

#include <QMainWindow>
#include <string>

#include "commands/session.h"
#include "formats/sim_plan_formats.h"
#include "ui/qt_prompts.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace skyloom::ui {

class BrowserPane;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(const std::string& programFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the settings files as the program starts (Form_Load). False when
    // the user chose to end the program at the first-start question.
    bool startUp();

    CommandContext& context() { return context_; }
    MainWindowData& data() { return data_; }
    Settings& settings() { return settings_; }
    // The navigation database of the current PathNavData.
    NavDatabase& nav() { return session_.nav(); }
    BrowserPane* browser() const { return browser_; }

    // Shows the data store in the controls.
    void refreshFromData();

  signals:
    // A calculation completed or a saved flight was loaded.
    void flightChanged();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void Form_Activate();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command11_Click();
    void Command13_Click();
    void Option_Click(Aircraft aircraft);
    void Check1_Click();
    void Check2_Click();
    void load_Click();
    void save_Click();
    void export_Click(const SimPlanFormat& format);
    void Paths_Click();
    void mnu_Help_Click();
    void mnu_Map_Click();
    void mnu_FindRoute_Click();

  private:
    void buildMenus();
    void findControls();
    void connectControls();
    bool Text5_KeyPress(QEvent* event);

    QtPrompts prompts_;
    Session session_;
    Settings& settings_ = session_.settings;
    MainWindowData& data_ = session_.data;
    CommandContext& context_ = session_.context;
    QSize fixedSize_;
    bool activatedBefore_ = false;
    bool activating_ = false;

    BrowserPane* browser_ = nullptr;
    QLineEdit* route_ = nullptr;          // Text1
    QComboBox* cruise_ = nullptr;         // Text3
    QLineEdit* distance_ = nullptr;       // Text5
    QPlainTextEdit* planText_ = nullptr;  // Text2
    QLineEdit* fuel_[2] = {};             // Text4(0), Text4(1)
    QLabel* duration_ = nullptr;          // Label4
    QLabel* tankShare_ = nullptr;         // Label6
    QFrame* swatch_ = nullptr;            // Picture1
    QRadioButton* options_[4] = {};       // Option1 .. Option4
    QCheckBox* createFsPlan_ = nullptr;   // Check1
    QCheckBox* onlyFsPlan_ = nullptr;     // Check2
    QPushButton* saveFmc_ = nullptr;      // Command2
    QListWidget* listing_ = nullptr;      // List3
    QWidget* routeMap_ = nullptr;         // the route map window, once opened
};

}  // namespace skyloom::ui
