// SPDX-License-Identifier: MIT
#include "scenariolines.h"

QString ScenarioLines::Excerpt(const QString &text)
{
    constexpr int MaxShown = 24;
    QString shown = text.left(MaxShown);
    for (QChar &c : shown) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0))
            c = QLatin1Char('?');
    }
    if (text.size() > MaxShown)
        shown += QStringLiteral("...");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}
