// SPDX-License-Identifier: MIT
#include "weekheatmapdescription.h"

#include "shiftplantext.h"
#include "weekplan.h"

#include <QStringList>

QString WeekHeatMapDescription(const WeekPlan &plan)
{
    QStringList sentences{QStringLiteral("Heat map of staffed minus required agents per slot, Monday to Sunday.")};
    bool anyOpen = false;
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const WeekPlan::Day &day = plan.days[std::size_t(d)];
        const QString name = ShiftWeek::dayName(d);
        if (!day.open) {
            sentences << QStringLiteral("%1: closed.").arg(name);
            continue;
        }
        anyOpen = true;
        std::vector<int> shortSlots, overSlots;
        for (std::size_t s = 0; s < day.coverage.size(); ++s) {
            const int difference = day.coverage[s].difference();
            if (difference < 0)
                shortSlots.push_back(int(s));
            else if (difference > 0)
                overSlots.push_back(int(s));
        }
        QStringList parts;
        if (!shortSlots.empty())
            parts << QStringLiteral("short at %1").arg(ShiftPlanText::slotList(day.coverage, shortSlots));
        if (!overSlots.empty())
            parts << QStringLiteral("over at %1").arg(ShiftPlanText::slotList(day.coverage, overSlots));
        sentences << QStringLiteral("%1: %2.").arg(name, parts.isEmpty() ? QStringLiteral("exact cover") : parts.join(QStringLiteral("; ")));
    }
    if (!anyOpen)
        return QStringLiteral("Heat map: no open day to show.");
    return sentences.join(QLatin1Char(' '));
}
