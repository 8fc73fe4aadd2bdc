// SPDX-License-Identifier: MIT
#pragma once

#include "intervaldays.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// A history of calls as one series of slots: every calendar day from the
// history's first date to its last, each of 24 hours of slots. A slot
// without a row, and every slot of a day left out (a holiday, an outage),
// is no data (NaN), never 0 calls.
class ForecastSeries
{
public:
    struct Read;
    // The history of an interval file of several days, `excluded` days left
    // out. Refused (naming why) for a file of weekdays without dates, or one
    // with fewer than seven days of data.
    static Read fromDays(const IntervalDays &days, const std::vector<QDate> &excluded = {});

    int dayCount() const { return m_dayCount; }
    int slotsPerDay() const { return m_slotsPerDay; }
    int slotMinutes() const { return m_slotMinutes; }
    QDate date(int day) const { return m_firstDate.addDays(day); }
    // 1 = Monday ... 7 = Sunday.
    int weekday(int day) const { return m_firstDate.addDays(day).dayOfWeek(); }
    bool excluded(int day) const { return m_excluded[static_cast<std::size_t>(day)]; }
    // Calls of a slot; NaN for no data.
    double calls(int day, int slot) const { return m_calls[index(day, slot)]; }
    // Talk and after-call seconds a slot's row gave; NaN without.
    double talkSeconds(int day, int slot) const { return m_talk[index(day, slot)]; }
    double wrapSeconds(int day, int slot) const { return m_wrap[index(day, slot)]; }

private:
    std::size_t index(int day, int slot) const
    {
        return static_cast<std::size_t>(day) * static_cast<std::size_t>(m_slotsPerDay) + static_cast<std::size_t>(slot);
    }

    QDate m_firstDate;
    int m_dayCount = 0;
    int m_slotsPerDay = 24;
    int m_slotMinutes = 60;
    std::vector<bool> m_excluded;
    std::vector<double> m_calls;
    std::vector<double> m_talk;
    std::vector<double> m_wrap;
};

struct ForecastSeries::Read
{
    std::optional<ForecastSeries> series;
    QString refusal;
    // Excluded dates that are no day of the history, for a warning.
    std::vector<QDate> notInHistory;
};
