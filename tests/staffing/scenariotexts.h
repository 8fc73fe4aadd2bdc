// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"

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
    s.setSlotLength(true);
}
