// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class DialogService;
class WeekDocument;

// A week window's file commands over its WeekDocument: load, Save, Save
// As, and the question before a changed week closes. A failure is reported
// and changes nothing; replacing another existing file is asked first.
class WeekFileCommand
{
public:
    // `takeChanges` brings what the day windows changed into the week
    // before it is compared or written; `used` hears of every file saved or
    // loaded (its full path).
    WeekFileCommand(WeekDocument &document, DialogService &dialogs, std::function<void()> takeChanges,
                    std::function<void(const QString &)> used);

    bool load(const QString &path);
    bool saveTo(const QString &path);
    // Save: the document's own file, or, without one, Save As.
    bool save();
    // Save As: the save dialog, starting at the document's file.
    bool saveAs();
    bool hasUnsavedChanges();
    // "Save changes to NAME?": false (stay open) on Cancel or when the
    // chosen save was not written.
    bool confirmClose();

private:
    WeekDocument &m_document;
    DialogService &m_dialogs;
    std::function<void()> m_takeChanges;
    std::function<void(const QString &)> m_used;
};
