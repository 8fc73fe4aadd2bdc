// SPDX-License-Identifier: MIT
#include "scenariofilecommand.h"

#include "agentcommandhost.h"
#include "dialogservice.h"
#include "filenames.h"
#include "handlerguard.h"
#include "scenariofile.h"
#include "scenariofilerecord.h"

#include <QFileInfo>

namespace {

FileDialogSetup scenarioDialogSetup(const QString &scenarioFileName)
{
    // A comparison directory that matches no path: the initial folder is
    // the whole file name (there are no drive letters here).
    const QString noDirectory = QString(QChar(1));
    FileDialogSetup setup;
    setup.initialFolder = Calc::RelativePath(scenarioFileName, noDirectory);
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
        const QString chosen = m_host.dialogs().chooseSaveFile(scenarioDialogSetup(record().ScenarioFileName()));
        if (!chosen.isEmpty())
            saveFile(chosen);
    });
}

void ScenarioFileCommand::load()
{
    RunHandler(m_host.dialogs(), [this] {
        if (!m_host.completePendingFieldExit())
            return;
        const QString chosen = m_host.dialogs().chooseOpenFile(scenarioDialogSetup(record().ScenarioFileName()));
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
    bool closeIt = false;
    RunHandler(m_host.dialogs(), [&] {
        const QString question = QStringLiteral("Save changes to %1?").arg(record().heldFileName());
        switch (m_host.dialogs().askSaveChanges(question)) {
        case SaveChoice::Save:
            closeIt = saveBeforeClosing();
            break;
        case SaveChoice::Discard:
            closeIt = true;
            break;
        case SaveChoice::Cancel:
            break;
        }
    });
    return closeIt;
}

bool ScenarioFileCommand::saveBeforeClosing()
{
    if (!m_host.completePendingFieldExit())
        return false;
    // A file named on the command line has not been saved by this window
    // yet: the save dialog asks where, as the Save button would.
    if (!record().hasScenarioFileName()) {
        const QString chosen = m_host.dialogs().chooseSaveFile(scenarioDialogSetup(record().ScenarioFileName()));
        return !chosen.isEmpty() && saveFile(chosen);
    }
    return saveFile(record().ScenarioFileName());
}
