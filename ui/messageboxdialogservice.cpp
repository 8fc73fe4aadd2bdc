// SPDX-License-Identifier: MIT
#include "messageboxdialogservice.h"

#include "accesskey.h"
#include "filenames.h"
#include "planningdialog.h"
#include "shifttypesdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>

MessageBoxDialogService::~MessageBoxDialogService()
{
    delete m_openDialog;
    delete m_saveDialog;
}

namespace {

// The settings key of the folder a file was last chosen in.
const QString LastFolderKey = QStringLiteral("Dialogs/LastFolder");

// A question with "&Yes" (the default) and "&No" (also taken by Escape).
bool askYesNo(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace

bool MessageBoxDialogService::confirm(const QString &text)
{
    return askYesNo(m_parent, QMessageBox::Question, QStringLiteral("Confirm"), text);
}

bool MessageBoxDialogService::warnYesNo(const QString &text)
{
    return askYesNo(m_parent, QMessageBox::Warning, QStringLiteral("Warning"), text);
}

std::optional<int> MessageBoxDialogService::chooseAmong(const QString &text, const QStringList &choices)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton, m_parent);
    QList<QPushButton *> buttons;
    for (const QString &choice : choices)
        buttons << box.addButton(choice, QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    GiveAccessKey(cancel);
    if (!buttons.isEmpty())
        box.setDefaultButton(buttons.front());
    box.setEscapeButton(cancel);
    box.exec();
    const qsizetype index = buttons.indexOf(static_cast<QPushButton *>(box.clickedButton()));
    return index < 0 ? std::nullopt : std::optional<int>(static_cast<int>(index));
}

void MessageBoxDialogService::inform(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnook"), text, QMessageBox::Ok, m_parent);
    GiveAccessKey(box.button(QMessageBox::Ok));
    box.exec();
}

void MessageBoxDialogService::showErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Varnook"), text, QMessageBox::Ok, m_parent);
    GiveAccessKey(box.button(QMessageBox::Ok));
    box.exec();
}

QString MessageBoxDialogService::runFileDialog(QFileDialog *dialog, const FileDialogSetup &setup)
{
    // The folder asked for, else the one a file was last chosen in, else
    // the home folder; never the program's working folder.
    QString folder = setup.initialFolder;
    if (folder.isEmpty())
        folder = m_settings ? m_settings->value(LastFolderKey, m_lastFolder).toString() : m_lastFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    dialog->setDirectory(folder);
    // The name asked for, or none: never the one another window last chose.
    dialog->selectFile(setup.initialName);
    const QString selected = dialog->selectedNameFilter();
    dialog->setNameFilters(setup.filters);
    if (setup.filters.contains(selected))
        dialog->selectNameFilter(selected);
    // A name typed without an extension takes the chosen filter's one
    // ("Text files (*.txt)" gives ".txt"), else the default.
    auto suffixFor = [setup](const QString &filter) {
        const QString suffix = Calc::FilterSuffix(filter);
        return suffix.isEmpty() ? setup.defaultSuffix : suffix;
    };
    dialog->setDefaultSuffix(suffixFor(dialog->selectedNameFilter()));
    const QMetaObject::Connection follow = QObject::connect(
        dialog, &QFileDialog::filterSelected, dialog,
        [dialog, suffixFor](const QString &filter) { dialog->setDefaultSuffix(suffixFor(filter)); });
    const int answer = dialog->exec();
    QObject::disconnect(follow);
    if (answer != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog->selectedFiles().constFirst();
    fileUsed(chosen);
    return chosen;
}

void MessageBoxDialogService::fileUsed(const QString &path)
{
    m_lastFolder = QFileInfo(path).absolutePath();
    if (m_settings)
        m_settings->setValue(LastFolderKey, m_lastFolder);
}

QString MessageBoxDialogService::chooseOpenFile(const FileDialogSetup &setup)
{
    if (!m_openDialog) {
        m_openDialog = new QFileDialog(m_parent);
        m_openDialog->setAcceptMode(QFileDialog::AcceptOpen);
        m_openDialog->setFileMode(QFileDialog::ExistingFile);
    }
    return runFileDialog(m_openDialog, setup);
}

QString MessageBoxDialogService::chooseSaveFile(const FileDialogSetup &setup)
{
    if (!m_saveDialog) {
        m_saveDialog = new QFileDialog(m_parent);
        m_saveDialog->setAcceptMode(QFileDialog::AcceptSave);
        m_saveDialog->setFileMode(QFileDialog::AnyFile);
        // The Save command asks its own overwrite question.
        m_saveDialog->setOption(QFileDialog::DontConfirmOverwrite);
    }
    return runFileDialog(m_saveDialog, setup);
}

bool MessageBoxDialogService::choosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

void MessageBoxDialogService::showErrorDialog(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::NoButton, m_parent);
    box.addButton(QStringLiteral("&OK"), QMessageBox::AcceptRole);
    box.exec();
}

std::unique_ptr<QMessageBox> MessageBoxDialogService::saveChangesBox(const QString &text, QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Varnook"), text,
                                             QMessageBox::NoButton, parent);
    box->setDefaultButton(box->addButton(QStringLiteral("&Save"), QMessageBox::AcceptRole));
    box->addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    box->setEscapeButton(box->addButton(QStringLiteral("&Cancel"), QMessageBox::RejectRole));
    return box;
}

SaveChoice MessageBoxDialogService::askSaveChanges(const QString &text)
{
    const std::unique_ptr<QMessageBox> box = saveChangesBox(text, m_parent);
    box->exec();
    switch (box->buttonRole(box->clickedButton())) {
    case QMessageBox::AcceptRole: return SaveChoice::Save;
    case QMessageBox::DestructiveRole: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
    }
}

std::optional<ShiftTypesEdit> MessageBoxDialogService::editShiftTypes(const ShiftTypesEdit &current,
                                                                     const ShiftDay &day, const QString &windowCaption)
{
    ShiftTypesDialog dialog(current.types, day, windowCaption, *this, m_parent);
    dialog.setFloor(current.floor);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.accepted();
}

std::optional<PlanningOptions> MessageBoxDialogService::editPlanningOptions(const PlanningOptions &current,
                                                                           const QString &windowCaption)
{
    PlanningDialog dialog(current, windowCaption, *this, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.options();
}
