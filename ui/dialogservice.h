// SPDX-License-Identifier: MIT
#pragma once

#include "planningoptions.h"
#include "shiftday.h"
#include "shifttype.h"
#include "slotfloor.h"

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;

// How a file dialog is set up for one use.
struct FileDialogSetup
{
    // The folder the dialog starts in; empty for the folder a file was last
    // chosen in (remembered from one run to the next).
    QString initialFolder;
    // The file name it starts with; empty for none.
    QString initialName;
    QString defaultSuffix;
    QStringList filters;
};

// What the shift types dialog edits: the shift planner's types and the
// floor under every slot of a plan for the day's service level.
struct ShiftTypesEdit
{
    std::vector<ShiftType> types;
    SlotFloor floor;
};

// The text the standard error box shows for an error's message: a full stop
// is added when the message is not empty and its last character's code is
// above that of the full stop.
QString StandardErrorText(const QString &message);

// The answers to "Save changes to NAME?".
enum class SaveChoice { Save, Discard, Cancel };

// Every message box and file dialog of the program goes through this
// interface, so that the windows can be driven without a modal loop.
class DialogService
{
public:
    virtual ~DialogService();

    // The confirmation: caption "Confirm", a question icon, "&Yes" (the
    // default) and "&No" (also taken by Escape). True on Yes.
    virtual bool confirm(const QString &text) = 0;
    // The warning: caption "Warning", a warning icon, "&Yes" and "&No".
    virtual bool warnYesNo(const QString &text) = 0;
    // A plain message: caption "Varnook", no icon, an OK button.
    virtual void inform(const QString &text) = 0;
    // The standard error box showing exactly `text`: caption "Varnook", a
    // stop icon, an OK button.
    virtual void showErrorBox(const QString &text) = 0;
    // The shared open and save dialogs; an empty result means cancelled.
    virtual QString chooseOpenFile(const FileDialogSetup &setup) = 0;
    virtual QString chooseSaveFile(const FileDialogSetup &setup) = 0;
    // The print dialog, with default settings: the choice of printer (or
    // printing to a PDF file) and its settings go into the printer. False
    // when the user cancels.
    virtual bool choosePrinter(QPrinter &printer) = 0;
    // The error message dialog: caption "Error", an error icon, one "OK".
    virtual void showErrorDialog(const QString &text) = 0;
    // Before a window with unsaved changes to its file closes: caption
    // "Varnook", a warning icon, "&Save" (the default), "&Discard" and
    // "&Cancel" (also taken by Escape and the box's close button).
    virtual SaveChoice askSaveChanges(const QString &text) = 0;
    // The planning options of the agent window captioned `windowCaption`,
    // shown for editing: the options accepted with OK, or none when the
    // planner cancelled (nothing is to change then).
    virtual std::optional<PlanningOptions> editPlanningOptions(const PlanningOptions &current,
                                                               const QString &windowCaption) = 0;

    // The shift planner's shift types and slot floor of the agent window
    // captioned `windowCaption`, the types checked against `day`: what OK
    // accepted, or none when the planner cancelled. Without a dialog to
    // show, none.
    virtual std::optional<ShiftTypesEdit> editShiftTypes(const ShiftTypesEdit &current, const ShiftDay &day,
                                                         const QString &windowCaption);
    // A question answered by one of `choices` (button texts, the first the
    // default) or Cancel (also taken by Escape): the index of the choice,
    // none on Cancel. Without buttons of its own, confirm() taking the first.
    virtual std::optional<int> chooseAmong(const QString &text, const QStringList &choices);
    // A file was saved or loaded (through a dialog or not: a file named on
    // the command line, Reopen): the next file dialog starts in its folder.
    virtual void fileUsed(const QString &path);
    // Reports an error that a handler does not handle itself.
    void error(const QString &message) { showErrorBox(StandardErrorText(message)); }
};
