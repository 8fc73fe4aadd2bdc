// SPDX-License-Identifier: MIT
#include "spokenheader.h"

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
    {"H Srv", "Roster service level"}, {"H Que", "Roster queued"}, {"H Abn", "Roster abandoned"},
    {"H Use", "Roster usage"}, {"H Ans", "Roster average answer"},
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
