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
