// SPDX-License-Identifier: MIT
#include "intervaldayscsv.h"

#include "texts.h"

#include <QLocale>

#include <algorithm>

namespace {

QString durationCell(const std::optional<int> &seconds)
{
    return seconds ? QString::number(*seconds) : QString();
}

} // namespace

QString IntervalDaysCsv(const std::vector<IntervalDay> &days, int slotMinutes)
{
    const bool dated = days.empty() || days.front().date;
    const bool times = std::any_of(days.begin(), days.end(), [](const IntervalDay &day) {
        return std::any_of(day.slotValues.begin(), day.slotValues.end(),
                           [](const IntervalSlot &slot) { return slot.talkSeconds || slot.wrapSeconds; });
    });
    QString text = dated ? QStringLiteral("date,interval,calls") : QStringLiteral("weekday,interval,calls");
    text += times ? QStringLiteral(",talk,after-call work\n") : QStringLiteral("\n");
    for (const IntervalDay &day : days) {
        const QString dayCell = day.date ? day.date->toString(Qt::ISODate)
                                         : QLocale::c().dayName(day.weekday, QLocale::ShortFormat);
        for (std::size_t s = 0; s < day.slotValues.size(); ++s) {
            const IntervalSlot &slot = day.slotValues[s];
            if (!slot.fromRow)
                continue;
            const int start = day.firstMinute + static_cast<int>(s) * slotMinutes;
            text += dayCell + QLatin1Char(',') + Calc::ClockText(start) + QStringLiteral(" - ")
                + Calc::ClockText(start + slotMinutes) + QLatin1Char(',') + QString::number(slot.calls);
            if (times)
                text += QLatin1Char(',') + durationCell(slot.talkSeconds) + QLatin1Char(',') + durationCell(slot.wrapSeconds);
            text += QLatin1Char('\n');
        }
    }
    return text;
}
