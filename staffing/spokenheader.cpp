// SPDX-License-Identifier: MIT
#include "spokenheader.h"

#include "resulttable.h"

namespace {

struct Spelling
{
    const char *shown;
    const char *spoken;
};

// Headers of both tabs that are abbreviated on screen.
constexpr Spelling spellings[] = {
    {"Srv Lvl", "Service level"}, {"Abndon", "Abandoned"},  {"Ave Ans", "Average answer"},
    {"Q Time", "Queue time"},     {"Avg Q", "Average queue"},
    // The planning and roster columns.
    {"Sched", "Scheduled agents"}, {"Have", "Agents on the roster"}, {"Gap", "Roster gap"},
    {"Roster Srv", "Service level with the roster"}, {"Roster Que", "Queued with the roster"},
    {"Roster Abn", "Abandoned with the roster"}, {"Roster Use", "Usage with the roster"},
    {"Roster Ans", "Average answer with the roster"},
    // The slots' own handle times.
    {"Talk", "Slot talk time"}, {"ACW", "Slot after-call work"}, {"AHT", "Slot handle time"},
};

} // namespace

QString SpokenHeader(const QString &shown)
{
    for (const Spelling &s : spellings) {
        if (shown == QLatin1String(s.shown))
            return QString::fromLatin1(s.spoken);
    }
    return shown;
}

QString ScheduleColumnHint(int column, bool shrinkage)
{
    switch (column) {
    case ResultTable::HaveColumn:
        return shrinkage ? QStringLiteral("Enter the agents rostered for the slot; with shrinkage those on the phones "
                                          "give the roster's figures, Gap sets them against Sched")
                         : QStringLiteral("Enter the agents on the roster for the slot; Gap sets them against Agents");
    case ResultTable::GapColumn:
        return shrinkage ? QStringLiteral("Agents rostered less Sched: below 0 the slot is short")
                         : QStringLiteral("Agents on the roster less Agents: below 0 the slot is short");
    case ResultTable::HaveServiceColumn:
        return QStringLiteral("Service level the roster gives: calls answered within the goal time");
    case ResultTable::HaveQueuedColumn:
        return QStringLiteral("Calls that queue with the roster");
    case ResultTable::HaveAbandonColumn:
        return QStringLiteral("Calls that abandon with the roster");
    case ResultTable::HaveUsageColumn:
        return QStringLiteral("Agent usage with the roster");
    case ResultTable::HaveAnswerColumn:
        return QStringLiteral("Average time to answer with the roster");
    case ResultTable::SlotTalkColumn:
        return QStringLiteral("Enter the slot's own talk time (mm:ss); empty: the call talk time field");
    case ResultTable::SlotWrapColumn:
        return QStringLiteral("Enter the slot's own after-call work time (mm:ss); empty: the after-call field");
    case ResultTable::SlotHandleColumn:
        return QStringLiteral("The slot's handle time: its talk time plus its after-call work");
    default:
        return QStringLiteral("Enter the call volume, use the arrow keys to advance");
    }
}
