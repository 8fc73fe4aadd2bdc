// SPDX-License-Identifier: MIT
#include "serieskinds.h"

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

constexpr KindInfo kinds[Count] = {
    {"Agents", "Agents - n", SeriesGroup::Number, -1, 2},
    {"Service Level", "Srv Lvl - %", SeriesGroup::Percentage, 1, 3},
    {"Queued", "Queued - %", SeriesGroup::Percentage, 2, 4},
    {"Abandoned", "Abandn - %", SeriesGroup::Percentage, 3, 5},
    {"Usage", "Usage - %", SeriesGroup::Percentage, 4, 6},
    {"Average Answer", "Ave Ans - s", SeriesGroup::Time, 5, 7},
    {"Queue Time", "Q Time - s", SeriesGroup::Time, 6, -1},
    {"Average Queue", "Ave Q - n", SeriesGroup::Number, 7, -1},
    {"Trunks", "Trunks - n", SeriesGroup::Number, 8, 8},
};

const KindInfo *info(int kind)
{
    return kind >= 0 && kind < Count ? &kinds[kind] : nullptr;
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
    const KindInfo *k = info(kind);
    if (!k)
        return -1;
    return scheduleTab ? k->scheduleColumn : k->agentsColumn;
}

SeriesSelectionWord Offer(bool scheduleTab)
{
    return scheduleTab ? ScheduleOffer : AgentsOffer;
}

SeriesSelectionWord DefaultSelection(bool scheduleTab)
{
    return scheduleTab ? ScheduleDefault : AgentsDefault;
}

std::optional<int> KindByCaption(const QString &caption)
{
    const QString wanted = caption.trimmed();
    for (int kind = 0; kind < Count; ++kind) {
        if (wanted.compare(QLatin1String(kinds[kind].caption), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

} // namespace SeriesKinds
