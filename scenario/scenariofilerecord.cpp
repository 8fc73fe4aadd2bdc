// SPDX-License-Identifier: MIT
#include "scenariofilerecord.h"

#include "filenames.h"
#include "scenariofile.h"

#include <QFileInfo>

bool ScenarioFileRecord::isOwnFile(const QString &fullPath) const
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    const Qt::CaseSensitivity fileNameCase = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity fileNameCase = Qt::CaseSensitive;
#endif
    return fullPath.compare(m_fileName, fileNameCase) == 0;
}

void ScenarioFileRecord::saved(const AgentScenario &scenario, const QString &fullPath)
{
    m_fileName = fullPath;
    remember(scenario, fullPath);
}

void ScenarioFileRecord::loaded(const AgentScenario &scenario, const QString &fullPath, bool nameIt)
{
    if (nameIt)
        m_fileName = fullPath;
    remember(scenario, fullPath);
}

void ScenarioFileRecord::remember(const AgentScenario &scenario, const QString &fullPath)
{
    m_bytes = ScenarioFileBytes(scenario);
    m_markedName = QFileInfo(fullPath).fileName();
    m_markedPath = fullPath;
}

bool ScenarioFileRecord::changedSince(const AgentScenario &scenario) const
{
    return m_bytes && *m_bytes != ScenarioFileBytes(scenario);
}

QString ScenarioFileRecord::CaptionFor(const QString &path)
{
    return Calc::Capitalise(QFileInfo(path).fileName());
}
