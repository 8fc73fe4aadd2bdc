// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"

#include "scenarioevents.h"

#include <QStringList>
#include <QTest>

// The eight field texts of a scenario in the window's reading order:
// start, end, calls, talk, wrap, abandon, goal %, goal seconds.
inline void setTexts(AgentScenario &s, const QStringList &texts)
{
    for (int i = 0; i < FieldCount && i < texts.size(); ++i)
        s.setText(static_cast<Field>(i), texts.at(i));
}

inline QStringList row(const AgentScenario &s, int r)
{
    QStringList cells;
    for (int c = 0; c < ResultTable::ColumnCount; ++c)
        cells << s.StringGrid1().cell(c, r);
    return cells;
}

inline QStringList column(const AgentScenario &s, int c)
{
    QStringList cells;
    for (int r = 1; r < s.StringGrid1().rowCount(); ++r)
        cells << s.StringGrid1().cell(c, r);
    return cells;
}

inline void useHalfHours(AgentScenario &s)
{
    s.setSlotLength(SlotLength::HalfHour);
}

// --- the worked examples, built here for every test folder ------------------

// The Agents example: 100 calls from 08:00 to 09:00, talk 03:00, wrap 00:30,
// abandon after 00:25, goal 80 % in 20 s. Recalculate() gives agents 6 to 15
// with the goal at 9.
inline const QStringList WorkedAgentsTexts = {"08:00", "09:00", "100", "03:00", "00:30", "00:25", "80", "20"};

inline AgentScenario workedAgentsScenario()
{
    AgentScenario s;
    setTexts(s, WorkedAgentsTexts);
    return s;
}

// The Schedule example's inputs and volumes: 30-minute slots from 08:00 to
// 10:00 holding 0, 10, 50 and 120 calls, talk 03:00, wrap 01:00, abandon
// after 00:30, goal 80 % in 20 s; TabSet1Click(Tab::Schedule) fills it with
// agents 0, 3, 10, 20 and trunks 0, 6, 14, 26.
inline const QStringList WorkedScheduleTexts = {"08:00", "10:00", "180", "03:00", "01:00", "00:30", "80", "20"};

inline void setWorkedScheduleInputs(AgentScenario &s)
{
    setTexts(s, WorkedScheduleTexts);
    useHalfHours(s);
    const int volumes[] = {0, 10, 50, 120};
    for (int i = 0; i < 4; ++i)
        s.setSlotCalls(i + 1, volumes[i]);
}

inline AgentScenario workedScheduleScenario()
{
    AgentScenario s;
    setWorkedScheduleInputs(s);
    return s;
}

// A whole day of 48 half-hour slots of 100 calls each, computed: a table too
// long for one printed page.
inline AgentScenario fullDaySchedule()
{
    AgentScenario s;
    setTexts(s, {"00:00", "24:00", "4800", "03:00", "01:00", "00:30", "80", "20"});
    useHalfHours(s);
    s.DistributeCalls();
    ScenarioEvents(s).TabSet1Click(Tab::Schedule);
    return s;
}
