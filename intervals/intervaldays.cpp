// SPDX-License-Identifier: MIT
#include "intervaldays.h"

#include "intervaldaycolumn.h"
#include "intervalslotlength.h"
#include "intervaltable.h"

#include <QLocale>

#include <algorithm>

namespace {

constexpr int SecondsPerDay = 24 * 60 * 60;

using DayKey = IntervalDayColumn::Day;

// A day as refusals name it: its date, else its weekday ("Mon").
QString dayName(const DayKey &day)
{
    return day.date ? day.date->toString(Qt::ISODate) : QLocale::c().dayName(day.weekday, QLocale::ShortFormat);
}

// The rows of one day, as indexes into the table's rows.
struct RowGroup
{
    DayKey day;
    std::size_t first = 0;
    std::size_t end = 0;
};

} // namespace

IntervalDays IntervalDays::read(const QString &text, int slotMinutes)
{
    IntervalDays file;
    if (text.size() > MaxTextLength) {
        file.refuse(0, QStringLiteral("the file is longer than an interval file of several days can be"));
        return file;
    }
    const IntervalTable table = IntervalTable::read(text, IntervalTable::DayColumn::Read);
    file.m_columns = table.columns();
    if (table.refusal())
        file.refuse(table.refusal()->line, table.refusal()->reason);
    else
        file.placeDays(table, slotMinutes);
    return file;
}

IntervalDays IntervalDays::fromBytes(const QByteArray &bytes, int slotMinutes)
{
    if (bytes.size() > MaxTextLength) {
        IntervalDays file;
        file.refuse(0, QStringLiteral("the file is longer than an interval file of several days can be"));
        return file;
    }
    return read(QString::fromUtf8(bytes), slotMinutes);
}

void IntervalDays::refuse(int line, const QString &reason)
{
    m_refusal = IntervalRefusal{line, reason};
    m_days.clear();
}

bool IntervalDays::placeDays(const IntervalTable &table, int chosenMinutes)
{
    const std::vector<IntervalTableRow> &rows = table.rows();
    auto refuseRow = [this](const IntervalTableRow &row, const QString &text, const QString &problem) {
        refuse(row.line, IntervalRefusal::quoted(text) + QLatin1Char(' ') + problem);
        return false;
    };

    // Each row's day: the day column's, checked against a date before the
    // time; without the column, that date.
    std::vector<DayKey> keys;
    const int dayColumn = table.columnOf(IntervalColumn::Role::Day);
    if (dayColumn >= 0) {
        std::vector<IntervalDayColumn::Cell> cells;
        for (const IntervalTableRow &row : rows)
            cells.push_back({row.line, row.dayText});
        IntervalDayColumn column = IntervalDayColumn::read(cells, table.columns().at(dayColumn).header);
        if (column.refusal) {
            refuse(column.refusal->line, column.refusal->reason);
            return false;
        }
        m_dated = column.dated;
        keys = std::move(column.days);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::optional<QDate> &date = rows[i].time.date;
            if (date && (keys[i].date ? *keys[i].date != *date : keys[i].weekday != date->dayOfWeek()))
                return refuseRow(rows[i], rows[i].timeText, QStringLiteral("is on another day than %1 beside it")
                                                                .arg(IntervalRefusal::quoted(rows[i].dayText)));
        }
    } else {
        for (const IntervalTableRow &row : rows) {
            if (!row.time.date)
                return refuseRow(row, row.timeText,
                                 QStringLiteral("gives no date: a file of several days needs a date or weekday "
                                                "column, or a date before every time"));
            keys.push_back(DayKey{row.time.date, row.time.date->dayOfWeek()});
        }
    }
    auto dayText = [&](std::size_t i) { return dayColumn >= 0 ? rows[i].dayText : rows[i].timeText; };

    // The days, each a run of rows; a day's times in order.
    std::vector<RowGroup> groups;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!groups.empty() && keys[i] == groups.back().day) {
            const IntervalTableRow &above = rows[i - 1];
            if (rows[i].time.second == above.time.second)
                return refuseRow(rows[i], rows[i].timeText, QStringLiteral("repeats a time given above"));
            if (rows[i].time.second < above.time.second)
                return refuseRow(rows[i], rows[i].timeText,
                                 QStringLiteral("comes before the time above it: the rows of a day must follow "
                                                "the day in order"));
            groups.back().end = i + 1;
            continue;
        }
        const bool repeated = std::any_of(groups.begin(), groups.end(), [&](const RowGroup &g) { return g.day == keys[i]; });
        if (repeated)
            return refuseRow(rows[i], dayText(i), QStringLiteral("repeats the day %1 given above: the rows of a day "
                                                                 "must stand together")
                                                      .arg(dayName(keys[i])));
        if (m_dated && !groups.empty() && *keys[i].date < *groups.back().day.date)
            return refuseRow(rows[i], dayText(i), QStringLiteral("comes before the day above it: the days must "
                                                                 "follow in order"));
        groups.push_back(RowGroup{keys[i], i, i + 1});
    }

    // One slot length for all: each row's second counted from midnight of
    // the first day (a day of weekdays stands one day after the one above).
    std::vector<IntervalSlotLength::Row> times;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const long long dayOffset = m_dated ? groups.front().day.date->daysTo(*groups[g].day.date) : static_cast<long long>(g);
        for (std::size_t i = groups[g].first; i < groups[g].end; ++i)
            times.push_back({rows[i].line, rows[i].timeText, dayOffset * SecondsPerDay + rows[i].time.second,
                             rows[i].time.second, rows[i].time.endSecond});
    }
    const IntervalSlotLength length = IntervalSlotLength::decide(times, chosenMinutes);
    if (length.refusal) {
        refuse(length.refusal->line, length.refusal->reason);
        return false;
    }
    m_slotMinutes = length.minutes;
    const bool ends = std::any_of(rows.begin(), rows.end(), [](const IntervalTableRow &r) { return r.time.endSecond; });
    if (chosenMinutes == 0 && !ends) {
        // Each day's own closest spacing must give the length the first
        // day of several rows gives.
        std::optional<int> reference;
        for (const RowGroup &group : groups) {
            if (group.end - group.first < 2)
                continue;
            const std::vector<IntervalSlotLength::Row> dayTimes(times.begin() + static_cast<long>(group.first),
                                                                times.begin() + static_cast<long>(group.end));
            const int minutes = IntervalSlotLength::decide(dayTimes, 0).minutes;
            if (!reference) {
                reference = minutes;
                continue;
            }
            if (minutes == *reference)
                continue;
            std::size_t closest = group.first + 1;
            for (std::size_t i = group.first + 1; i < group.end; ++i) {
                if (times[i].at - times[i - 1].at < times[closest].at - times[closest - 1].at)
                    closest = i;
            }
            return refuseRow(rows[closest], rows[closest].timeText,
                             QStringLiteral("makes %1 a day of %2-minute slots, where the days above have "
                                            "%3-minute slots: every day needs one slot length")
                                 .arg(dayName(group.day))
                                 .arg(minutes)
                                 .arg(*reference));
        }
    }

    const int slotSeconds = m_slotMinutes * 60;
    for (const RowGroup &group : groups) {
        IntervalDay day;
        day.date = group.day.date;
        day.weekday = group.day.weekday;
        const int firstSecond = rows[group.first].time.second;
        day.firstMinute = firstSecond / 60;
        day.slotValues.assign(static_cast<std::size_t>((rows[group.end - 1].time.second - firstSecond) / slotSeconds + 1),
                         IntervalSlot());
        for (std::size_t i = group.first; i < group.end; ++i)
            day.slotValues[static_cast<std::size_t>((rows[i].time.second - firstSecond) / slotSeconds)] = rows[i].values;
        m_days.push_back(std::move(day));
    }
    return true;
}

std::vector<QDate> IntervalDays::weeks() const
{
    std::vector<QDate> mondays;
    for (const IntervalDay &day : m_days) {
        if (!day.date)
            continue;
        const QDate monday = day.date->addDays(1 - day.weekday);
        if (mondays.empty() || mondays.back() != monday)
            mondays.push_back(monday);
    }
    return mondays;
}

IntervalWeek IntervalDays::week(const QDate &monday) const
{
    IntervalWeek week;
    if (m_dated && !monday.isValid())
        return week;
    for (const IntervalDay &day : m_days) {
        if (!day.date || (monday.daysTo(*day.date) >= 0 && monday.daysTo(*day.date) < 7))
            week[static_cast<std::size_t>(day.weekday - 1)] = day;
    }
    return week;
}
