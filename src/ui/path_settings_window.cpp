#include "ui/path_settings_window.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "settings/path_settings.h"
#include "ui/text_convert.h"
#include "ui/window_layout.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

namespace {

const WindowLayout& pathSettingsLayout() {
    using K = ControlKind;
    // One row per line of path.ini: caption, folder, browse button, example.
    static const WindowLayout layout = {
        8400,
        6000,
        {
            {"Label1(0)", K::Label, "PMDG-Navdata-Folder:", 240, 240, 2400, 255},
            {"Text1(0)", K::Field, "", 240, 495, 7200, 315},
            {"Command1(0)", K::Button, "- - -", 7560, 495, 615, 315},
            {"Label3(0)", K::Label, "Example: C:\\FS9\\FMCWP\\Navdata\\", 240, 810, 7200, 195},
            {"Label1(1)", K::Label, "PMDG-Flightplan-Folder:", 240, 1020, 2400, 255},
            {"Text1(1)", K::Field, "", 240, 1275, 7200, 315},
            {"Command1(1)", K::Button, "- - -", 7560, 1275, 615, 315},
            {"Label3(1)", K::Label, "Example: C:\\FS9\\PMDG\\FLIGHTPLANS\\", 240, 1590, 7200, 195},
            {"Label1(2)", K::Label, "IVAP-Flightplan-Folder:", 240, 1800, 2400, 255},
            {"Text1(2)", K::Field, "", 240, 2055, 7200, 315},
            {"Command1(2)", K::Button, "- - -", 7560, 2055, 615, 315},
            {"Label3(2)", K::Label, "Example: C:\\IVAP\\flights\\", 240, 2370, 7200, 195},
            {"Label1(3)", K::Label, "FS9-Flightplan-Folder:", 240, 2580, 2400, 255},
            {"Text1(3)", K::Field, "", 240, 2835, 7200, 315},
            {"Command1(3)", K::Button, "- - -", 7560, 2835, 615, 315},
            {"Label3(3)", K::Label, "Example: C:\\Eigene Dateien\\Flight Simulator-Dateien", 240,
             3150, 7200, 195},
            {"Label1(4)", K::Label, "LevelD-Flightplan-Folder:", 240, 3360, 2400, 255},
            {"Text1(4)", K::Field, "", 240, 3615, 7200, 315},
            {"Command1(4)", K::Button, "- - -", 7560, 3615, 615, 315},
            {"Label3(4)", K::Label, "Example: C:\\FS9\\Level-D Simulations\\navdata\\Flightplans\\",
             240, 3930, 7200, 195},
            {"Label1(5)", K::Label, "PSS-Flightplan-Folder:", 240, 4140, 2400, 255},
            {"Text1(5)", K::Field, "", 240, 4395, 7200, 315},
            {"Command1(5)", K::Button, "- - -", 7560, 4395, 615, 315},
            {"Label3(5)", K::Label, "Example: F:\\FS9\\Pss\\Routes\\", 240, 4710, 7200, 195},
            {"Label2", K::Label, "(This is a MUST)", 2700, 240, 1800, 255},
            {"Label4", K::Label,
             "If you don't have one of the aircrafts, leave the Input set to the DUMMY folder.",
             240, 4920, 7935, 255},
            {"Command4", K::Button, "Save Changes and Exit", 240, 5400, 3000, 420},
            {"Command5", K::Button, "Cancel", 6375, 5400, 1800, 420},
            // The folder chooser, hidden until a browse button is pressed. It
            // is narrow enough to leave every row's "- - -" button free, so
            // that another row's button can switch it to that row.
            {"Frame1", K::Panel, "Select Directory", 225, 200, 7200, 5100},
            {"Drive1", K::PickList, "", 120, 300, 3000, 315, "Frame1"},
            {"Dir1", K::Tree, "", 120, 720, 6960, 3660, "Frame1"},
            {"Command2", K::Button, "OK", 4080, 4530, 1440, 420, "Frame1"},
            {"Command3", K::Button, "cancel", 5640, 4530, 1440, 420, "Frame1"},
        }};
    return layout;
}

// The panel's caption for each row's browse button, in path.ini order.
constexpr const char* kPanelCaptions[kPathLineCount] = {
    "Select the PMDG-Navdata-Folder",      "Select the PMDG-Flightplan-Folder",
    "Select the IVAP-Flightplan-Folder",   "Select the FS9 Flightplan-Folder",
    "Select the Leveld-Flightplan-Folder", "Select the PSS-Flightplan-Folder",
};

}  // namespace

PathSettingsWindow::PathSettingsWindow(CommandContext& context, QWidget* mainWindow)
    : ModalWindow(mainWindow, mainWindow), context_(context) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Save Paths"));
    buildWindow(this, pathSettingsLayout());
    connectRows();
    preparePanel();

    const PathLines lines = ProposedPathLines(context_.settings);
    for (int i = 0; i < kPathLineCount; ++i) {
        paths_[static_cast<std::size_t>(i)]->setText(toQt(lines[static_cast<std::size_t>(i)]));
    }
}

void PathSettingsWindow::connectRows() {
    for (int i = 0; i < kPathLineCount; ++i) {
        paths_[static_cast<std::size_t>(i)] =
            controlNamed<QLineEdit>(this, QStringLiteral("Text1(%1)").arg(i));
        auto* browse = controlNamed<QPushButton>(this, QStringLiteral("Command1(%1)").arg(i));
        connect(browse, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    const std::pair<const char*, void (PathSettingsWindow::*)()> buttons[] = {
        {"Command2", &PathSettingsWindow::Command2_Click},
        {"Command3", &PathSettingsWindow::Command3_Click},
        {"Command4", &PathSettingsWindow::Command4_Click},
        {"Command5", &PathSettingsWindow::Command5_Click},
    };
    for (const auto& [name, handler] : buttons) {
        connect(controlNamed<QPushButton>(this, QLatin1String(name)), &QPushButton::clicked, this,
                handler);
    }
}

void PathSettingsWindow::preparePanel() {
    panel_ = controlNamed<QGroupBox>(this, QStringLiteral("Frame1"));
    drives_ = controlNamed<QComboBox>(this, QStringLiteral("Drive1"));
    for (const QFileInfo& drive : QDir::drives()) {
        drives_->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()),
                         drive.absoluteFilePath());
    }

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QString());
    folders_ = controlNamed<QTreeView>(this, QStringLiteral("Dir1"));
    folders_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) {
        folders_->hideColumn(column);
    }
    folders_->setHeaderHidden(true);
    if (drives_->count() > 0) {
        Drive1_Change(0);
    }
    connect(drives_, &QComboBox::currentIndexChanged, this, &PathSettingsWindow::Drive1_Change);
    panel_->hide();
}

void PathSettingsWindow::Command1_Click(int row) {
    currentRow_ = row;
    const QString path = paths_[static_cast<std::size_t>(row)]->text();
    // Point the chooser at the row's folder where it exists; otherwise it
    // keeps what it showed before.
    if (!path.isEmpty()) {
        const QString root = QFileInfo(QDir::fromNativeSeparators(path)).absoluteDir().rootPath();
        const int drive = drives_->findData(root);
        if (drive >= 0) {
            drives_->setCurrentIndex(drive);
        }
        if (QFileInfo(path).isDir()) {
            const QModelIndex index = model_->index(QDir::fromNativeSeparators(path));
            folders_->setCurrentIndex(index);
            folders_->scrollTo(index);
        }
    }
    panel_->setTitle(QLatin1String(kPanelCaptions[row]));
    panel_->show();
    panel_->raise();
}

void PathSettingsWindow::Drive1_Change(int index) {
    const QString drive = drives_->itemData(index).toString();
    folders_->setRootIndex(model_->index(drive));
}

void PathSettingsWindow::Command2_Click() {
    const QModelIndex index = folders_->currentIndex();
    if (index.isValid()) {
        QString folder = QDir::toNativeSeparators(model_->filePath(index));
        // A drive's root already ends with its separator.
        if (!folder.endsWith(QDir::separator())) {
            folder += QDir::separator();
        }
        paths_[static_cast<std::size_t>(currentRow_)]->setText(folder);
    }
    panel_->hide();
}

void PathSettingsWindow::Command3_Click() {
    panel_->hide();
}

void PathSettingsWindow::Command4_Click() {
    PathLines lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = fromQt(paths_[i]->text());
    }
    SavePathSettings(context_.settings, context_.prompts, lines);
    accept();
}

void PathSettingsWindow::Command5_Click() {
    reject();
}

}  // namespace skyloom::ui
