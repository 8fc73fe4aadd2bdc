// SPDX-License-Identifier: MIT
#include "savedscenariomark.h"

#include "scenariofile.h"

void SavedScenarioMark::remember(const AgentScenario &scenario)
{
    m_bytes = ScenarioFileBytes(scenario);
}

bool SavedScenarioMark::changedSince(const AgentScenario &scenario) const
{
    return m_bytes && *m_bytes != ScenarioFileBytes(scenario);
}
