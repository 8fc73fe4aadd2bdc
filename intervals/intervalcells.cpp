// SPDX-License-Identifier: MIT
#include "intervalcells.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace IntervalCells {

QStringList splitCells(const QString &line, QChar separator)
{
    QStringList cells;
    QString cell;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            if (inQuotes && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                cell += c;
                ++i;
            } else {
                inQuotes = !inQuotes;
            }
        } else if (c == separator && !inQuotes) {
            cells << cell.trimmed();
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells << cell.trimmed();
    return cells;
}

std::optional<ClockTime> parseClock(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(?:(\\d{4})-(\\d{1,2})-(\\d{1,2})[ T]+)?(\\d{1,2}):(\\d{2})(?::(\\d{2})(?:\\.0+)?)?"
        "(?:\\s*-\\s*(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    ClockTime time;
    if (match.hasCaptured(1)) {
        const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
        if (!date.isValid())
            return std::nullopt;
        time.date = date;
    }
    const int hour = match.captured(4).toInt();
    const int minute = match.captured(5).toInt();
    const int second = match.hasCaptured(6) ? match.captured(6).toInt() : 0;
    if (hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    time.second = (hour * 60 + minute) * 60 + second;
    if (match.hasCaptured(7)) {
        // "23:30 - 24:00" ends the day.
        const int endHour = match.captured(7).toInt();
        const int endMinute = match.captured(8).toInt();
        const int endSecond = match.hasCaptured(9) ? match.captured(9).toInt() : 0;
        if (endHour > 24 || endMinute > 59 || endSecond > 59 || (endHour == 24 && endMinute + endSecond > 0))
            return std::nullopt;
        time.endSecond = (endHour * 60 + endMinute) * 60 + endSecond;
    }
    return time;
}

Calc::CellRead parseCalls(QString text, bool decimalComma)
{
    if (text.isEmpty())
        return {std::nullopt, QStringLiteral("is empty where calls are needed")};
    if (decimalComma)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double calls = text.toDouble(&ok);
    if (!ok || !std::isfinite(calls))
        return {std::nullopt, QStringLiteral("is not a number")};
    if (calls < 0)
        return {std::nullopt, QStringLiteral("is negative")};
    if (calls != std::floor(calls))
        return {std::nullopt, QStringLiteral("is not a whole number of calls")};
    if (calls > std::numeric_limits<int>::max())
        return {std::nullopt, QStringLiteral("is too large for a number of calls")};
    return {static_cast<int>(calls), QString()};
}

} // namespace IntervalCells
