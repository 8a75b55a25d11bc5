#include "ui/path_settings_window.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "settings/path_settings.h"
#include "ui/text_convert.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

namespace skyloom::ui {

namespace {

struct PathRow {
    const char* caption;
    const char* example;
    const char* panelCaption;
};

// In path.ini order: navigation data, PMDG, IVAP, FS9, LevelD, PSS.
constexpr PathRow kRows[kPathLineCount] = {
    {"PMDG-Navdata-Folder:", "Example: C:\\FS9\\FMCWP\\Navdata\\",
     "Select the PMDG-Navdata-Folder"},
    {"PMDG-Flightplan-Folder:", "Example: C:\\FS9\\PMDG\\FLIGHTPLANS\\",
     "Select the PMDG-Flightplan-Folder"},
    {"IVAP-Flightplan-Folder:", "Example: C:\\IVAP\\flights\\",
     "Select the IVAP-Flightplan-Folder"},
    {"FS9-Flightplan-Folder:", "Example: C:\\Eigene Dateien\\Flight Simulator-Dateien",
     "Select the FS9 Flightplan-Folder"},
    {"LevelD-Flightplan-Folder:", "Example: C:\\FS9\\Level-D Simulations\\navdata\\Flightplans\\",
     "Select the Leveld-Flightplan-Folder"},
    {"PSS-Flightplan-Folder:", "Example: F:\\FS9\\Pss\\Routes\\",
     "Select the PSS-Flightplan-Folder"},
};

constexpr int kRowHeight = 780;
constexpr int kFirstRowTop = 240;

QString arrayName(const char* control, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(index);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(false);
    return result;
}

}  // namespace

PathSettingsWindow::PathSettingsWindow(CommandContext& context, QWidget* mainWindow)
    : ModalWindow(mainWindow, mainWindow), context_(context) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Save Paths"));
    setFixedSize(twipsRect(0, 0, 8400, 6000).size());
    buildRows();
    buildPanel();

    const PathLines lines = ProposedPathLines(context_.settings);
    for (int i = 0; i < kPathLineCount; ++i) {
        paths_[static_cast<std::size_t>(i)]->setText(toQt(lines[static_cast<std::size_t>(i)]));
    }
}

void PathSettingsWindow::buildRows() {
    for (int i = 0; i < kPathLineCount; ++i) {
        const int top = kFirstRowTop + i * kRowHeight;
        auto* caption = new QLabel(QLatin1String(kRows[i].caption), this);
        caption->setObjectName(arrayName("Label1", i));
        placeTwips(caption, 240, top, 2400, 255);

        auto* path = new QLineEdit(this);
        path->setObjectName(arrayName("Text1", i));
        placeTwips(path, 240, top + 255, 7200, 315);
        paths_[static_cast<std::size_t>(i)] = path;

        auto* browse = button(this, "Command1", QStringLiteral("- - -"));
        browse->setObjectName(arrayName("Command1", i));
        placeTwips(browse, 7560, top + 255, 615, 315);
        connect(browse, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });

        auto* example = new QLabel(QLatin1String(kRows[i].example), this);
        example->setObjectName(arrayName("Label3", i));
        placeTwips(example, 240, top + 570, 7200, 195);
    }
    auto* must = new QLabel(QStringLiteral("(This is a MUST)"), this);
    must->setObjectName(QStringLiteral("Label2"));
    placeTwips(must, 2700, kFirstRowTop, 1800, 255);

    auto* note = new QLabel(
        QStringLiteral(
            "If you don't have one of the aircrafts, leave the Input set to the DUMMY folder."),
        this);
    note->setObjectName(QStringLiteral("Label4"));
    placeTwips(note, 240, kFirstRowTop + kPathLineCount * kRowHeight, 7935, 255);

    auto* save = button(this, "Command4", QStringLiteral("Save Changes and Exit"));
    placeTwips(save, 240, 5400, 3000, 420);
    connect(save, &QPushButton::clicked, this, &PathSettingsWindow::Command4_Click);
    auto* cancel = button(this, "Command5", QStringLiteral("Cancel"));
    placeTwips(cancel, 6375, 5400, 1800, 420);
    connect(cancel, &QPushButton::clicked, this, &PathSettingsWindow::Command5_Click);
}

void PathSettingsWindow::buildPanel() {
    panel_ = new QGroupBox(QStringLiteral("Select Directory"), this);
    panel_->setObjectName(QStringLiteral("Frame1"));
    // Narrow enough to leave every row's "- - -" button free, so that another
    // row's button can switch the panel to that row.
    placeTwips(panel_, 225, 200, 7200, 5100);
    panel_->setAutoFillBackground(true);

    drives_ = new QComboBox(panel_);
    drives_->setObjectName(QStringLiteral("Drive1"));
    placeTwips(drives_, 120, 300, 3000, 315);
    for (const QFileInfo& drive : QDir::drives()) {
        drives_->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()),
                         drive.absoluteFilePath());
    }

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QString());
    folders_ = new QTreeView(panel_);
    folders_->setObjectName(QStringLiteral("Dir1"));
    folders_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) {
        folders_->hideColumn(column);
    }
    folders_->setHeaderHidden(true);
    placeTwips(folders_, 120, 720, 6960, 3660);
    if (drives_->count() > 0) {
        Drive1_Change(0);
    }
    connect(drives_, &QComboBox::currentIndexChanged, this, &PathSettingsWindow::Drive1_Change);

    auto* ok = button(panel_, "Command2", QStringLiteral("OK"));
    placeTwips(ok, 4080, 4530, 1440, 420);
    connect(ok, &QPushButton::clicked, this, &PathSettingsWindow::Command2_Click);
    auto* cancel = button(panel_, "Command3", QStringLiteral("cancel"));
    placeTwips(cancel, 5640, 4530, 1440, 420);
    connect(cancel, &QPushButton::clicked, this, &PathSettingsWindow::Command3_Click);
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
    panel_->setTitle(QLatin1String(kRows[row].panelCaption));
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
