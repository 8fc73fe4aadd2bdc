// SPDX-License-Identifier: MIT
#include "serieskinds.h"

#include "resulttable.h"

namespace SeriesKinds {

namespace {

struct KindInfo
{
    const char *caption;
    const char *title;
    SeriesGroup group;
    int agentsColumn;   // -1: not offered
    int scheduleColumn; // -1: not offered
};

constexpr int NotOffered = -1;

// In the order of SeriesKind.
constexpr KindInfo kinds[AllCount] = {
    {"Agents", "Agents - n", SeriesGroup::Number, NotOffered, ResultTable::SlotAgentsColumn},
    {"Service Level", "Srv Lvl - %", SeriesGroup::Percentage, ResultTable::ServiceColumn, ResultTable::SlotServiceColumn},
    {"Queued", "Queued - %", SeriesGroup::Percentage, ResultTable::QueuedColumn, ResultTable::SlotQueuedColumn},
    {"Abandoned", "Abandn - %", SeriesGroup::Percentage, ResultTable::AbandonColumn, ResultTable::SlotAbandonColumn},
    {"Usage", "Usage - %", SeriesGroup::Percentage, ResultTable::UsageColumn, ResultTable::SlotUsageColumn},
    {"Average Answer", "Ave Ans - s", SeriesGroup::Time, ResultTable::AnswerColumn, ResultTable::SlotAnswerColumn},
    {"Queue Time", "Q Time - s", SeriesGroup::Time, ResultTable::QueueTimeColumn, NotOffered},
    {"Average Queue", "Ave Q - n", SeriesGroup::Number, ResultTable::QueueLengthColumn, NotOffered},
    {"Trunks", "Trunks - n", SeriesGroup::Number, ResultTable::TrunksColumn, ResultTable::SlotTrunksColumn},
    {"Sched", "Sched - n", SeriesGroup::Number, ResultTable::SchedColumn, ResultTable::SchedColumn},
    {"Have", "Have - n", SeriesGroup::Number, NotOffered, ResultTable::HaveColumn},
    {"Handle Time", "AHT - s", SeriesGroup::Time, NotOffered, ResultTable::SlotHandleColumn},
};

const KindInfo *info(int kind)
{
    return kind >= 0 && kind < AllCount ? &kinds[kind] : nullptr;
}

} // namespace

QString MenuCaption(int kind)
{
    const KindInfo *k = info(kind);
    return k ? QString::fromLatin1(k->caption) : QString();
}

QString SeriesTitle(int kind)
{
    const KindInfo *k = info(kind);
    return k ? QString::fromLatin1(k->title) : QString();
}

SeriesGroup Group(int kind)
{
    const KindInfo *k = info(kind);
    return k ? k->group : SeriesGroup::Number;
}

int Column(int kind, bool scheduleTab)
{
    const KindInfo *k = kind < Count ? info(kind) : nullptr;
    if (!k)
        return -1;
    return scheduleTab ? k->scheduleColumn : k->agentsColumn;
}

int Column(int kind, bool scheduleTab, const ResultTable &table)
{
    if (kind < Count)
        return Column(kind, scheduleTab);
    const KindInfo *k = info(kind);
    if (!k)
        return -1;
    const int column = scheduleTab ? k->scheduleColumn : k->agentsColumn;
    return column >= 0 && table.isShown(column) ? column : -1;
}

bool MayOffer(int kind, bool scheduleTab)
{
    const KindInfo *k = info(kind);
    return k && (scheduleTab ? k->scheduleColumn : k->agentsColumn) >= 0;
}

SeriesSelectionWord Offer(bool scheduleTab)
{
    return scheduleTab ? ScheduleOffer : AgentsOffer;
}

SeriesSelectionWord Offer(bool scheduleTab, const ResultTable &table)
{
    SeriesSelectionWord offer = Offer(scheduleTab);
    for (int kind = Count; kind < AllCount; ++kind) {
        if (Column(kind, scheduleTab, table) >= 0)
            offer |= KindBit(kind);
    }
    return offer;
}

SeriesSelectionWord DefaultSelection(bool scheduleTab)
{
    return scheduleTab ? ScheduleDefault : AgentsDefault;
}

std::optional<int> KindByCaption(const QString &caption)
{
    const QString wanted = caption.trimmed();
    for (int kind = 0; kind < AllCount; ++kind) {
        if (wanted.compare(QLatin1String(kinds[kind].caption), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

} // namespace SeriesKinds
