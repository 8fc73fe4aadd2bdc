// SPDX-License-Identifier: MIT
#pragma once

#include "dialogservice.h"

#include <QPointer>

#include <memory>

class QMessageBox;

class QFileDialog;
class QSettings;
class QWidget;

// The dialogs as the user sees them: message boxes with the program's
// captions, icons and buttons, and one open and one save dialog shared by
// every window, each keeping the file name it last returned.
class MessageBoxDialogService : public DialogService
{
public:
    MessageBoxDialogService() = default;
    ~MessageBoxDialogService() override;

    // The window the boxes and dialogs belong to (the main window).
    void setParentWindow(QWidget *parent) { m_parent = parent; }
    // Where the folder a file was last chosen in is remembered; without
    // settings it is remembered for this run only.
    void setSettings(QSettings *settings) { m_settings = settings; }

    bool confirm(const QString &text) override;
    bool warnYesNo(const QString &text) override;
    void inform(const QString &text) override;
    void showErrorBox(const QString &text) override;
    QString chooseOpenFile(const FileDialogSetup &setup) override;
    QString chooseSaveFile(const FileDialogSetup &setup) override;
    bool choosePrinter(QPrinter &printer) override;
    void showErrorDialog(const QString &text) override;
    SaveChoice askSaveChanges(const QString &text) override;
    std::optional<int> chooseAmong(const QString &text, const QStringList &choices) override;
    void fileUsed(const QString &path) override;
    std::optional<ShiftTypesEdit> editShiftTypes(const ShiftTypesEdit &current, const ShiftDay &day,
                                                 const QString &windowCaption) override;
    std::optional<PlanningOptions> editPlanningOptions(const PlanningOptions &current,
                                                       const QString &windowCaption) override;

    // "Save changes to NAME?" before it is shown: "&Save" (the default),
    // "&Discard" and "&Cancel" (also taken by Escape).
    static std::unique_ptr<QMessageBox> saveChangesBox(const QString &text, QWidget *parent);

private:
    QString runFileDialog(QFileDialog *dialog, const FileDialogSetup &setup);

    QPointer<QWidget> m_parent;
    QSettings *m_settings = nullptr;
    QString m_lastFolder;
    QPointer<QFileDialog> m_openDialog; // OpenDialog1
    QPointer<QFileDialog> m_saveDialog; // SaveDialog1
};
