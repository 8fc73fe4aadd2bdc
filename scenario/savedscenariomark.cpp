// SPDX-License-Identifier: MIT
#include "savedscenariomark.h"

#include "scenariofile.h"

#include <QFileInfo>

void SavedScenarioMark::remember(const AgentScenario &scenario, const QString &path)
{
    m_bytes = ScenarioFileBytes(scenario);
    m_fileName = QFileInfo(path).fileName();
}

bool SavedScenarioMark::changedSince(const AgentScenario &scenario) const
{
    return m_bytes && *m_bytes != ScenarioFileBytes(scenario);
}
