// SPDX-License-Identifier: MIT
#include "scenariofilecommand.h"

#include "dialogservice.h"
#include "filenames.h"
#include "handlerguard.h"
#include "scenariofile.h"
#include "tagentform.h"

#include <QFileInfo>
#include <QLineEdit>

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

ScenarioFileCommand::ScenarioFileCommand(TAgentForm &form, DialogService &dialogs)
    : m_form(form)
    , m_dialogs(dialogs)
{
}

void ScenarioFileCommand::save()
{
    RunHandler(m_dialogs, [this] {
        if (!m_form.completePendingFieldExit())
            return;
        const QString chosen = m_dialogs.chooseSaveFile(scenarioDialogSetup(m_form.ScenarioFileName));
        if (!chosen.isEmpty())
            saveFile(chosen);
    });
}

void ScenarioFileCommand::load()
{
    RunHandler(m_dialogs, [this] {
        if (!m_form.completePendingFieldExit())
            return;
        const QString chosen = m_dialogs.chooseOpenFile(scenarioDialogSetup(m_form.ScenarioFileName));
        if (!chosen.isEmpty())
            loadFile(chosen, true);
    });
}

bool ScenarioFileCommand::saveFile(const QString &chosenName)
{
    const QString fullPath = QFileInfo(chosenName).absoluteFilePath();
    // The window's own file asks no question. Letter case only makes two
    // names one file where the file system ignores it; here, "DAY.VNK" and
    // "day.vnk" can be two files, and replacing the other one must be asked.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    const Qt::CaseSensitivity fileNameCase = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity fileNameCase = Qt::CaseSensitive;
#endif
    const bool ownFile = fullPath.compare(m_form.ScenarioFileName, fileNameCase) == 0;
    if (!ownFile && QFileInfo::exists(fullPath)) {
        if (!m_dialogs.warnYesNo(QStringLiteral("Overwrite file ") + chosenName + QLatin1Char('?')))
            return false;
    }
    m_form.syncFieldsToModel();
    const SaveResult result = SaveScenario(m_form.m_scenario, fullPath);
    m_form.refresh();
    if (!result.ok) {
        // The old file is untouched and the window keeps its old name.
        m_dialogs.error(result.message);
        return false;
    }
    m_form.ScenarioFileName = fullPath;
    m_savedMark.remember(m_form.m_scenario, fullPath);
    m_form.setScenarioCaption(fullPath);
    emit m_form.scenarioFileUsed(fullPath);
    return true;
}

bool ScenarioFileCommand::loadFile(const QString &path, bool setFileName)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    m_form.syncFieldsToModel();
    // A loaded field the closing recalculation refuses is reported once the
    // window shows the loaded values and the file's name.
    m_form.m_exitGuard.holdInvalidInput(true);
    const LoadResult result = LoadScenario(m_form.m_scenario, fullPath);
    m_form.m_exitGuard.holdInvalidInput(false);
    m_form.refresh();
    if (!result.applied()) {
        m_dialogs.error(result.message);
        return false;
    }
    for (QLineEdit *edit : m_form.m_ui.fields)
        edit->setModified(false);
    m_form.syncFieldsToModel();
    m_savedMark.remember(m_form.m_scenario, fullPath);
    if (setFileName)
        m_form.ScenarioFileName = fullPath;
    m_form.setScenarioCaption(fullPath);
    emit m_form.scenarioFileUsed(fullPath);
    m_form.m_exitGuard.reportHeldInvalidInput();
    return true;
}

bool ScenarioFileCommand::hasUnsavedChanges()
{
    if (!m_savedMark.holdsFile())
        return false;
    m_form.syncFieldsToModel();
    return m_savedMark.changedSince(m_form.m_scenario);
}

bool ScenarioFileCommand::confirmClose()
{
    if (!hasUnsavedChanges())
        return true;
    bool closeIt = false;
    RunHandler(m_dialogs, [&] {
        switch (m_dialogs.askSaveChanges(QStringLiteral("Save changes to %1?").arg(m_savedMark.fileName()))) {
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
    if (!m_form.completePendingFieldExit())
        return false;
    // A file named on the command line has not been saved by this window
    // yet: the save dialog asks where, as the Save button would.
    if (m_form.ScenarioFileName == TAgentForm::NoScenarioFileName) {
        const QString chosen = m_dialogs.chooseSaveFile(scenarioDialogSetup(m_form.ScenarioFileName));
        return !chosen.isEmpty() && saveFile(chosen);
    }
    return saveFile(m_form.ScenarioFileName);
}
