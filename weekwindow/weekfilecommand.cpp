// SPDX-License-Identifier: MIT
#include "weekfilecommand.h"

#include "dialogservice.h"
#include "handlerguard.h"
#include "savechanges.h"
#include "weekdocument.h"

#include <QFileInfo>

namespace {

// Save starts at the document's own file, a new week at its untitled name
// in the folder last used.
FileDialogSetup weekDialogSetup(const WeekDocument &document)
{
    FileDialogSetup setup;
    if (document.hasFile()) {
        setup.initialFolder = QFileInfo(document.filePath()).absolutePath();
        setup.initialName = QFileInfo(document.filePath()).fileName();
    } else {
        setup.initialName = WeekDocument::UntitledName;
    }
    setup.defaultSuffix = QStringLiteral("vnkw");
    setup.filters = QStringList{QStringLiteral("Week files (*.vnkw)")};
    return setup;
}

} // namespace

WeekFileCommand::WeekFileCommand(WeekDocument &document, DialogService &dialogs, std::function<void()> takeChanges,
                                 std::function<void(const QString &)> used)
    : m_document(document)
    , m_dialogs(dialogs)
    , m_takeChanges(std::move(takeChanges))
    , m_used(std::move(used))
{
}

bool WeekFileCommand::load(const QString &path)
{
    const LoadResult result = m_document.load(path);
    if (!result.applied()) {
        m_dialogs.error(result.message);
        return false;
    }
    m_dialogs.fileUsed(m_document.filePath());
    m_used(m_document.filePath());
    return true;
}

bool WeekFileCommand::saveTo(const QString &path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    if (fullPath != m_document.filePath() && QFileInfo::exists(fullPath)
        && !m_dialogs.warnYesNo(QStringLiteral("Overwrite file ") + path + QLatin1Char('?')))
        return false;
    m_takeChanges();
    const SaveResult result = m_document.save(fullPath);
    if (!result.ok) {
        // The old file is untouched and the window keeps its name.
        m_dialogs.error(result.message);
        return false;
    }
    m_dialogs.fileUsed(fullPath);
    m_used(fullPath);
    return true;
}

bool WeekFileCommand::save()
{
    return m_document.hasFile() ? saveTo(m_document.filePath()) : saveAs();
}

bool WeekFileCommand::saveAs()
{
    const QString chosen = m_dialogs.chooseSaveFile(weekDialogSetup(m_document));
    return !chosen.isEmpty() && saveTo(chosen);
}

bool WeekFileCommand::hasUnsavedChanges()
{
    m_takeChanges();
    return m_document.changed();
}

bool WeekFileCommand::confirmClose()
{
    if (!hasUnsavedChanges())
        return true;
    const QString name = m_document.hasFile() ? QFileInfo(m_document.filePath()).fileName() : WeekDocument::UntitledName;
    return SaveChangesBeforeClosing(m_dialogs, name, [this] { return save(); });
}
