#include "ui/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "io/text_util.h"
#include "ui/text_convert.h"
#include "ui/waypoint_choice_window.h"

namespace skyloom::ui {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(const std::string& title) {
    return toQt(title.empty() ? std::string(kProductName) : title);
}

std::optional<std::string> runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fromQt(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

void prepareFileDialog(QFileDialog& dialog, const FileDialog& request) {
    dialog.setDirectory(toQt(request.initialFolder));
    dialog.setNameFilter(qtNameFilter(request.filter));
}

}  // namespace

QString qtNameFilter(const std::string& filter) {
    auto parts = splitAt(filter, '|');
    QStringList filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        QString description = toQt(parts[i]);
        QString pattern = toQt(parts[i + 1]).replace(QChar(u';'), QChar(u' '));
        if (!description.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
            description += QStringLiteral(" (") + pattern + QLatin1Char(')');
        }
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

QString defaultSuffix(const std::string& filter) {
    auto parts = splitAt(filter, '|');
    if (parts.size() < 2) {
        return QString();
    }
    QString pattern = toQt(parts[1]).section(QChar(u';'), 0, 0).trimmed();
    QString suffix = pattern.mid(2);
    if (!pattern.startsWith(QStringLiteral("*.")) || suffix.contains(QChar(u'*'))) {
        return QString();
    }
    return suffix;
}

MessageAnswer QtPrompts::message(const MessageBox& box) {
    QMessageBox dialog(qtIcon(box.icon), titleOf(box.title), toQtLines(box.text),
                       QMessageBox::NoButton, parent_);
    switch (box.buttons) {
        case MessageButtons::Ok:
            dialog.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            dialog.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            dialog.setEscapeButton(QMessageBox::Cancel);
            break;
        case MessageButtons::YesNo:
            dialog.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            dialog.setEscapeButton(QMessageBox::No);
            break;
    }
    dialog.exec();
    QAbstractButton* clicked = dialog.clickedButton();
    const auto answer = clicked ? dialog.standardButton(clicked) : QMessageBox::NoButton;
    switch (answer) {
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            break;
    }
    // Closed without a button: the safe answer of each kind of box.
    switch (box.buttons) {
        case MessageButtons::OkCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

std::optional<std::string> QtPrompts::input(const InputBox& box) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(titleOf(box.title));
    dialog.setLabelText(toQtLines(box.prompt));
    dialog.setTextValue(toQt(box.preset));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return fromQt(dialog.textValue());
}

std::string QtPrompts::chooseWaypoint(const WaypointChoice& choice) {
    WaypointChoiceWindow window(choice, parent_);
    window.exec();
    return window.chosenWaypoint();
}

std::optional<std::string> QtPrompts::saveFile(const FileDialog& request) {
    QFileDialog dialog(parent_);
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The suffix is added before the overwrite question, so the question is
    // asked for the file that will really be written.
    dialog.setDefaultSuffix(defaultSuffix(request.filter));
    if (!request.warnOnOverwrite) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    dialog.selectFile(toQt(request.proposedName));
    return runFileDialog(dialog);
}

std::optional<std::string> QtPrompts::openFile(const FileDialog& request) {
    QFileDialog dialog(parent_);
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return runFileDialog(dialog);
}

void QtPrompts::setBusy(bool busy) {
    if (busy && !busy_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busy) {
        QApplication::changeOverrideCursor(Qt::WaitCursor);
    } else if (busy_) {
        QApplication::restoreOverrideCursor();
    }
    busy_ = busy;
}

}  // namespace skyloom::ui
