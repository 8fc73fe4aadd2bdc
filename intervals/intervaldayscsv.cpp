// SPDX-License-Identifier: MIT
#include "intervaldayscsv.h"

#include "texts.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace {

QString durationCell(const std::optional<int> &seconds)
{
    return seconds ? QString::number(*seconds) : QString();
}

} // namespace

QString IntervalDaysCsv(const std::vector<IntervalDay> &days, int slotMinutes, QChar separator)
{
    const bool dated = days.empty() || days.front().date;
    const bool times = std::any_of(days.begin(), days.end(), [](const IntervalDay &day) {
        return std::any_of(day.slotValues.begin(), day.slotValues.end(),
                           [](const IntervalSlot &slot) { return slot.talkSeconds || slot.wrapSeconds; });
    });
    QStringList heading{dated ? QStringLiteral("date") : QStringLiteral("weekday"), QStringLiteral("interval"),
                        QStringLiteral("calls")};
    if (times)
        heading << QStringLiteral("talk") << QStringLiteral("after-call work");
    QString text = heading.join(separator) + QLatin1Char('\n');
    for (const IntervalDay &day : days) {
        const QString dayCell = day.date ? day.date->toString(Qt::ISODate)
                                         : QLocale::c().dayName(day.weekday, QLocale::ShortFormat);
        for (std::size_t s = 0; s < day.slotValues.size(); ++s) {
            const IntervalSlot &slot = day.slotValues[s];
            if (!slot.fromRow)
                continue;
            const int start = day.firstMinute + static_cast<int>(s) * slotMinutes;
            text += dayCell + separator + Calc::ClockText(start) + QStringLiteral(" - ")
                + Calc::ClockText(start + slotMinutes) + separator + QString::number(slot.calls);
            if (times)
                text += separator + durationCell(slot.talkSeconds) + separator + durationCell(slot.wrapSeconds);
            text += QLatin1Char('\n');
        }
    }
    return text;
}
