// SPDX-License-Identifier: MIT
#include "forecastseries.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double NoData = std::numeric_limits<double>::quiet_NaN();
constexpr int DaysInWeek = 7;

} // namespace

ForecastSeries::Read ForecastSeries::fromDays(const IntervalDays &days, const std::vector<QDate> &excluded)
{
    Read read;
    if (!days.dated()) {
        read.refusal = QStringLiteral("the history gives weekdays, not dates: a forecast needs dated days");
        return read;
    }
    if (days.days().empty()) {
        read.refusal = QStringLiteral("the history holds no days");
        return read;
    }
    ForecastSeries series;
    series.m_firstDate = *days.days().front().date;
    series.m_dayCount = static_cast<int>(series.m_firstDate.daysTo(*days.days().back().date)) + 1;
    series.m_slotMinutes = days.slotMinutes();
    series.m_slotsPerDay = 24 * 60 / days.slotMinutes();
    const std::size_t size = static_cast<std::size_t>(series.m_dayCount) * static_cast<std::size_t>(series.m_slotsPerDay);
    series.m_calls.assign(size, NoData);
    series.m_talk.assign(size, NoData);
    series.m_wrap.assign(size, NoData);
    series.m_excluded.assign(static_cast<std::size_t>(series.m_dayCount), false);
    for (const QDate &date : excluded) {
        const qint64 day = series.m_firstDate.daysTo(date);
        if (day < 0 || day >= series.m_dayCount)
            read.notInHistory.push_back(date);
        else
            series.m_excluded[static_cast<std::size_t>(day)] = true;
    }
    int daysWithData = 0;
    for (const IntervalDay &day : days.days()) {
        const int d = static_cast<int>(series.m_firstDate.daysTo(*day.date));
        if (series.excluded(d))
            continue;
        ++daysWithData;
        const int firstSlot = day.firstMinute / days.slotMinutes();
        for (std::size_t s = 0; s < day.slotValues.size(); ++s) {
            const IntervalSlot &slot = day.slotValues[s];
            if (!slot.fromRow)
                continue;
            const std::size_t i = series.index(d, firstSlot + static_cast<int>(s));
            series.m_calls[i] = slot.calls;
            if (slot.talkSeconds)
                series.m_talk[i] = *slot.talkSeconds;
            if (slot.wrapSeconds)
                series.m_wrap[i] = *slot.wrapSeconds;
        }
    }
    if (daysWithData < DaysInWeek) {
        read.refusal = QStringLiteral("the history holds data on %1 day(s) from %2 to %3: a forecast needs at least "
                                      "one week")
                           .arg(daysWithData)
                           .arg(series.m_firstDate.toString(Qt::ISODate),
                                days.days().back().date->toString(Qt::ISODate));
        return read;
    }
    read.series = std::move(series);
    return read;
}
