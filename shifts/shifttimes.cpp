// SPDX-License-Identifier: MIT
#include "shifttimes.h"

#include <QStringList>

namespace {

QString TwoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString ShiftDurationText(int minutes)
{
    return QString::number(minutes / 60) + QLatin1Char(':') + TwoDigits(minutes % 60);
}

std::optional<int> ParseShiftMinutes(const QString &text)
{
    return ParseHoursMinutes(text, 2, 24 * 60);
}

std::optional<int> ParseHoursMinutes(const QString &text, int hourDigits, int maxMinutes)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.size() > 2)
        return std::nullopt;
    const std::optional<int> hours = ParseDigits(parts[0], hourDigits);
    const std::optional<int> minutes = parts.size() == 2 ? ParseDigits(parts[1], 2) : std::optional<int>(0);
    if (!hours || !minutes || *minutes > 59 || (parts.size() == 2 && parts[1].size() != 2))
        return std::nullopt;
    const int total = *hours * 60 + *minutes;
    if (total > maxMinutes)
        return std::nullopt;
    return total;
}

std::optional<int> ParseDigits(const QString &text, int maxLength)
{
    if (text.isEmpty() || text.size() > maxLength)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}
