// SPDX-License-Identifier: MIT
#include "scenariofilecommand.h"

#include "agentcommandhost.h"
#include "dialogservice.h"
#include "handlerguard.h"
#include "savechanges.h"
#include "scenariofile.h"
#include "scenariofilerecord.h"

#include <QFileInfo>

namespace {

enum class Purpose { Open, Save };

// Save starts at the window's own file (the one it saved or loaded, or was
// started with), a window without one at an untitled name in the folder
// last used; Open in the folder last used, with no name.
FileDialogSetup scenarioDialogSetup(const ScenarioFileRecord &record, Purpose purpose)
{
    FileDialogSetup setup;
    if (purpose == Purpose::Save) {
        const QString own = record.hasScenarioFileName() ? record.ScenarioFileName() : record.heldFilePath();
        if (own.isEmpty()) {
            setup.initialName = QStringLiteral("untitled.vnk");
        } else {
            setup.initialFolder = QFileInfo(own).absolutePath();
            setup.initialName = QFileInfo(own).fileName();
        }
    }
    setup.defaultSuffix = QStringLiteral("vnk");
    setup.filters = QStringList{QStringLiteral("VNK files (*.vnk)"), QStringLiteral("Text files (*.txt)")};
    return setup;
}

} // namespace

ScenarioFileCommand::ScenarioFileCommand(AgentCommandHost &host)
    : m_host(host)
{
}

ScenarioFileRecord &ScenarioFileCommand::record()
{
    return m_host.scenarioFile();
}

void ScenarioFileCommand::save()
{
    RunHandler(m_host.dialogs(), [this] {
        if (!m_host.completePendingFieldExit())
            return;
        const QString chosen = m_host.dialogs().chooseSaveFile(scenarioDialogSetup(record(), Purpose::Save));
        if (!chosen.isEmpty())
            saveFile(chosen);
    });
}

void ScenarioFileCommand::load()
{
    RunHandler(m_host.dialogs(), [this] {
        if (!m_host.completePendingFieldExit())
            return;
        const QString chosen = m_host.dialogs().chooseOpenFile(scenarioDialogSetup(record(), Purpose::Open));
        if (!chosen.isEmpty())
            loadFile(chosen, true);
    });
}

bool ScenarioFileCommand::saveFile(const QString &chosenName)
{
    const QString fullPath = QFileInfo(chosenName).absoluteFilePath();
    // The window's own file asks no question; replacing another one does.
    if (!record().isOwnFile(fullPath) && QFileInfo::exists(fullPath)) {
        if (!m_host.dialogs().warnYesNo(QStringLiteral("Overwrite file ") + chosenName + QLatin1Char('?')))
            return false;
    }
    m_host.syncFieldsToModel();
    const SaveResult result = SaveScenario(m_host.scenario(), fullPath);
    m_host.refresh();
    if (!result.ok) {
        // The old file is untouched and the window keeps its old name.
        m_host.dialogs().error(result.message);
        return false;
    }
    record().saved(m_host.scenario(), fullPath);
    m_host.fileUsed(fullPath);
    return true;
}

bool ScenarioFileCommand::loadFile(const QString &path, bool setFileName)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    m_host.syncFieldsToModel();
    // A loaded field the closing recalculation refuses is reported once the
    // window shows the loaded values and the file's name.
    m_host.holdInvalidInput(true);
    const LoadResult result = LoadScenario(m_host.scenario(), fullPath);
    m_host.holdInvalidInput(false);
    m_host.refresh();
    if (!result.applied()) {
        m_host.dialogs().error(result.message);
        return false;
    }
    m_host.fieldsLoaded();
    m_host.syncFieldsToModel();
    record().loaded(m_host.scenario(), fullPath, setFileName);
    m_host.fileUsed(fullPath);
    // What the load replaced is said before any refusal of what it loaded.
    for (const QString &warning : result.warnings)
        m_host.dialogs().inform(warning + QLatin1Char('.'));
    m_host.reportHeldInvalidInput();
    return true;
}

bool ScenarioFileCommand::hasUnsavedChanges()
{
    if (!record().holdsFile())
        return false;
    m_host.syncFieldsToModel();
    return record().changedSince(m_host.scenario());
}

bool ScenarioFileCommand::confirmClose()
{
    if (!hasUnsavedChanges())
        return true;
    return SaveChangesBeforeClosing(m_host.dialogs(), record().heldFileName(), [this] { return saveBeforeClosing(); });
}

bool ScenarioFileCommand::saveBeforeClosing()
{
    if (!m_host.completePendingFieldExit())
        return false;
    // A file named on the command line has not been saved by this window
    // yet: the save dialog asks where, as the Save button would.
    if (!record().hasScenarioFileName()) {
        const QString chosen = m_host.dialogs().chooseSaveFile(scenarioDialogSetup(record(), Purpose::Save));
        return !chosen.isEmpty() && saveFile(chosen);
    }
    return saveFile(record().ScenarioFileName());
}
