// SPDX-License-Identifier: MIT
#pragma once

// The two worked examples as computed tables, and hand-made tables for the
// graph's edge cases. One place builds them for every graph test.
#include "scenariotexts.h"

#include "resulttable.h"
#include "scenarioevents.h"

#include <QList>
#include <QStringList>

// The Agents worked example: 100 calls from 08:00 to 09:00, talk 03:00,
// wrap 00:30, abandon after 00:25, goal 80% in 20 seconds: agents 6 to 15.
inline void setAgentsWorkedExample(AgentScenario &s)
{
    setTexts(s, WorkedAgentsTexts);
}

// The Schedule worked example: 30-minute slots from 08:00 to 10:00 with
// 0, 10, 50 and 120 calls, talk 03:00, wrap 01:00, abandon after 00:30,
// goal 80% in 20 seconds: agents 0, 3, 10, 20 and trunks 0, 6, 14, 26.
inline void setScheduleWorkedExample(AgentScenario &s)
{
    setWorkedScheduleInputs(s);
    s.setSlotCallsEdited(true);
}

inline ResultTable agentsWorkedTable()
{
    AgentScenario s;
    setAgentsWorkedExample(s);
    if (!s.Recalculate().valid)
        qFatal("the Agents worked example was refused");
    return s.StringGrid1();
}

inline ResultTable scheduleWorkedTable()
{
    AgentScenario s;
    setScheduleWorkedExample(s);
    if (!ScenarioEvents(s).TabSet1Click(Tab::Schedule).valid)
        qFatal("the Schedule worked example was refused");
    return s.StringGrid1();
}

// A table of the given data rows (nine texts each) under a header row.
inline ResultTable tableOf(const QList<QStringList> &rows)
{
    ResultTable table;
    table.setRowCount(static_cast<int>(rows.size()) + 1);
    for (int c = 0; c < ResultTable::ColumnCount; ++c)
        table.setCell(c, 0, QStringLiteral("H%1").arg(c));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < ResultTable::ColumnCount && c < rows.at(r).size(); ++c)
            table.setCell(c, r + 1, rows.at(r).at(c));
    }
    return table;
}
