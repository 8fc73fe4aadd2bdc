// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"
#include "field.h"

#include <QString>

// An agent window as its Print command sees it: the pending field exit that
// must pass before anything prints, and what the report copies (the
// scenario, the texts the fields show, the scenario file's name and the
// caption). TAgentForm answers it.
class ReportPrintHost
{
public:
    virtual ~ReportPrintHost() = default;

    // False when the exit was refused (its message shown): nothing prints.
    virtual bool completePendingFieldExit() = 0;
    virtual const AgentScenario &scenario() const = 0;
    // The field's text as the window shows it, as FieldText reads it.
    virtual QString fieldText(Field field) const = 0;
    // The scenario file's full path, or "*.vnk" while it has none.
    virtual QString ScenarioFileName() const = 0;
    virtual QString caption() const = 0;
};
