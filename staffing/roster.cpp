// SPDX-License-Identifier: MIT
#include "roster.h"

#include <QStringList>

#include <limits>

std::optional<int> ParseRosterValue(const QString &text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    long long value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return static_cast<int>(value);
}

QString RosterListText(const RosterValues &roster)
{
    std::size_t used = roster.size();
    while (used > 0 && !roster[used - 1])
        --used;
    QStringList entries;
    for (std::size_t i = 0; i < used; ++i)
        entries << (roster[i] ? QString::number(*roster[i]) : QString());
    return entries.join(QLatin1Char(','));
}

RosterListRead ParseRosterList(const QString &text)
{
    RosterListRead read;
    if (text.trimmed().isEmpty())
        return read;
    const QStringList entries = text.split(QLatin1Char(','));
    for (int i = 0; i < entries.size(); ++i) {
        const QString &entry = entries.at(i);
        if (entry.trimmed().isEmpty()) {
            read.values.push_back(std::nullopt);
            continue;
        }
        const std::optional<int> value = ParseRosterValue(entry);
        if (!value) {
            read.badEntry = i + 1;
            read.badText = entry;
            read.values.clear();
            return read;
        }
        read.values.push_back(value);
    }
    return read;
}
